#pragma once

// The notebook program: one running instance at a time, kept by the shell's
// registry under id 16. A second start only brings the running notebook
// forward.
class CNoteBookApp {
public:
    // Runs the notebook dialog to its end, or hands over to the running
    // notebook. Always false: the program ends after it.
    bool InitInstance();
};
