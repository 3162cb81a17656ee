// The application object: start-up, the message loop and an orderly shut-down.
#pragma once

#include <thread>

#include "app/profile_store.h"
#include "platform/local_time.h"
#include "recording/activity_writer.h"
#include "recording/recording_loop.h"
#include "recording/screen_saver.h"
#include "recording/stop_event.h"
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
    // The recording thread starts once the window and its icon exist, so that its error
    // balloons always have an icon to show on.
    void StartRecording();
    // Wakes the recording thread and waits for its end, before anything it uses goes away.
    void StopRecording();

    // Members are destroyed in reverse order: the thread has ended before any of these.
    CProfileStore m_profile;  // the INI file beside the executable
    CSystemClock m_clock;
    CMainWnd m_mainWnd;
    CActivityWriter m_writer;
    CScreenSaverDetector m_detector;
    CStopEvent m_stopEvent;
    RecordingContext m_recordingContext;
    std::thread m_recordingThread;
};

// Creates the hidden main window and its tray icon, unless another instance of the program runs:
// then it says so and returns false. Also false when the window cannot be created.
bool CreateMainWindow(CMainWnd& mainWnd);
