#include "tests/program_driver_win32.h"

#include <shellapi.h>

#include <fstream>
#include <iterator>

#include "tray/main_wnd.h"

namespace {

// Long enough for a slow Wine start on a busy machine; the waits end as soon as they can.
constexpr DWORD DEADLINE_MS = 30000;
constexpr DWORD POLL_MS = 50;

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
