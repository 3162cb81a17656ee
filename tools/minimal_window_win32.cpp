// The smallest program of Tarvelo's kind, the base line of the working-set measurement
// (scripts/measure-budget.sh): one hidden top-level window and its message loop, built with the
// same compiler and the same static runtime as Tarvelo.exe, and nothing else.
//
// Built a second time with TRAY_ICON_AND_THREAD, it also shows an icon in the notification area
// and starts one thread that only waits: the floor of any program that records from a thread
// behind a tray icon, so that the measurement can tell what Wine charges for those two from what
// Tarvelo's own code costs.
#include <windows.h>

#ifdef TRAY_ICON_AND_THREAD
#include <shellapi.h>

#include <thread>
#endif

namespace {

constexpr wchar_t kClassName[] = L"Tarvelo.MinimalWindow";

LRESULT CALLBACK WindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hWnd, message, wParam, lParam);
}

#ifdef TRAY_ICON_AND_THREAD
void AddTrayIcon(HWND hWnd)
{
    NOTIFYICONDATAW data = {};
    data.cbSize = sizeof data;
    data.hWnd = hWnd;
    data.uID = 1;
    data.uFlags = NIF_ICON | NIF_TIP;
    data.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
    lstrcpynW(data.szTip, L"Minimal", ARRAYSIZE(data.szTip));
    Shell_NotifyIconW(NIM_ADD, &data);
}

// Waits for ever, as the recording thread does between two samples; the process ends it.
void StartWaitingThread()
{
    const HANDLE never = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::thread([never] { WaitForSingleObject(never, INFINITE); }).detach();
}
#endif

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kClassName;
    if (!RegisterClassW(&windowClass))
        return 1;
    const HWND hWnd = CreateWindowW(kClassName, L"Minimal", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                                    CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, nullptr);
    if (hWnd == nullptr)
        return 1;
#ifdef TRAY_ICON_AND_THREAD
    AddTrayIcon(hWnd);
    StartWaitingThread();
#endif
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}
