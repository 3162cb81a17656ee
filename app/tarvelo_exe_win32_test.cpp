// Tests of the real Tarvelo.exe, each copy started in a fresh folder of its own and driven from
// outside through its windows, its files and the shell.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "recording/screen_saver.h"
#include "res/resource.h"
#include "tests/program_driver_win32.h"
#include "tests/temp_folder.h"
#include "tray/main_wnd.h"

namespace {

const wchar_t DIALOG_CLASS[] = L"#32770";
const wchar_t MENU_CLASS[] = L"#32768";

// The day's activity log under the program's folder, the default record folder.
std::string LogPathOn(const std::string& folder, const SYSTEMTIME& day)
{
    char relative[32];
    std::snprintf(relative, sizeof relative, "\\data\\%04u%02u\\%02u%02u.log", day.wYear, day.wMonth, day.wMonth,
                  day.wDay);
    return folder + relative;
}

bool Exists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

int MinuteOfDay(const SYSTEMTIME& time)
{
    return time.wHour * 60 + time.wMinute;
}

class TarveloProgramTest : public testing::Test {
protected:
    void SetUp() override { KillRunningPrograms(); }

    // Waits for the first record of the day (either day, should midnight fall between) and
    // returns the log's bytes.
    std::string WaitForFirstRecord(const CProgramDriver& program)
    {
        std::string log;
        WaitUntil([&] {
            SYSTEMTIME now;
            GetLocalTime(&now);
            log = ReadFileBytes(LogPathOn(program.Folder(), now));
            if (log.empty())
                log = ReadFileBytes(LogPathOn(program.Folder(), m_started));
            return log.size() >= 7;
        });
        return log;
    }

    // Starts the program in its folder and waits for its window and its first record.
    std::string StartAndWaitForFirstRecord(CProgramDriver& program)
    {
        GetLocalTime(&m_started);
        EXPECT_TRUE(program.StartAndWaitForWindow());
        return WaitForFirstRecord(program);
    }

    // Expects one record "HHMM" + letter + CR LF taken between the start and now.
    void ExpectOneRecord(const std::string& log, char letter)
    {
        SYSTEMTIME now;
        GetLocalTime(&now);
        ASSERT_EQ(log.size(), 7u) << log;
        EXPECT_EQ(log.substr(4), std::string(1, letter) + "\r\n");
        const int hour = std::atoi(log.substr(0, 2).c_str());
        const int minute = std::atoi(log.substr(2, 2).c_str());
        const int recorded = hour * 60 + minute;
        const int first = MinuteOfDay(m_started);
        const int last = MinuteOfDay(now);
        if (first <= last)
            EXPECT_TRUE(recorded >= first && recorded <= last) << log;
        else  // midnight passed
            EXPECT_TRUE(recorded >= first || recorded <= last) << log;
    }

    SYSTEMTIME m_started = {};
};

TEST_F(TarveloProgramTest, FirstStartStoresSettingsBesideTheProgramAndRecordsAtOnce)
{
    CTempFolder folder;
    CProgramDriver program(folder.Path());

    const std::string log = StartAndWaitForFirstRecord(program);

    ExpectOneRecord(log, 'A');
    const std::string ini = ReadFileBytes(program.InFolder("Tarvelo.ini"));
    EXPECT_NE(ini.find("[SETTING]\r\n"), std::string::npos) << ini;
    EXPECT_NE(ini.find("\r\nRECORD_PATH=" + folder.Path() + "\r\n"), std::string::npos) << ini;
    EXPECT_NE(ini.find("\r\nINTERVAL=5\r\n"), std::string::npos) << ini;
    EXPECT_TRUE(HasTrayIcon(program.FindMainWindow()));
}

TEST_F(TarveloProgramTest, SampleTakenWhileAScreenSaverRunsCarriesS)
{
    CTempFolder folder;
    // Any program started from a file named *.scr counts as a screen saver: the idle helper built
    // beside the tests, copied under such a name, runs as one.
    CProgramDriver saver(folder.Path(), "screen_saver_helper.exe", "saver.scr");
    ASSERT_TRUE(saver.Start());
    ASSERT_TRUE(WaitUntil([] { return CScreenSaverDetector().IsScreenSaverRunning(); }));
    CTempFolder programFolder;
    CProgramDriver program(programFolder.Path());

    const std::string log = StartAndWaitForFirstRecord(program);

    ExpectOneRecord(log, 'S');
}

TEST_F(TarveloProgramTest, SecondStartSaysAlreadyRunningAndEndsWithMinusOne)
{
    CTempFolder firstFolder;
    CTempFolder secondFolder;
    CProgramDriver first(firstFolder.Path());
    CProgramDriver second(secondFolder.Path());
    ASSERT_TRUE(first.StartAndWaitForWindow());
    const HWND firstWindow = first.FindMainWindow();

    ASSERT_TRUE(second.Start());
    std::vector<HWND> boxes;
    ASSERT_TRUE(WaitUntil([&] { return !(boxes = second.FindVisibleWindows(DIALOG_CLASS)).empty(); }));

    EXPECT_EQ(GetWindowTextString(boxes[0]), L"Tarvelo");
    const std::vector<std::wstring> texts = GetChildTexts(boxes[0]);
    EXPECT_NE(std::find(texts.begin(), texts.end(), L"すでに起動しています。"), texts.end());
    EXPECT_TRUE(second.IsRunning()) << "the box waits for an answer";
    ASSERT_TRUE(SendWithDeadline(GetDlgItem(boxes[0], IDOK), BM_CLICK, 0, 0));
    DWORD exitCode = 0;
    ASSERT_TRUE(second.WaitForExit(exitCode));
    EXPECT_EQ(exitCode, static_cast<DWORD>(-1));
    EXPECT_TRUE(first.IsRunning());
    EXPECT_EQ(first.FindMainWindow(), firstWindow);
    EXPECT_TRUE(HasTrayIcon(firstWindow));
    EXPECT_FALSE(Exists(second.InFolder("Tarvelo.ini"))) << "the refused start writes nothing";
    EXPECT_FALSE(Exists(second.InFolder("data")));
}

TEST_F(TarveloProgramTest, ExitCommandEndsWithZeroAndAddsNoRecord)
{
    CTempFolder folder;
    CProgramDriver program(folder.Path());
    const std::string log = StartAndWaitForFirstRecord(program);
    ASSERT_EQ(log.size(), 7u);
    const HWND window = program.FindMainWindow();

    ASSERT_TRUE(SendWithDeadline(window, WM_COMMAND, ID_MENU_EXIT, 0));
    DWORD exitCode = 1;
    ASSERT_TRUE(program.WaitForExit(exitCode));

    EXPECT_EQ(exitCode, 0u);
    EXPECT_EQ(WaitForFirstRecord(program), log);
    EXPECT_FALSE(IsWindow(window));
}

TEST_F(TarveloProgramTest, ShellRestartBroadcastAddsTheIconAgain)
{
    CTempFolder folder;
    CProgramDriver program(folder.Path());
    ASSERT_TRUE(program.StartAndWaitForWindow());
    const HWND window = program.FindMainWindow();
    ASSERT_TRUE(WaitUntil([&] { return HasTrayIcon(window); }));
    // A restarted shell has forgotten every icon: take ours away as the restart would.
    ASSERT_TRUE(DeleteTrayIcon(window));
    ASSERT_FALSE(HasTrayIcon(window));

    PostMessageW(HWND_BROADCAST, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);

    EXPECT_TRUE(WaitUntil([&] { return HasTrayIcon(window); }));
}

TEST_F(TarveloProgramTest, OnlyReleasingTheRightButtonOverTheIconOpensTheMenuAtTheCursor)
{
    CTempFolder folder;
    CProgramDriver program(folder.Path());
    ASSERT_TRUE(program.StartAndWaitForWindow());
    const HWND window = program.FindMainWindow();
    SetCursorPos(200, 150);

    for (const UINT mouse : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_RBUTTONDOWN, WM_MOUSEMOVE}) {
        // A sent message returns only once handled, so a menu would be open by then.
        PostMessageW(window, WM_TRAYNOTIFY, 0, mouse);
        ASSERT_TRUE(SendWithDeadline(window, WM_NULL, 0, 0));
        EXPECT_TRUE(program.FindVisibleWindows(MENU_CLASS).empty()) << "mouse message " << mouse;
    }

    PostMessageW(window, WM_TRAYNOTIFY, 0, WM_RBUTTONUP);
    std::vector<HWND> menus;
    ASSERT_TRUE(WaitUntil([&] { return !(menus = program.FindVisibleWindows(MENU_CLASS)).empty(); }));
    RECT menu;
    GetWindowRect(menus[0], &menu);
    EXPECT_EQ(menu.left, 200);
    EXPECT_EQ(menu.top, 150);
}

TEST_F(TarveloProgramTest, AboutChosenTwiceShowsOneBoxWithTheVersionAndFocusesIt)
{
    CTempFolder folder;
    CProgramDriver program(folder.Path());
    ASSERT_TRUE(program.StartAndWaitForWindow());
    const HWND window = program.FindMainWindow();

    PostMessageW(window, WM_COMMAND, ID_MENU_ABOUT, 0);
    std::vector<HWND> boxes;
    ASSERT_TRUE(WaitUntil([&] { return !(boxes = program.FindVisibleWindows(DIALOG_CLASS)).empty(); }));
    const HWND about = boxes[0];
    PostMessageW(window, WM_COMMAND, ID_MENU_ABOUT, 0);
    ASSERT_TRUE(SendWithDeadline(window, WM_NULL, 0, 0));

    EXPECT_EQ(program.FindVisibleWindows(DIALOG_CLASS), std::vector<HWND>{about});
    EXPECT_EQ(GetWindowTextString(about), L"Tarvelo");
    const std::vector<std::wstring> texts = GetChildTexts(about);
    EXPECT_NE(std::find(texts.begin(), texts.end(), L"Tarvelo Version 1.0.3"), texts.end());
    GUITHREADINFO thread = {};
    thread.cbSize = sizeof thread;
    ASSERT_TRUE(GetGUIThreadInfo(GetWindowThreadProcessId(about, nullptr), &thread));
    EXPECT_EQ(thread.hwndActive, about);

    // Ending the program while the box is open takes the box with it.
    PostMessageW(window, WM_COMMAND, ID_MENU_EXIT, 0);
    DWORD exitCode = 1;
    ASSERT_TRUE(program.WaitForExit(exitCode));
    EXPECT_EQ(exitCode, 0u);
}

}  // namespace
