// The Time Card dialog on real controls, under Wine or Windows: load a month from a fixture
// folder, read the rows back from the list view, bring a day into the panel, apply and save.
#include "ui/time_card_dlg_win32.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include "app/settings.h"
#include "platform/file_system.h"
#include "platform/text_win32.h"
#include "res/resource.h"
#include "tests/fixed_clock.h"
#include "tests/memory_controls.h"
#include "tests/temp_folder.h"

namespace {

std::string ListText(HWND list, int row, int column)
{
    wchar_t text[128] = {};
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = 128;
    SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    return WideToCp932(text);
}

void Click(HWND dialog, int id)
{
    SendDlgItemMessageW(dialog, id, BM_CLICK, 0, 0);
}

class TimeCardDlgWin32Test : public testing::Test {
protected:
    void SetUp() override
    {
        const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES | ICC_DATE_CLASSES};
        InitCommonControlsEx(&classes);
        WriteTestFile(m_profile.GetPath(), "[SETTING]\r\nRECORD_PATH=" + m_temp.Path() + "\r\nSHOW_THIS_MONTH=0\r\n");
        ASSERT_TRUE(CreateFolder(m_temp / "data"));
        ASSERT_TRUE(CreateFolder(m_temp / "data\\200806"));
        ASSERT_TRUE(CreateFolder(m_temp / "data\\200807"));
        WriteTestFile(m_temp / "data\\200807\\0701.log", "0855S\r\n0900A\r\n1230A\r\n1800S\r\n");
        WriteTestFile(m_temp / "data\\200807.tsv", "2008/07/01\t\t\t\t\t\t\t\r\n2008/07/02\t08:50\t17:00\t\t\t\t\t出張\r\n");
        ASSERT_TRUE(m_dlg.Create(nullptr));
    }

    CTempFolder m_temp;
    CProfileStore m_profile{m_temp / "Tarvelo.ini"};
    CFixedClock m_clock{{2008, 7, 15, 10, 0, 0}};
    CMemoryMessageBox m_messages;
    CTimeCardDlgWin32 m_dlg{m_profile, m_messages, m_clock};
};

}  // namespace

TEST_F(TimeCardDlgWin32Test, LoadsAMonthIntoTheListView)
{
    const HWND dialog = m_dlg.GetHwnd();
    const HWND combo = GetDlgItem(dialog, IDC_COMBO_MONTH);
    ASSERT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), 0);
    Click(dialog, IDC_BUTTON_LOAD);

    const HWND list = GetDlgItem(dialog, IDC_LIST_DAYS);
    ASSERT_EQ(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), 31);
    const char* const day1[] = {"07月01日(火)", "09:00", "12:30", "08:55", "09:00", "12:30", "18:00", ""};
    for (int column = 0; column < 8; ++column)
        EXPECT_EQ(ListText(list, 0, column), day1[column]) << column;
    EXPECT_EQ(ListText(list, 1, 1), "08:50");
    EXPECT_EQ(ListText(list, 1, 7), "出張");
    EXPECT_EQ(ListText(list, 30, 0), "07月31日(木)");
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, IDC_BUTTON_SAVE)));
    // The load writes the month's file at once, with the log's times for the past days.
    const std::string file = ReadTestFile(m_temp / "data\\200807.tsv");
    EXPECT_EQ(file.substr(0, file.find('\n') + 1), "2008/07/01\t09:00\t12:30\t08:55\t09:00\t12:30\t18:00\t\r\n");
}

TEST_F(TimeCardDlgWin32Test, AppliesADayFromThePanelAndSavesIt)
{
    const HWND dialog = m_dlg.GetHwnd();
    Click(dialog, IDC_BUTTON_LOAD);
    const HWND list = GetDlgItem(dialog, IDC_LIST_DAYS);
    // Select the third row and tell the dialog of the click, as the list view would.
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list, LVM_SETITEMSTATE, 2, reinterpret_cast<LPARAM>(&state));
    SendMessageW(list, LVM_SETSELECTIONMARK, 0, 2);
    NMITEMACTIVATE click{};
    click.hdr.hwndFrom = list;
    click.hdr.idFrom = IDC_LIST_DAYS;
    click.hdr.code = NM_CLICK;
    click.iItem = 2;
    SendMessageW(dialog, WM_NOTIFY, IDC_LIST_DAYS, reinterpret_cast<LPARAM>(&click));

    wchar_t date[32] = {};
    GetDlgItemTextW(dialog, IDC_EDIT_DATE, date, 32);
    EXPECT_EQ(WideToCp932(date), "07月03日(木)");
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, IDC_BUTTON_APPLY)));

    Click(dialog, IDC_SET_CLOCK_IN_DEFAULT);
    Click(dialog, IDC_SET_CLOCK_OUT_DEFAULT);
    SetDlgItemTextW(dialog, IDC_EDIT_REMARKS, Cp932ToWide("在宅").c_str());
    ASSERT_TRUE(IsWindowEnabled(GetDlgItem(dialog, IDC_BUTTON_APPLY)));
    Click(dialog, IDC_BUTTON_APPLY);
    EXPECT_EQ(ListText(list, 2, 1), "09:30");
    EXPECT_EQ(ListText(list, 2, 2), "18:30");
    EXPECT_EQ(ListText(list, 2, 7), "在宅");
    ASSERT_TRUE(IsWindowEnabled(GetDlgItem(dialog, IDC_BUTTON_SAVE)));

    Click(dialog, IDC_BUTTON_SAVE);
    EXPECT_TRUE(m_messages.m_shown.empty());
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, IDC_BUTTON_SAVE)));
    const std::string file = ReadTestFile(m_temp / "data\\200807.tsv");
    EXPECT_NE(file.find("2008/07/03\t09:30\t18:30\t\t\t\t\t在宅\r\n"), std::string::npos) << file;
    EXPECT_NE(file.find("2008/07/02\t08:50\t17:00\t\t\t\t\t出張\r\n"), std::string::npos) << file;

    Click(dialog, IDC_BUTTON_CLOSE);
    EXPECT_TRUE(m_dlg.IsEnded());
}
