// The Settings dialog of the real Tarvelo.exe, opened by its tray command and driven from outside;
// what it saved is read back from the INI file beside the program.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "res/resource.h"
#include "tests/program_driver_win32.h"
#include "tests/temp_folder.h"

namespace {

bool Contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

TEST(TarveloSettingsTest, SavesTheTypedIntervalWithTheTimesAndRefusesOneOutOfRange)
{
    KillRunningPrograms();
    CTempFolder folder;
    CProgramDriver program(folder.Path());
    const std::string iniPath = program.InFolder("Tarvelo.ini");
    WriteTestFile(iniPath, "[SETTING]\r\nINTERVAL=5\r\nSHOW_THIS_MONTH=0\r\n"
                           "[DEFAULT]\r\nWORK_START_HHMM=08:05\r\nWORK_END_HHMM=17:40\r\n");
    ASSERT_TRUE(program.StartAndWaitForWindow());
    const HWND dialog = program.OpenDialog(ID_MENU_SETTINGS, SETTINGS_CAPTION);
    ASSERT_NE(dialog, nullptr);
    const HWND interval = GetDlgItem(dialog, IDC_SETTING_EDIT_INTERVAL);
    EXPECT_EQ(GetWindowTextString(interval), L"5");
    // The time card cannot be opened meanwhile.
    ASSERT_TRUE(program.ChooseFromTrayMenu(L'c'));
    EXPECT_EQ(program.FindVisibleWindows(L"#32770"), std::vector<HWND>{dialog});

    ASSERT_TRUE(SendWithDeadline(interval, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"45")));
    // Posted: the handler waits in the message box until it is answered.
    PostMessageW(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
    const HWND box = program.WaitForDialog(L"Tarvelo");
    ASSERT_NE(box, nullptr);
    const std::vector<std::wstring> texts = GetChildTexts(box);
    EXPECT_NE(std::find(texts.begin(), texts.end(), L"記録間隔には1から30までの数を入力してください。"), texts.end());
    ASSERT_TRUE(SendWithDeadline(GetDlgItem(box, IDOK), BM_CLICK, 0, 0));
    ASSERT_TRUE(WaitUntil([&] { return program.FindDialog(L"Tarvelo") == nullptr; }));
    EXPECT_EQ(program.FindDialog(SETTINGS_CAPTION), dialog);
    EXPECT_TRUE(Contains(ReadFileBytes(iniPath), "\r\nINTERVAL=5\r\n"));

    ASSERT_TRUE(SendWithDeadline(interval, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"12")));
    ASSERT_TRUE(SendWithDeadline(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0));

    ASSERT_TRUE(WaitUntil([&] { return program.FindDialog(SETTINGS_CAPTION) == nullptr; }));
    const std::string ini = ReadFileBytes(iniPath);
    EXPECT_TRUE(Contains(ini, "\r\nINTERVAL=12\r\n")) << ini;
    EXPECT_TRUE(Contains(ini, "\r\nSHOW_THIS_MONTH=0\r\n")) << ini;
    EXPECT_TRUE(Contains(ini, "\r\nWORK_START_HHMM=08:05\r\n")) << ini;
    EXPECT_TRUE(Contains(ini, "\r\nWORK_END_HHMM=17:40\r\n")) << ini;
    EXPECT_TRUE(program.IsRunning());
}

}  // namespace
