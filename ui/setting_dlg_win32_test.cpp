// The Settings dialog on real controls, under Wine or Windows.
#include "ui/setting_dlg_win32.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include "app/settings.h"
#include "tests/memory_controls.h"
#include "tests/temp_folder.h"
#include "res/resource.h"

namespace {

std::wstring ItemText(HWND dialog, int id)
{
    wchar_t text[64] = {};
    GetDlgItemTextW(dialog, id, text, 64);
    return text;
}

class SettingDlgWin32Test : public testing::Test {
protected:
    void SetUp() override
    {
        const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES | ICC_DATE_CLASSES};
        InitCommonControlsEx(&classes);
        WriteTestFile(m_profile.GetPath(),
                      "[SETTING]\r\nINTERVAL=10\r\nSHOW_THIS_MONTH=0\r\n[DEFAULT]\r\nWORK_START_HHMM=08:05\r\n"
                      "WORK_END_HHMM=17:40\r\n");
        ASSERT_TRUE(m_dlg.Create(nullptr));
    }

    CTempFolder m_temp;
    CProfileStore m_profile{m_temp / "Tarvelo.ini"};
    CMemoryMessageBox m_messages;
    CSettingDlgWin32 m_dlg{m_profile, m_messages};
};

}  // namespace

TEST_F(SettingDlgWin32Test, OpensWithTheStoredValues)
{
    const HWND dialog = m_dlg.GetHwnd();
    EXPECT_EQ(ItemText(dialog, IDC_SETTING_EDIT_INTERVAL), L"10");
    EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_SETTING_SHOW_THIS_MONTH), static_cast<UINT>(BST_UNCHECKED));
    SYSTEMTIME st{};
    ASSERT_EQ(SendDlgItemMessageW(dialog, IDC_SETTING_CLOCK_IN, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&st)),
              GDT_VALID);
    EXPECT_EQ(st.wHour, 8);
    EXPECT_EQ(st.wMinute, 5);
}

TEST_F(SettingDlgWin32Test, SavingAfterTypingWritesAllFourKeys)
{
    const HWND dialog = m_dlg.GetHwnd();
    SetDlgItemTextW(dialog, IDC_SETTING_EDIT_INTERVAL, L"12");
    SendDlgItemMessageW(dialog, IDC_SETTING_SHOW_THIS_MONTH, BM_CLICK, 0, 0);
    SendDlgItemMessageW(dialog, IDOK, BM_CLICK, 0, 0);
    ASSERT_TRUE(m_dlg.IsEnded());
    EXPECT_EQ(m_dlg.GetResult(), 1);
    EXPECT_EQ(m_profile.ReadInt(SETTING, INTERVAL, -1), 12);
    EXPECT_EQ(m_profile.ReadInt(SETTING, SHOW_THIS_MONTH, -1), 1);
    EXPECT_EQ(m_profile.ReadString(DEFAULT, WORK_START_HHMM, ""), "08:05");
    EXPECT_EQ(m_profile.ReadString(DEFAULT, WORK_END_HHMM, ""), "17:40");
}

TEST_F(SettingDlgWin32Test, AnIntervalOutsideTheRangeIsRefused)
{
    const HWND dialog = m_dlg.GetHwnd();
    for (const wchar_t* typed : {L"45", L"0", L""}) {
        SetDlgItemTextW(dialog, IDC_SETTING_EDIT_INTERVAL, typed);
        m_messages.m_answers = {IMessageBox::Answer::Ok};
        SendDlgItemMessageW(dialog, IDOK, BM_CLICK, 0, 0);
        EXPECT_FALSE(m_dlg.IsEnded());
    }
    EXPECT_EQ(m_messages.m_shown.size(), 3u);
    EXPECT_EQ(m_profile.ReadInt(SETTING, INTERVAL, -1), 10);
}

TEST_F(SettingDlgWin32Test, UntouchedCancelEndsWithZeroWithoutAQuestion)
{
    SendDlgItemMessageW(m_dlg.GetHwnd(), IDCANCEL, BM_CLICK, 0, 0);
    ASSERT_TRUE(m_dlg.IsEnded());
    EXPECT_EQ(m_dlg.GetResult(), 0);
    EXPECT_TRUE(m_messages.m_shown.empty());
}
