#pragma once

// The game's application object: keeps the game to one running instance and
// runs the game dialog as the main window.
class CGoApp {
public:
    // Runs the game to its end, or brings an already running game to the
    // front. Always false: the process ends when it returns.
    bool InitInstance();
};
