// The Time Card dialog of the real Tarvelo.exe, opened by its tray command and driven from outside
// over a small record folder: the list view is read through memory lent in the program's process,
// a row is clicked with the system's mouse input, and the month's file is checked byte for byte.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "res/resource.h"
#include "tests/program_driver_win32.h"
#include "tests/temp_folder.h"

namespace {

// February 2008: 29 days, the 1st a Friday.
constexpr int FEBRUARY_DAYS = 29;
const wchar_t* const WEEKDAYS[] = {L"金", L"土", L"日", L"月", L"火", L"水", L"木"};

std::vector<std::wstring> FebruaryRow(int day, std::vector<std::wstring> times, const wchar_t* remarks)
{
    wchar_t date[32];
    std::swprintf(date, 32, L"02月%02d日(%ls)", day, WEEKDAYS[(day - 1) % 7]);
    std::vector<std::wstring> row{date};
    row.insert(row.end(), times.begin(), times.end());
    row.push_back(remarks);
    return row;
}

std::string FebruaryLine(int day, const std::string& fields)
{
    char date[16];
    std::snprintf(date, sizeof date, "2008/02/%02d", day);
    return date + fields + "\r\n";
}

class TarveloTimeCardTest : public testing::Test {
protected:
    void SetUp() override
    {
        KillRunningPrograms();
        // The second byte of 表 is 0x5C, a backslash: the path must survive the INI and the program.
        const std::string record = m_folder / "勤務表";
        WriteTestFile(m_program.InFolder("Tarvelo.ini"),
                      "[SETTING]\r\nRECORD_PATH=" + record + "\r\nSHOW_THIS_MONTH=0\r\n"
                      "[DEFAULT]\r\nWORK_START_HHMM=08:45\r\nWORK_END_HHMM=17:15\r\n");
        ASSERT_TRUE(CreateFolder(record));
        ASSERT_TRUE(CreateFolder(record + "\\data"));
        ASSERT_TRUE(CreateFolder(record + "\\data\\200801"));
        ASSERT_TRUE(CreateFolder(record + "\\data\\200802"));
        WriteTestFile(record + "\\data\\200802\\0204.log", "0855S\r\n0900A\r\n1230A\r\n1800S\r\n");
        // One line per day from the 1st: a line's place, not its date, gives its day.
        std::string timeCard;
        for (int day = 1; day <= 4; ++day)
            timeCard += FebruaryLine(day, "\t\t\t\t\t\t\t");
        WriteTestFile(record + "\\data\\200802.tsv", timeCard + FebruaryLine(5, "\t08:50\t17:00\t\t\t\t\t出張"));
        m_timeCardPath = record + "\\data\\200802.tsv";
        ASSERT_TRUE(m_program.StartAndWaitForWindow());
    }

    // Opens the dialog by the tray command; null when it does not appear.
    HWND OpenTimeCard() { return m_program.OpenDialog(ID_MENU_TIMECARD, TIME_CARD_CAPTION); }

    // Picks February 2008 in the month combo and presses 読込. (The program records into the same
    // folder, so the current month is listed too.)
    static bool LoadFebruary(HWND dialog) { return LoadMonthInTimeCard(dialog, L"2008年02月"); }

    CTempFolder m_folder;
    CProgramDriver m_program{m_folder.Path()};
    std::string m_timeCardPath;
};

bool IsItemEnabled(HWND dialog, int id)
{
    return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE;
}

void ClickItem(HWND dialog, int id)
{
    ASSERT_TRUE(SendWithDeadline(GetDlgItem(dialog, id), BM_CLICK, 0, 0)) << id;
}

std::wstring ItemText(HWND dialog, int id)
{
    return GetWindowTextString(GetDlgItem(dialog, id));
}

TEST_F(TarveloTimeCardTest, OpensFromTheTrayWithItsEntriesGreyListsEditsAndSavesAMonth)
{
    const HWND dialog = OpenTimeCard();
    ASSERT_NE(dialog, nullptr);
    // Neither dialog can be opened from the tray meanwhile.
    ASSERT_TRUE(m_program.ChooseFromTrayMenu(L'c'));
    ASSERT_TRUE(m_program.ChooseFromTrayMenu(L's'));
    EXPECT_EQ(m_program.FindVisibleWindows(L"#32770"), std::vector<HWND>{dialog});

    ASSERT_TRUE(LoadFebruary(dialog));
    const CRemoteListView list(GetDlgItem(dialog, IDC_LIST_DAYS));
    ASSERT_TRUE(list.IsReady());

    ASSERT_EQ(list.GetItemCount(), 31);
    for (int row = 0; row < 31; ++row) {
        const int day = row + 1;
        std::vector<std::wstring> expected(8);
        if (day == 4)
            expected = FebruaryRow(day, {L"09:00", L"12:30", L"08:55", L"09:00", L"12:30", L"18:00"}, L"");
        else if (day == 5)
            expected = FebruaryRow(day, {L"08:50", L"17:00", L"", L"", L"", L""}, L"出張");
        else if (day <= FEBRUARY_DAYS)
            expected = FebruaryRow(day, {L"", L"", L"", L"", L"", L""}, L"");
        for (int column = 0; column < 8; ++column)
            EXPECT_EQ(list.GetItemText(row, column), expected[column]) << "row " << row << " column " << column;
    }

    RECT fourth;
    ASSERT_TRUE(list.GetItemScreenRect(3, fourth));
    ASSERT_TRUE(ClickOnScreen({fourth.left + 20, (fourth.top + fourth.bottom) / 2}));
    ASSERT_TRUE(WaitUntil([&] { return ItemText(dialog, IDC_EDIT_DATE) == L"02月04日(月)"; }));
    EXPECT_FALSE(IsItemEnabled(dialog, IDC_BUTTON_APPLY));

    ClickItem(dialog, IDC_SET_CLOCK_IN_DEFAULT);
    ClickItem(dialog, IDC_SET_CLOCK_OUT_DEFAULT);
    ASSERT_TRUE(SendWithDeadline(GetDlgItem(dialog, IDC_EDIT_REMARKS), WM_SETTEXT, 0,
                                 reinterpret_cast<LPARAM>(L"在宅勤務")));
    ASSERT_TRUE(IsItemEnabled(dialog, IDC_BUTTON_APPLY));
    ClickItem(dialog, IDC_BUTTON_APPLY);
    EXPECT_EQ(list.GetItemText(3, 1), L"08:45");
    EXPECT_EQ(list.GetItemText(3, 2), L"17:15");
    EXPECT_EQ(list.GetItemText(3, 7), L"在宅勤務");
    ASSERT_TRUE(IsItemEnabled(dialog, IDC_BUTTON_SAVE));

    ClickItem(dialog, IDC_BUTTON_SAVE);
    EXPECT_FALSE(IsItemEnabled(dialog, IDC_BUTTON_SAVE));
    EXPECT_FALSE(IsItemEnabled(dialog, IDC_BUTTON_CANCEL_UPDATES));
    std::string expectedFile;
    for (int day = 1; day <= FEBRUARY_DAYS; ++day) {
        if (day == 4)
            expectedFile += FebruaryLine(day, "\t08:45\t17:15\t08:55\t09:00\t12:30\t18:00\t在宅勤務");
        else if (day == 5)
            expectedFile += FebruaryLine(day, "\t08:50\t17:00\t\t\t\t\t出張");
        else
            expectedFile += FebruaryLine(day, "\t\t\t\t\t\t\t");
    }
    EXPECT_EQ(ReadFileBytes(m_timeCardPath), expectedFile);

    ClickItem(dialog, IDC_BUTTON_CLOSE);
    ASSERT_TRUE(WaitUntil([&] { return m_program.FindVisibleWindows(L"#32770").empty(); }));
    EXPECT_TRUE(m_program.IsRunning());
    ASSERT_TRUE(m_program.ChooseFromTrayMenu(L's'));
    EXPECT_NE(m_program.FindDialog(SETTINGS_CAPTION), nullptr) << "the entries are enabled again";
}

TEST_F(TarveloTimeCardTest, EnterOnTheListBringsTheSelectedRowIntoThePanel)
{
    const HWND dialog = OpenTimeCard();
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(LoadFebruary(dialog));
    const HWND listWindow = GetDlgItem(dialog, IDC_LIST_DAYS);
    ASSERT_TRUE(CRemoteListView(listWindow).SelectRow(4));
    ASSERT_TRUE(SendWithDeadline(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(listWindow), TRUE));

    PostMessageW(listWindow, WM_KEYDOWN, VK_RETURN, 0);

    ASSERT_TRUE(WaitUntil([&] { return ItemText(dialog, IDC_EDIT_DATE) == L"02月05日(火)"; }));
    EXPECT_EQ(ItemText(dialog, IDC_EDIT_REMARKS), L"出張");
    GUITHREADINFO thread = {};
    thread.cbSize = sizeof thread;
    ASSERT_TRUE(GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &thread));
    EXPECT_EQ(thread.hwndFocus, GetDlgItem(dialog, IDC_CLOCK_IN));
    EXPECT_FALSE(IsItemEnabled(dialog, IDC_BUTTON_APPLY));
    EXPECT_EQ(m_program.FindVisibleWindows(L"#32770"), std::vector<HWND>{dialog}) << "Enter does not end it";
}

}  // namespace
