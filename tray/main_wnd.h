// The program's main window: never shown, it owns the notification-area icon, receives the icon's
// mouse messages, carries the popup menu and owns the dialogs that the menu opens. The recording
// thread reads its settings-changed flag and shows error balloons on its icon.
#pragma once

#include <windows.h>

#include <atomic>
#include <string>

#include "app/profile_store.h"
#include "platform/local_time.h"
#include "recording/recording_loop.h"

// The window's class and title: together they tell another start of the program that one runs.
inline constexpr wchar_t MAIN_WND_CLASS[] = L"Tarvelo.CMainWnd";
inline constexpr wchar_t MAIN_WND_TITLE[] = L"Tarvelo";

// The message the icon sends with the mouse action in lParam.
inline constexpr UINT WM_TRAYNOTIFY = WM_USER + 1;

class CMainWnd : public IRecordingWindow {
public:
    // The dialogs the menu opens read and write the settings; the time card needs today's date.
    CMainWnd(CProfileStore& profile, const IClock& clock);
    ~CMainWnd() override;
    CMainWnd(const CMainWnd&) = delete;
    CMainWnd& operator=(const CMainWnd&) = delete;

    // Registers the window class once per process; false when that fails.
    static bool RegisterWindowClass();

    // Creates the hidden tool window and gives it the program's big icon. False when the window
    // cannot be created.
    bool Create();
    // True from Create until the window is destroyed.
    bool IsWindow() const { return m_hWnd != nullptr; }

    // Adds the notification-area icon, retrying while the shell times out. When the shell refuses
    // the icon, says so and closes the window, which ends the program.
    void AddTrayIcon();

    // For the recording thread.
    bool IsSettingsChanged() const override { return m_bSettingsChanged; }
    void ClearSettingsChanged() override { m_bSettingsChanged = false; }
    // An error balloon on the icon; nothing shows without an icon. Texts in code page 932.
    void ShowBalloon(const std::string& title, const std::string& text) override;

private:
    static LRESULT CALLBACK WindowProcThunk(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    static INT_PTR CALLBACK AboutDlgProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam);

    void OnTrayNotify(LPARAM mouseMessage);
    void OnCommand(UINT id);
    void OnMenuExit();
    void OnMenuTimeCard();
    void OnMenuSettings();
    void OnMenuAbout();
    LRESULT OnQueryEndSession(WPARAM wParam, LPARAM lParam);

    void RemoveTrayIcon();
    // Keeps the window out of sight after a dialog it owned has ended.
    void HideMainWindow();
    // The time card and settings entries are grey while either dialog runs.
    void EnableDialogEntries(bool enable);

    HWND m_hWnd = nullptr;
    // The window the icon was added with. The recording thread reads it for balloons, so it is
    // atomic, and it is cleared once the icon is gone.
    std::atomic<HWND> m_hNotifyWnd{nullptr};
    HICON m_hTrayIcon;
    // Set once a saved Settings dialog changed the interval; the recording thread polls it.
    std::atomic<bool> m_bSettingsChanged{false};
    HMENU m_hMenuTray;
    CProfileStore& m_profile;
    const IClock& m_clock;
    // The About box while it runs, else null.
    HWND m_hAboutDlg = nullptr;
    // The shell's "TaskbarCreated" message: it is broadcast when the shell (re)starts.
    UINT m_uTaskbarCreated = 0;
};
