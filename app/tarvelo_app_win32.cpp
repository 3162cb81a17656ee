#include "app/tarvelo_app.h"

#include <commctrl.h>

#include "platform/file_system.h"
#include "platform/message_box_win32.h"

CTarveloApp::CTarveloApp()
    : m_profile(MakeProfilePath(GetExecutablePath()))
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
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    return CreateMainWindow(m_mainWnd);
}

int CTarveloApp::ExitInstance(int exitCode)
{
    return exitCode;
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
