#pragma once
// The application object: sets up the process for the windows and runs the main window
// modally; the program ends when it closes.

namespace chronel {

class CCalendarApp {
public:
    // Runs the program; returns the process exit status.
    int InitInstance(int& argc, char** argv);
};

// Settings the program and the driver share: numbers read and written with '.' whatever the
// user's locale, and the application's names.
void PrepareApplication();

}  // namespace chronel
