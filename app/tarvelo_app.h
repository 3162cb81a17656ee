// The application object: start-up, the message loop and an orderly shut-down.
#pragma once

#include "app/profile_store.h"
#include "tray/main_wnd.h"

class CTarveloApp {
public:
    CTarveloApp();

    // Runs the program until its main window is destroyed. Returns the process exit code: 0 after
    // a normal close, -1 when another instance runs or the window cannot be created.
    int Run();

private:
    bool InitInstance();
    int ExitInstance(int exitCode);

    // The INI file beside the executable.
    CProfileStore m_profile;
    CMainWnd m_mainWnd;
};

// Creates the hidden main window and its tray icon, unless another instance of the program runs:
// then it says so and returns false. Also false when the window cannot be created.
bool CreateMainWindow(CMainWnd& mainWnd);
