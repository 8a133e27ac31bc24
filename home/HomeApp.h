#pragma once

#include "home/HomeDlg.h"

// orva-home's application object: one home screen per user, like the other
// programs of the shell.
class CHomeApp {
public:
    explicit CHomeApp(HomeMode mode);
    // Runs the home screen to its end, or brings the running one forward.
    bool InitInstance();

private:
    HomeMode m_mode = HomeMode::Desktop;
};
