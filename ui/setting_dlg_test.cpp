#include "ui/setting_dlg.h"

#include <gtest/gtest.h>

#include "app/settings.h"
#include "ui/dialog_texts.h"
#include "tests/memory_controls.h"
#include "tests/temp_folder.h"

namespace {

class SettingDlgTest : public testing::Test {
public:
    SettingDlgTest()
    {
        m_chkShowThisMonth.m_bCheckBox = true;
        // The message map: EN_CHANGE of the edit and clicks of the box count as changes, as do
        // the pickers' DTN_DATETIMECHANGE.
        m_editInterval.m_onNotify = [this] { m_dlg.OnChange(); };
        m_chkShowThisMonth.m_onNotify = [this] { m_dlg.OnChange(); };
        m_dtpClockIn.m_onNotify = [this] { m_dlg.OnTimeChange(); };
        m_dtpClockOut.m_onNotify = [this] { m_dlg.OnTimeChange(); };
        m_dlg.Attach(m_window, m_editInterval, m_spinInterval, m_dtpClockIn, m_dtpClockOut, m_chkShowThisMonth);
    }

    void SetIni(std::string_view text) { WriteTestFile(m_profile.GetPath(), text); }
    std::string IniText() const { return ReadTestFile(m_profile.GetPath()); }
    void Open() { ASSERT_TRUE(m_dlg.OnInitDialog()); }

    CTempFolder m_temp;
    CProfileStore m_profile{m_temp / "Tarvelo.ini"};
    CMemoryMessageBox m_messages;
    CMemoryDialogWindow m_window;
    CMemoryFocus m_focus;
    CMemoryEdit m_editInterval{m_focus};
    CMemorySpinButton m_spinInterval{m_editInterval};
    CMemoryDateTimePicker m_dtpClockIn{m_focus};
    CMemoryDateTimePicker m_dtpClockOut{m_focus};
    CMemoryButton m_chkShowThisMonth{m_focus};
    CSettingDlg m_dlg{m_profile, m_messages};
};

constexpr char kAllKeys[] =
    "[SETTING]\r\nINTERVAL=10\r\nSHOW_THIS_MONTH=1\r\n\r\n[DEFAULT]\r\nWORK_START_HHMM=08:05\r\nWORK_END_HHMM=17:40\r\n";

}  // namespace

TEST_F(SettingDlgTest, OpeningWithoutKeysStoresTheDefaultsAndShowsThem)
{
    Open();
    EXPECT_EQ(m_profile.ReadInt(SETTING, INTERVAL, -1), 5);
    EXPECT_EQ(m_profile.ReadInt(SETTING, SHOW_THIS_MONTH, -1), 0);
    EXPECT_EQ(m_profile.ReadString(DEFAULT, WORK_START_HHMM, ""), "09:30");
    EXPECT_EQ(m_profile.ReadString(DEFAULT, WORK_END_HHMM, ""), "18:30");
    EXPECT_EQ(m_editInterval.GetText(), "5");
    EXPECT_EQ(m_spinInterval.m_lower, 1);
    EXPECT_EQ(m_spinInterval.m_upper, 30);
    EXPECT_EQ(m_chkShowThisMonth.GetCheck(), 0);
    EXPECT_EQ(m_dtpClockIn.GetTime().FormatHourMinute(), "09:30");
    EXPECT_EQ(m_dtpClockOut.GetTime().FormatHourMinute(), "18:30");
    EXPECT_EQ(m_dtpClockIn.m_format, "HH:mm");
    EXPECT_EQ(m_dtpClockOut.m_format, "HH:mm");
}

TEST_F(SettingDlgTest, UntouchedDialogEndsWithZeroAndWritesNothing)
{
    for (const bool save : {true, false}) {
        SetIni(kAllKeys);
        CMemoryDialogWindow window;
        m_dlg.Attach(window, m_editInterval, m_spinInterval, m_dtpClockIn, m_dtpClockOut, m_chkShowThisMonth);
        Open();
        EXPECT_EQ(m_editInterval.GetText(), "10");
        EXPECT_EQ(m_chkShowThisMonth.GetCheck(), 1);
        save ? m_dlg.OnSaveSettings() : m_dlg.OnCancelSettings();
        EXPECT_TRUE(window.m_bEnded);
        EXPECT_EQ(window.m_result, 0);
        EXPECT_EQ(IniText(), kAllKeys);
        EXPECT_TRUE(m_messages.m_shown.empty());
    }
}

TEST_F(SettingDlgTest, EveryControlCountsAsAChangeAndSavingWritesAllFourKeys)
{
    const struct {
        const char* name;
        std::function<void(SettingDlgTest&)> change;
        const char* iniAfter;
    } cases[] = {
        {"typing in the interval", [](SettingDlgTest& t) { t.m_editInterval.SetText("12"); },
         "[SETTING]\r\nINTERVAL=12\r\nSHOW_THIS_MONTH=1\r\n\r\n[DEFAULT]\r\nWORK_START_HHMM=08:05\r\nWORK_END_HHMM=17:40\r\n"},
        {"the spinner's arrows", [](SettingDlgTest& t) { t.m_spinInterval.SetPos(11); },
         "[SETTING]\r\nINTERVAL=11\r\nSHOW_THIS_MONTH=1\r\n\r\n[DEFAULT]\r\nWORK_START_HHMM=08:05\r\nWORK_END_HHMM=17:40\r\n"},
        {"the clock-in picker", [](SettingDlgTest& t) { t.m_dtpClockIn.UserSetTime(7, 5); },
         "[SETTING]\r\nINTERVAL=10\r\nSHOW_THIS_MONTH=1\r\n\r\n[DEFAULT]\r\nWORK_START_HHMM=07:05\r\nWORK_END_HHMM=17:40\r\n"},
        {"the clock-out picker", [](SettingDlgTest& t) { t.m_dtpClockOut.UserSetTime(19, 0); },
         "[SETTING]\r\nINTERVAL=10\r\nSHOW_THIS_MONTH=1\r\n\r\n[DEFAULT]\r\nWORK_START_HHMM=08:05\r\nWORK_END_HHMM=19:00\r\n"},
        {"the check box toggled twice",
         [](SettingDlgTest& t) {
             t.m_chkShowThisMonth.Click();
             t.m_chkShowThisMonth.Click();
         },
         kAllKeys},
        {"the check box once", [](SettingDlgTest& t) { t.m_chkShowThisMonth.Click(); },
         "[SETTING]\r\nINTERVAL=10\r\nSHOW_THIS_MONTH=0\r\n\r\n[DEFAULT]\r\nWORK_START_HHMM=08:05\r\nWORK_END_HHMM=17:40\r\n"},
    };
    for (const auto& c : cases) {
        // All four keys are written even when only one changed: make the file differ in form
        // from what the writer produces, so that a write shows.
        SetIni("[SETTING]\r\nINTERVAL = 10\r\nSHOW_THIS_MONTH = 1\r\n\r\n[DEFAULT]\r\nWORK_START_HHMM = 0805\r\n"
               "WORK_END_HHMM = 17:40\r\n");
        CMemoryDialogWindow window;
        m_dlg.Attach(window, m_editInterval, m_spinInterval, m_dtpClockIn, m_dtpClockOut, m_chkShowThisMonth);
        Open();
        c.change(*this);
        m_dlg.OnSaveSettings();
        EXPECT_TRUE(window.m_bEnded) << c.name;
        EXPECT_EQ(window.m_result, 1) << c.name;
        EXPECT_EQ(IniText(), c.iniAfter) << c.name;
    }
}

TEST_F(SettingDlgTest, CancelAfterAChangeAsksAndYesWritesNothing)
{
    SetIni(kAllKeys);
    Open();
    m_editInterval.SetText("20");
    m_messages.m_answers = {IMessageBox::Answer::Yes};
    m_dlg.OnCancelSettings();
    ASSERT_EQ(m_messages.m_shown.size(), 1u);
    EXPECT_EQ(m_messages.m_shown[0].text, kDiscardChangesQuestion);
    EXPECT_EQ(m_messages.m_shown[0].buttons, IMessageBox::Buttons::YesNo);
    EXPECT_EQ(m_messages.m_shown[0].icon, IMessageBox::Icon::Question);
    EXPECT_TRUE(m_window.m_bEnded);
    EXPECT_EQ(m_window.m_result, 0);
    EXPECT_EQ(IniText(), kAllKeys);
}

TEST_F(SettingDlgTest, CancelAnsweredNoKeepsTheDialogAndItsValues)
{
    SetIni(kAllKeys);
    Open();
    m_editInterval.SetText("20");
    m_messages.m_answers = {IMessageBox::Answer::No};
    m_dlg.OnCancelSettings();
    EXPECT_FALSE(m_window.m_bEnded);
    EXPECT_EQ(m_editInterval.GetText(), "20");
    m_dlg.OnSaveSettings();
    EXPECT_EQ(m_window.m_result, 1);
    EXPECT_EQ(m_profile.ReadInt(SETTING, INTERVAL, -1), 20);
}

TEST_F(SettingDlgTest, AnIntervalTypedOutsideTheRangeIsRefusedAndNothingIsWritten)
{
    for (const char* typed : {"0", "45", "", "100000"}) {
        SetIni(kAllKeys);
        CMemoryDialogWindow window;
        CMemoryMessageBox messages;
        CSettingDlg dlg(m_profile, messages);
        m_editInterval.m_onNotify = [&dlg] { dlg.OnChange(); };
        dlg.Attach(window, m_editInterval, m_spinInterval, m_dtpClockIn, m_dtpClockOut, m_chkShowThisMonth);
        ASSERT_TRUE(dlg.OnInitDialog());
        m_editInterval.SetText(typed);
        messages.m_answers = {IMessageBox::Answer::Ok};
        dlg.OnSaveSettings();
        EXPECT_FALSE(window.m_bEnded) << typed;
        ASSERT_EQ(messages.m_shown.size(), 1u) << typed;
        EXPECT_EQ(messages.m_shown[0].text, kIntervalOutOfRangeMessage);
        EXPECT_TRUE(m_editInterval.HasFocus()) << typed;
        EXPECT_EQ(IniText(), kAllKeys) << typed;

        m_editInterval.SetText("30");
        dlg.OnSaveSettings();
        EXPECT_EQ(window.m_result, 1) << typed;
        EXPECT_EQ(m_profile.ReadInt(SETTING, INTERVAL, -1), 30) << typed;
    }
}

TEST_F(SettingDlgTest, AStoredIntervalOutsideTheRangeIsShownWithinItWithoutWriting)
{
    const struct {
        const char* stored;
        const char* shown;
    } cases[] = {{"0", "1"}, {"45", "30"}, {"abc", "1"}, {"30", "30"}, {"1", "1"}};
    for (const auto& c : cases) {
        const std::string ini = std::string("[SETTING]\r\nINTERVAL=") + c.stored +
                                "\r\nSHOW_THIS_MONTH=0\r\n[DEFAULT]\r\nWORK_START_HHMM=09:30\r\nWORK_END_HHMM=18:30\r\n";
        SetIni(ini);
        Open();
        EXPECT_EQ(m_editInterval.GetText(), c.shown) << c.stored;
        EXPECT_EQ(IniText(), ini) << c.stored;
    }
}

TEST_F(SettingDlgTest, ShowThisMonthOtherThanOneShowsClearAndIsSavedAsZero)
{
    SetIni("[SETTING]\r\nINTERVAL=5\r\nSHOW_THIS_MONTH=2\r\n");
    Open();
    EXPECT_EQ(m_chkShowThisMonth.GetCheck(), 0);
    EXPECT_EQ(m_profile.ReadInt(SETTING, SHOW_THIS_MONTH, -1), 2);
    m_editInterval.SetText("6");
    m_dlg.OnSaveSettings();
    EXPECT_EQ(m_profile.ReadInt(SETTING, SHOW_THIS_MONTH, -1), 0);
}

TEST_F(SettingDlgTest, AnInvalidStoredTimeLeavesThePickerAsItWas)
{
    SetIni("[SETTING]\r\nINTERVAL=5\r\nSHOW_THIS_MONTH=0\r\n[DEFAULT]\r\nWORK_START_HHMM=25:00\r\nWORK_END_HHMM=18:30\r\n");
    Open();
    EXPECT_EQ(m_dtpClockIn.GetTime().FormatHourMinute(), "00:00");
    m_dtpClockOut.UserSetTime(18, 45);
    m_dlg.OnSaveSettings();
    EXPECT_EQ(m_profile.ReadString(DEFAULT, WORK_START_HHMM, ""), "00:00");
    EXPECT_EQ(m_profile.ReadString(DEFAULT, WORK_END_HHMM, ""), "18:45");
}
