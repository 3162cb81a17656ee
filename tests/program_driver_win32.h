// Drives a copy of Tarvelo.exe from outside, as a user and the system would: starts it in a folder
// of its own (its INI file lives beside it), finds its windows, sends it messages and watches it
// end. Every wait has a generous deadline, and a copy still running when the test ends is killed.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// The captions of the program's two dialogs, as its resource script gives them.
inline constexpr wchar_t TIME_CARD_CAPTION[] = L"タイムカード(Tarvelo)";
inline constexpr wchar_t SETTINGS_CAPTION[] = L"設定";

// Polls the condition until it holds or a generous deadline passes; returns its last answer.
bool WaitUntil(const std::function<bool()>& condition);

// The path of a file that the build put beside the test executable, such as Tarvelo.exe.
std::string GetBesideTestsPath(const std::string& name);

class CProgramDriver {
public:
    // Copies a program built beside the tests into the folder (which must exist), under the name
    // given: Tarvelo.exe unless told otherwise.
    explicit CProgramDriver(const std::string& folder, const std::string& builtName = "Tarvelo.exe",
                            const std::string& copyName = "Tarvelo.exe");
    ~CProgramDriver();
    CProgramDriver(const CProgramDriver&) = delete;
    CProgramDriver& operator=(const CProgramDriver&) = delete;

    const std::string& Folder() const { return m_folder; }
    std::string InFolder(const std::string& relative) const { return m_folder + "\\" + relative; }

    // Starts the copy from another current folder. False when it cannot be started.
    bool Start();
    // Starts it and waits for its main window; false when it does not appear.
    bool StartAndWaitForWindow();
    DWORD ProcessId() const { return m_process.dwProcessId; }
    bool IsRunning() const;
    // Waits for the end of the process; false when it keeps running past the deadline.
    bool WaitForExit(DWORD& exitCode);

    // The program's hidden main window, when this copy has one.
    HWND FindMainWindow() const;
    // The visible top-level windows of this copy with that class ("#32770" dialogs and message
    // boxes, "#32768" menus).
    std::vector<HWND> FindVisibleWindows(const wchar_t* className) const;
    // The visible dialog of this copy with that caption, or null.
    HWND FindDialog(const std::wstring& caption) const;
    // Waits for that dialog; null when it does not appear.
    HWND WaitForDialog(const std::wstring& caption) const;
    // Sends the main window the tray menu's command and waits for the dialog it opens; null when
    // it does not appear.
    HWND OpenDialog(UINT command, const std::wstring& caption) const;

    // Opens the tray menu as releasing the right button over the icon does; the menu's window,
    // or null when it does not appear.
    HWND OpenTrayMenu() const;
    // Chooses an entry of the tray menu by its underlined letter, as the keyboard does, and
    // returns once the choice has been handled: a grey entry closes the menu and does nothing.
    // (Another process cannot read the menu's item states under Wine.) False when the menu did
    // not open or close.
    bool ChooseFromTrayMenu(wchar_t letter) const;

private:
    std::string m_folder;
    std::string m_exePath;
    PROCESS_INFORMATION m_process = {};
};

// The texts of a dialog's children, in their order.
std::vector<std::wstring> GetChildTexts(HWND dialog);
std::wstring GetWindowTextString(HWND window);

// Sends a message and waits for the window to handle it; false when it does not in time.
bool SendWithDeadline(HWND window, UINT message, WPARAM wParam, LPARAM lParam, DWORD_PTR* result = nullptr);

// In an open Time Card dialog: picks the month with that label ("2008年02月") in the month combo
// and presses 読込. False when the month is not listed or the dialog does not answer.
bool LoadMonthInTimeCard(HWND dialog, const wchar_t* label);

// A left click at that point of the screen through the system's input, as the mouse gives it:
// the window under the cursor gets it, with everything the system does around a click.
bool ClickOnScreen(POINT point);

// Whether the shell holds a notification-area icon for the window (icon id 0): a modify of the
// icon that changes nothing succeeds only for an icon that exists.
bool HasTrayIcon(HWND window);

// Takes the window's icon (id 0) out of the notification area, as a restart of the shell does.
bool DeleteTrayIcon(HWND window);

// Ends any Tarvelo that runs on this desktop (left over from an interrupted run).
void KillRunningPrograms();

// Reads a whole file; the empty text when it is missing.
std::string ReadFileBytes(const std::string& path);

// Another program's list view. Its messages take pointers, which the system does not carry from
// one process to another, so the items travel through a buffer lent in the list's process.
class CRemoteListView {
public:
    explicit CRemoteListView(HWND list);
    ~CRemoteListView();
    CRemoteListView(const CRemoteListView&) = delete;
    CRemoteListView& operator=(const CRemoteListView&) = delete;

    // False when the list's process refused the buffer.
    bool IsReady() const { return m_pRemote != nullptr; }
    int GetItemCount() const;
    std::wstring GetItemText(int row, int column) const;
    // Selects and focuses the row and makes it the selection mark, as a click would.
    bool SelectRow(int row) const;
    // The row's rectangle in screen coordinates.
    bool GetItemScreenRect(int row, RECT& rect) const;

private:
    bool Send(UINT message, WPARAM wParam, const void* in, size_t inSize, void* out, size_t outSize) const;

    HWND m_hList;
    HANDLE m_hProcess = nullptr;
    void* m_pRemote = nullptr;
};
