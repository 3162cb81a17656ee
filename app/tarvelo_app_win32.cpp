#include "app/tarvelo_app.h"

#include <system_error>

#include "platform/file_system.h"
#include "platform/message_box_win32.h"

CTarveloApp::CTarveloApp()
    : m_profile(MakeProfilePath(GetExecutablePath())),
      m_mainWnd(m_profile, m_clock),
      m_writer(m_clock),
      m_recordingContext{m_profile, m_mainWnd, m_detector, m_writer, m_stopEvent}
{
}

int CTarveloApp::Run()
{
    if (!InitInstance())
        return -1;
    MSG msg = {};
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return ExitInstance(static_cast<int>(msg.wParam));
}

bool CTarveloApp::InitInstance()
{
    if (!CreateMainWindow(m_mainWnd))
        return false;
    // A refused tray icon has closed the window already: the program is ending, record nothing.
    if (m_mainWnd.IsWindow())
        StartRecording();
    return true;
}

int CTarveloApp::ExitInstance(int exitCode)
{
    StopRecording();
    return exitCode;
}

void CTarveloApp::StartRecording()
{
    try {
        m_recordingThread = std::thread([this] { RecordingThreadProc(m_recordingContext); });
    } catch (const std::system_error&) {
        // An icon that records nothing would mislead the user: say so and end instead.
        ShowMessageBox(nullptr, "時刻の記録に失敗しました。", PROGRAM_TITLE, MB_OK | MB_ICONERROR);
        PostQuitMessage(-1);
    }
}

void CTarveloApp::StopRecording()
{
    m_stopEvent.Stop();
    if (m_recordingThread.joinable())
        m_recordingThread.join();
}

bool CreateMainWindow(CMainWnd& mainWnd)
{
    if (!CMainWnd::RegisterWindowClass())
        return false;
    if (FindWindowW(MAIN_WND_CLASS, MAIN_WND_TITLE) != nullptr) {
        ShowMessageBox(nullptr, "すでに起動しています。", PROGRAM_TITLE, MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    if (!mainWnd.Create())
        return false;
    mainWnd.AddTrayIcon();
    return true;
}
