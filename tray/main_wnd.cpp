#include "tray/main_wnd.h"

#include <shellapi.h>

#include <cwchar>

#include "app/tray_icon_retry.h"
#include "platform/message_box_win32.h"
#include "platform/text_win32.h"
#include "res/resource.h"
#include "ui/controls_win32.h"
#include "ui/setting_dlg_win32.h"
#include "ui/time_card_dlg_win32.h"

namespace {

constexpr UINT BALLOON_TIMEOUT_MS = 300000;

HINSTANCE GetProgramInstance()
{
    return GetModuleHandleW(nullptr);
}

HICON LoadProgramIcon(int id, int sizeMetric)
{
    const int size = GetSystemMetrics(sizeMetric);
    return static_cast<HICON>(
        LoadImageW(GetProgramInstance(), MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
}

// Copies as much of the text as the fixed field holds, always terminated.
template <size_t N>
void CopyToField(wchar_t (&field)[N], const std::wstring& text)
{
    wcsncpy(field, text.c_str(), N - 1);
    field[N - 1] = L'\0';
}

NOTIFYICONDATAW MakeIconData(HWND hWnd, UINT flags)
{
    NOTIFYICONDATAW data = {};
    data.cbSize = sizeof data;
    data.hWnd = hWnd;
    data.uID = 0;
    data.uFlags = flags;
    return data;
}

// The shell calls of adding the icon, for the retry rule.
class CNotifyIconShell : public ITrayIconShell {
public:
    CNotifyIconShell(HWND hWnd, HICON hIcon) : m_data(MakeIconData(hWnd, NIF_MESSAGE | NIF_ICON | NIF_TIP))
    {
        m_data.uCallbackMessage = WM_TRAYNOTIFY;
        m_data.hIcon = hIcon;
        CopyToField(m_data.szTip, MAIN_WND_TITLE);
    }

    bool AddIcon() override { return Call(NIM_ADD); }
    bool ModifyIcon() override { return Call(NIM_MODIFY); }
    bool LastFailureWasTimeout() const override { return m_lastError == ERROR_TIMEOUT; }
    void WaitOneSecond() override { Sleep(1000); }

private:
    bool Call(DWORD message)
    {
        if (Shell_NotifyIconW(message, &m_data))
            return true;
        m_lastError = GetLastError();
        return false;
    }

    NOTIFYICONDATAW m_data;
    DWORD m_lastError = 0;
};

}  // namespace

CMainWnd::CMainWnd(CProfileStore& profile, const IClock& clock)
    : m_hTrayIcon(LoadProgramIcon(IDI_TRAY, SM_CXSMICON)),
      m_hMenuTray(LoadMenuW(GetProgramInstance(), MAKEINTRESOURCEW(IDR_MENU_TRAY))),
      m_profile(profile),
      m_clock(clock)
{
}

CMainWnd::~CMainWnd()
{
    if (m_hWnd != nullptr)
        DestroyWindow(m_hWnd);
    if (m_hMenuTray != nullptr)
        DestroyMenu(m_hMenuTray);
    if (m_hTrayIcon != nullptr)
        DestroyIcon(m_hTrayIcon);
}

bool CMainWnd::RegisterWindowClass()
{
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = WindowProcThunk;
    windowClass.hInstance = GetProgramInstance();
    windowClass.lpszClassName = MAIN_WND_CLASS;
    return RegisterClassExW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

bool CMainWnd::Create()
{
    // A tool window has no taskbar button; it is never shown anyway.
    if (CreateWindowExW(WS_EX_TOOLWINDOW, MAIN_WND_CLASS, MAIN_WND_TITLE, WS_MINIMIZE, 0, 0, 0, 0, nullptr,
                        nullptr, GetProgramInstance(), this) == nullptr)
        return false;
    // The icon that the system shows for the window and its dialogs, such as in the task switcher.
    SendMessageW(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(LoadProgramIcon(IDI_MAIN, SM_CXICON)));
    HideMainWindow();
    UpdateWindow(m_hWnd);
    return true;
}

void CMainWnd::AddTrayIcon()
{
    m_hNotifyWnd = m_hWnd;
    CNotifyIconShell shell(m_hWnd, m_hTrayIcon);
    if (AddIconRetryingTimeouts(shell))
        return;
    ShowMessageBox(nullptr, "通知領域にアイコンを登録できませんでした。", PROGRAM_TITLE, MB_OK | MB_ICONEXCLAMATION);
    SendMessageW(m_hWnd, WM_CLOSE, 0, 0);
}

void CMainWnd::ShowBalloon(const std::string& title, const std::string& text)
{
    const HWND hWnd = m_hNotifyWnd;
    if (hWnd == nullptr)
        return;
    NOTIFYICONDATAW data = MakeIconData(hWnd, NIF_INFO);
    CopyToField(data.szInfoTitle, Cp932ToWide(title));
    CopyToField(data.szInfo, Cp932ToWide(text));
    data.uTimeout = BALLOON_TIMEOUT_MS;
    data.dwInfoFlags = NIIF_ERROR;
    Shell_NotifyIconW(NIM_MODIFY, &data);
}

void CMainWnd::RemoveTrayIcon()
{
    const HWND hWnd = m_hNotifyWnd.exchange(nullptr);
    if (hWnd == nullptr)
        return;
    NOTIFYICONDATAW data = MakeIconData(hWnd, 0);
    Shell_NotifyIconW(NIM_DELETE, &data);
}

LRESULT CALLBACK CMainWnd::WindowProcThunk(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* self = static_cast<CMainWnd*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->m_hWnd = hWnd;
        SetWindowLongPtrW(hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<CMainWnd*>(GetWindowLongPtrW(hWnd, GWLP_USERDATA));
    if (self == nullptr)
        return DefWindowProcW(hWnd, message, wParam, lParam);
    return self->WindowProc(message, wParam, lParam);
}

LRESULT CMainWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        m_uTaskbarCreated = RegisterWindowMessageW(L"TaskbarCreated");
        return 0;
    case WM_TRAYNOTIFY:
        OnTrayNotify(lParam);
        return 0;
    case WM_COMMAND:
        OnCommand(LOWORD(wParam));
        return 0;
    case WM_QUERYENDSESSION:
        return OnQueryEndSession(wParam, lParam);
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    case WM_NCDESTROY:
        RemoveTrayIcon();
        SetWindowLongPtrW(m_hWnd, GWLP_USERDATA, 0);
        m_hWnd = nullptr;
        return 0;
    default:
        break;
    }
    if (message == m_uTaskbarCreated && m_uTaskbarCreated != 0) {
        // The shell has restarted and forgotten every icon.
        AddTrayIcon();
        return 0;
    }
    return DefWindowProcW(m_hWnd, message, wParam, lParam);
}

void CMainWnd::OnTrayNotify(LPARAM mouseMessage)
{
    if (mouseMessage != WM_RBUTTONUP)
        return;
    // The menu closes when the user clicks elsewhere only if its owner is the foreground window;
    // while the shell is in the foreground the menu would stay open.
    SetForegroundWindow(m_hWnd);
    POINT cursor;
    GetCursorPos(&cursor);
    TrackPopupMenu(GetSubMenu(m_hMenuTray, 0), 0, cursor.x, cursor.y, 0, m_hWnd, nullptr);
    // Without a message after the menu, the next one opened from the icon can close at once.
    PostMessageW(m_hWnd, WM_NULL, 0, 0);
}

void CMainWnd::OnCommand(UINT id)
{
    switch (id) {
    case ID_MENU_EXIT:
        OnMenuExit();
        break;
    case ID_MENU_TIMECARD:
        OnMenuTimeCard();
        break;
    case ID_MENU_SETTINGS:
        OnMenuSettings();
        break;
    case ID_MENU_ABOUT:
        OnMenuAbout();
        break;
    default:
        break;
    }
}

void CMainWnd::OnMenuExit()
{
    PostMessageW(m_hWnd, WM_CLOSE, 0, 0);
}

void CMainWnd::OnMenuTimeCard()
{
    CWin32MessageBox messages;
    CTimeCardDlgWin32 dlg(m_profile, messages, m_clock);
    EnableDialogEntries(false);
    dlg.DoModal(m_hWnd);
    EnableDialogEntries(true);
    HideMainWindow();
}

void CMainWnd::OnMenuSettings()
{
    CWin32MessageBox messages;
    CSettingDlgWin32 dlg(m_profile, messages);
    EnableDialogEntries(false);
    // Any result but 0 may mean new settings (-1: no dialog at all, and reading the interval
    // again costs nothing).
    if (dlg.DoModal(m_hWnd) != 0)
        m_bSettingsChanged = true;
    EnableDialogEntries(true);
    HideMainWindow();
}

void CMainWnd::EnableDialogEntries(bool enable)
{
    const HMENU popup = GetSubMenu(m_hMenuTray, 0);
    const UINT state = MF_BYCOMMAND | (enable ? MF_ENABLED : MF_GRAYED);
    EnableMenuItem(popup, ID_MENU_TIMECARD, state);
    EnableMenuItem(popup, ID_MENU_SETTINGS, state);
}

void CMainWnd::OnMenuAbout()
{
    // The menu stays reachable while the About box runs; a second choice brings the open box
    // forward instead of stacking another one on it.
    if (m_hAboutDlg != nullptr) {
        SetFocus(m_hAboutDlg);
    } else {
        DialogBoxParamW(GetProgramInstance(), MAKEINTRESOURCEW(IDD_ABOUTBOX), m_hWnd, AboutDlgProc,
                        reinterpret_cast<LPARAM>(this));
        m_hAboutDlg = nullptr;
    }
    HideMainWindow();
}

INT_PTR CALLBACK CMainWnd::AboutDlgProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        reinterpret_cast<CMainWnd*>(lParam)->m_hAboutDlg = hDlg;
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            EndDialog(hDlg, LOWORD(wParam));
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

LRESULT CMainWnd::OnQueryEndSession(WPARAM, LPARAM)
{
    // The log is appended line by line, so there is never anything to save: never object.
    return TRUE;
}

void CMainWnd::HideMainWindow()
{
    ShowWindow(m_hWnd, SW_MINIMIZE);
    ShowWindow(m_hWnd, SW_HIDE);
}
