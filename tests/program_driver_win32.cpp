#include "tests/program_driver_win32.h"

#include <commctrl.h>
#include <shellapi.h>

#include <fstream>
#include <iterator>

#include "res/resource.h"
#include "tray/main_wnd.h"

namespace {

// Long enough for a slow Wine start on a busy machine; the waits end as soon as they can.
constexpr DWORD DEADLINE_MS = 30000;
constexpr DWORD POLL_MS = 50;

const wchar_t DIALOG_CLASS[] = L"#32770";
const wchar_t MENU_CLASS[] = L"#32768";

struct WindowSearch {
    DWORD processId;
    const wchar_t* className;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM param)
{
    auto* search = reinterpret_cast<WindowSearch*>(param);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    wchar_t className[64] = {};
    GetClassNameW(window, className, 64);
    if (processId == search->processId && IsWindowVisible(window) && wcscmp(className, search->className) == 0)
        search->found.push_back(window);
    return TRUE;
}

BOOL CALLBACK CollectChildText(HWND child, LPARAM param)
{
    reinterpret_cast<std::vector<std::wstring>*>(param)->push_back(GetWindowTextString(child));
    return TRUE;
}

}  // namespace

bool WaitUntil(const std::function<bool()>& condition)
{
    const ULONGLONG deadline = GetTickCount64() + DEADLINE_MS;
    while (!condition()) {
        if (GetTickCount64() > deadline)
            return condition();
        Sleep(POLL_MS);
    }
    return true;
}

std::string GetBesideTestsPath(const std::string& name)
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    folder.erase(folder.find_last_of('\\'));
    return folder + "\\" + name;
}

CProgramDriver::CProgramDriver(const std::string& folder, const std::string& builtName, const std::string& copyName)
    : m_folder(folder), m_exePath(folder + "\\" + copyName)
{
    CopyFileA(GetBesideTestsPath(builtName).c_str(), m_exePath.c_str(), FALSE);
}

CProgramDriver::~CProgramDriver()
{
    if (m_process.hProcess == nullptr)
        return;
    if (IsRunning()) {
        TerminateProcess(m_process.hProcess, 1);
        WaitForSingleObject(m_process.hProcess, DEADLINE_MS);
    }
    CloseHandle(m_process.hThread);
    CloseHandle(m_process.hProcess);
}

bool CProgramDriver::Start()
{
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    std::string commandLine = "\"" + m_exePath + "\"";
    // The current folder stays the test's: the program must find its INI file beside itself.
    return CreateProcessA(m_exePath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &m_process) != 0;
}

bool CProgramDriver::StartAndWaitForWindow()
{
    return Start() && WaitUntil([this] { return FindMainWindow() != nullptr; });
}

bool CProgramDriver::IsRunning() const
{
    return m_process.hProcess != nullptr && WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT;
}

bool CProgramDriver::WaitForExit(DWORD& exitCode)
{
    if (WaitForSingleObject(m_process.hProcess, DEADLINE_MS) != WAIT_OBJECT_0)
        return false;
    return GetExitCodeProcess(m_process.hProcess, &exitCode) != 0;
}

HWND CProgramDriver::FindMainWindow() const
{
    const HWND window = FindWindowW(MAIN_WND_CLASS, MAIN_WND_TITLE);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    return window != nullptr && processId == ProcessId() ? window : nullptr;
}

std::vector<HWND> CProgramDriver::FindVisibleWindows(const wchar_t* className) const
{
    WindowSearch search{ProcessId(), className, {}};
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND CProgramDriver::FindDialog(const std::wstring& caption) const
{
    for (const HWND dialog : FindVisibleWindows(DIALOG_CLASS)) {
        if (GetWindowTextString(dialog) == caption)
            return dialog;
    }
    return nullptr;
}

HWND CProgramDriver::WaitForDialog(const std::wstring& caption) const
{
    HWND dialog = nullptr;
    WaitUntil([&] { return (dialog = FindDialog(caption)) != nullptr; });
    return dialog;
}

HWND CProgramDriver::OpenDialog(UINT command, const std::wstring& caption) const
{
    PostMessageW(FindMainWindow(), WM_COMMAND, command, 0);
    return WaitForDialog(caption);
}

HWND CProgramDriver::OpenTrayMenu() const
{
    PostMessageW(FindMainWindow(), WM_TRAYNOTIFY, 0, WM_RBUTTONUP);
    std::vector<HWND> menus;
    WaitUntil([&] { return !(menus = FindVisibleWindows(MENU_CLASS)).empty(); });
    return menus.empty() ? nullptr : menus[0];
}

bool CProgramDriver::ChooseFromTrayMenu(wchar_t letter) const
{
    const auto isMenuClosed = [this] { return FindVisibleWindows(MENU_CLASS).empty(); };
    const HWND menu = OpenTrayMenu();
    // The menu's loop reads the keyboard messages of the program's thread, whatever their window.
    if (menu == nullptr || !PostMessageW(menu, WM_CHAR, letter, 0) || !WaitUntil(isMenuClosed))
        return false;
    // The chosen command is queued before the menu closes, and the next menu opens only after it
    // has run: once that menu shows, the command has been handled (or its dialog is open).
    const HWND next = OpenTrayMenu();
    return next != nullptr && PostMessageW(next, WM_KEYDOWN, VK_ESCAPE, 0) && WaitUntil(isMenuClosed);
}

std::vector<std::wstring> GetChildTexts(HWND dialog)
{
    std::vector<std::wstring> texts;
    EnumChildWindows(dialog, CollectChildText, reinterpret_cast<LPARAM>(&texts));
    return texts;
}

std::wstring GetWindowTextString(HWND window)
{
    wchar_t text[512] = {};
    SendWithDeadline(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text));
    return text;
}

bool SendWithDeadline(HWND window, UINT message, WPARAM wParam, LPARAM lParam, DWORD_PTR* result)
{
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, DEADLINE_MS,
                               result != nullptr ? result : &ignored) != 0;
}

bool LoadMonthInTimeCard(HWND dialog, const wchar_t* label)
{
    const HWND combo = GetDlgItem(dialog, IDC_COMBO_MONTH);
    DWORD_PTR index = 0;
    return SendWithDeadline(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(label),
                            &index) &&
           static_cast<LRESULT>(index) != CB_ERR && SendWithDeadline(combo, CB_SETCURSEL, index, 0) &&
           SendWithDeadline(GetDlgItem(dialog, IDC_BUTTON_LOAD), BM_CLICK, 0, 0);
}

bool ClickOnScreen(POINT point)
{
    if (!SetCursorPos(point.x, point.y))
        return false;
    INPUT inputs[2] = {};
    inputs[0].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[1].type = INPUT_MOUSE;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    return SendInput(2, inputs, sizeof(INPUT)) == 2;
}

namespace {

bool CallShellForIcon(HWND window, DWORD message)
{
    NOTIFYICONDATAW data = {};
    data.cbSize = sizeof data;
    data.hWnd = window;
    data.uID = 0;
    data.uFlags = 0;
    return Shell_NotifyIconW(message, &data) != 0;
}

}  // namespace

bool HasTrayIcon(HWND window)
{
    return CallShellForIcon(window, NIM_MODIFY);
}

bool DeleteTrayIcon(HWND window)
{
    return CallShellForIcon(window, NIM_DELETE);
}

void KillRunningPrograms()
{
    while (const HWND window = FindWindowW(MAIN_WND_CLASS, MAIN_WND_TITLE)) {
        DWORD processId = 0;
        GetWindowThreadProcessId(window, &processId);
        const HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, processId);
        if (process == nullptr)
            return;
        TerminateProcess(process, 1);
        const bool ended = WaitForSingleObject(process, DEADLINE_MS) == WAIT_OBJECT_0;
        CloseHandle(process);
        if (!ended)
            return;
    }
}

std::string ReadFileBytes(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

namespace {

// Room for one item and its text, at the start and past the middle of the lent buffer.
constexpr size_t REMOTE_BUFFER_SIZE = 4096;
constexpr size_t REMOTE_TEXT_OFFSET = 1024;
constexpr int REMOTE_TEXT_CHARS = (REMOTE_BUFFER_SIZE - REMOTE_TEXT_OFFSET) / sizeof(wchar_t);

}  // namespace

CRemoteListView::CRemoteListView(HWND list) : m_hList(list)
{
    DWORD processId = 0;
    GetWindowThreadProcessId(list, &processId);
    m_hProcess = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
    if (m_hProcess != nullptr)
        m_pRemote = VirtualAllocEx(m_hProcess, nullptr, REMOTE_BUFFER_SIZE, MEM_COMMIT, PAGE_READWRITE);
}

CRemoteListView::~CRemoteListView()
{
    if (m_pRemote != nullptr)
        VirtualFreeEx(m_hProcess, m_pRemote, 0, MEM_RELEASE);
    if (m_hProcess != nullptr)
        CloseHandle(m_hProcess);
}

bool CRemoteListView::Send(UINT message, WPARAM wParam, const void* in, size_t inSize, void* out,
                           size_t outSize) const
{
    DWORD_PTR result = 0;
    return IsReady() && WriteProcessMemory(m_hProcess, m_pRemote, in, inSize, nullptr) &&
           SendWithDeadline(m_hList, message, wParam, reinterpret_cast<LPARAM>(m_pRemote), &result) &&
           result != 0 && (out == nullptr || ReadProcessMemory(m_hProcess, m_pRemote, out, outSize, nullptr));
}

int CRemoteListView::GetItemCount() const
{
    DWORD_PTR count = 0;
    return SendWithDeadline(m_hList, LVM_GETITEMCOUNT, 0, 0, &count) ? static_cast<int>(count) : -1;
}

std::wstring CRemoteListView::GetItemText(int row, int column) const
{
    auto* remoteText = static_cast<char*>(m_pRemote) + REMOTE_TEXT_OFFSET;
    LVITEMW item = {};
    item.iSubItem = column;
    item.pszText = reinterpret_cast<wchar_t*>(remoteText);
    item.cchTextMax = REMOTE_TEXT_CHARS;
    // The answer is the text's length, 0 for an empty text: read the buffer whatever it says.
    DWORD_PTR length = 0;
    if (!IsReady() || !WriteProcessMemory(m_hProcess, m_pRemote, &item, sizeof item, nullptr) ||
        !SendWithDeadline(m_hList, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(m_pRemote),
                          &length))
        return L"<unreadable>";
    std::wstring text(length, L'\0');
    if (length > 0 && !ReadProcessMemory(m_hProcess, remoteText, text.data(), length * sizeof(wchar_t), nullptr))
        return L"<unreadable>";
    return text;
}

bool CRemoteListView::SelectRow(int row) const
{
    LVITEMW state = {};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    DWORD_PTR ignored = 0;
    return Send(LVM_SETITEMSTATE, static_cast<WPARAM>(row), &state, sizeof state, nullptr, 0) &&
           SendWithDeadline(m_hList, LVM_SETSELECTIONMARK, 0, row, &ignored);
}

bool CRemoteListView::GetItemScreenRect(int row, RECT& rect) const
{
    rect = {};
    rect.left = LVIR_BOUNDS;
    if (!Send(LVM_GETITEMRECT, static_cast<WPARAM>(row), &rect, sizeof rect, &rect, sizeof rect))
        return false;
    MapWindowPoints(m_hList, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return true;
}
