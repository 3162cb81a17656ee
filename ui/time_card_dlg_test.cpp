#include "ui/time_card_dlg.h"

#include <gtest/gtest.h>

#include "app/settings.h"
#include "platform/file_system.h"
#include "tests/fixed_clock.h"
#include "tests/memory_controls.h"
#include "tests/temp_folder.h"
#include "timecard/month_assembly.h"
#include "ui/dialog_texts.h"
#include "ui/month_folders.h"

namespace {

using Answer = IMessageBox::Answer;

// A record folder with logs for July 2008 and, when asked, a time-card file; "now" is
// 2008-07-15 10:00, so the 15th is today.
class TimeCardDlgTest : public testing::Test {
public:
    TimeCardDlgTest()
    {
        m_editRemarks.m_onNotify = [this] { m_dlg.OnChangeRemarks(); };
        m_dtpClockIn.m_onNotify = [this] { m_dlg.OnTimeChange(); };
        m_dtpClockOut.m_onNotify = [this] { m_dlg.OnTimeChange(); };
        m_listDays.m_outerWidth = 600;
        m_dlg.Attach(m_window, CTimeCardDlg::Controls{m_cmbMonth, m_listDays, m_editDate, m_dtpClockIn, m_dtpClockOut,
                                                      m_editRemarks, m_btnSave, m_btnCancelUpdates, m_btnClose,
                                                      m_btnLoad, m_btnApply});
        WriteTestFile(m_profile.GetPath(), "[SETTING]\r\nRECORD_PATH=" + m_temp.Path() +
                                               "\r\nSHOW_THIS_MONTH=0\r\n[DEFAULT]\r\nWORK_START_HHMM=09:30\r\n"
                                               "WORK_END_HHMM=18:30\r\n");
        for (const char* month : {"200806", "200807"})
            AddLog(month, "0101", "");
        AddLog("200807", "0701", "0855S\r\n0900A\r\n1230A\r\n1800S\r\n");
        AddLog("200807", "0715", "0912A\r\n0930A\r\n");
        AddLog("200807", "0716", "0800A\r\n");
    }

    void AddLog(const std::string& month, const std::string& day, const std::string& lines)
    {
        CreateFolder(m_temp / "data");
        CreateFolder(m_temp / ("data\\" + month));
        if (!lines.empty())
            WriteTestFile(m_temp / ("data\\" + month + "\\" + day + ".log"), lines);
    }
    std::string TimeCardFile() const { return ReadTestFile(m_temp / "data\\200807.tsv"); }
    void SetTimeCardFile(const std::string& text) { WriteTestFile(m_temp / "data\\200807.tsv", text); }

    // Opens the dialog and loads July 2008 (the top of the combo).
    void OpenAndLoad()
    {
        ASSERT_TRUE(m_dlg.OnInitDialog());
        m_dlg.OnLoad();
        ASSERT_EQ(m_listDays.GetItemCount(), 31);
    }
    // The user clicks row (0 = day 1).
    void ClickRow(int row)
    {
        m_listDays.Select(row);
        m_dlg.OnClickDayList();
    }
    // The user sets both pickers and presses 反映 on the row.
    void ApplyTimes(int row, int inHour, int inMinute, int outHour, int outMinute)
    {
        ClickRow(row);
        m_dtpClockIn.UserSetTime(inHour, inMinute);
        m_dtpClockOut.UserSetTime(outHour, outMinute);
        m_dlg.OnApply();
    }

    CTempFolder m_temp;
    CProfileStore m_profile{m_temp / "Tarvelo.ini"};
    CFixedClock m_clock{{2008, 7, 15, 10, 0, 0}};
    CMemoryMessageBox m_messages;
    CMemoryDialogWindow m_window;
    CMemoryFocus m_focus;
    CMemoryComboBox m_cmbMonth{m_focus};
    CMemoryListView m_listDays{m_focus};
    CMemoryEdit m_editDate{m_focus};
    CMemoryDateTimePicker m_dtpClockIn{m_focus};
    CMemoryDateTimePicker m_dtpClockOut{m_focus};
    CMemoryEdit m_editRemarks{m_focus};
    CMemoryButton m_btnSave{m_focus};
    CMemoryButton m_btnCancelUpdates{m_focus};
    CMemoryButton m_btnClose{m_focus};
    CMemoryButton m_btnLoad{m_focus};
    CMemoryButton m_btnApply{m_focus};
    CTimeCardDlg m_dlg{m_profile, m_messages, m_clock};
};

}  // namespace

TEST(MonthFolders, AcceptOnlySixCharacterNamesOfAPositiveNumberEndingInAMonth)
{
    const struct {
        const char* name;
        bool accepted;
    } cases[] = {
        {"200807", true}, {"200812", true}, {"200801", true}, {"1a2b05", true}, {"200800", false},
        {"200813", false}, {"20087", false}, {"2008070", false}, {"abcd07", false}, {"000007", true},
        {"-00107", false}, {"000000", false}, {"2008 7", true}, {"2008.7", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsMonthFolderName(c.name), c.accepted) << c.name;
}

TEST(MonthFolders, ListsLabelsNewestFirstAndSkipsFilesAndOtherNames)
{
    CTempFolder temp;
    ASSERT_TRUE(CreateFolder(temp / "data"));
    for (const char* name : {"200807", "200712", "200806", "200813", "abcd07", "1a2b05"})
        ASSERT_TRUE(CreateFolder(temp / (std::string("data\\") + name)));
    WriteTestFile(temp / "data\\200808", "a file");
    EXPECT_EQ(ListMonthLabels(temp.Path()),
              (std::vector<std::string>{"2008年07月", "2008年06月", "2007年12月", "1a2b年05月"}));
    EXPECT_TRUE(ListMonthLabels(temp / "missing").empty());
}

TEST_F(TimeCardDlgTest, OpeningFillsTheComboAndSetsUpAnEmptyDialog)
{
    ASSERT_TRUE(m_dlg.OnInitDialog());
    EXPECT_EQ(m_cmbMonth.m_items, (std::vector<std::string>{"2008年07月", "2008年06月"}));
    EXPECT_EQ(m_cmbMonth.GetCurSel(), 0);
    EXPECT_EQ(m_listDays.GetItemCount(), 0);
    ASSERT_EQ(m_listDays.m_columns.size(), 8u);
    EXPECT_EQ(m_listDays.m_columns[0].heading, "日付");
    EXPECT_EQ(m_listDays.m_columns[7].heading, "備考");
    EXPECT_EQ(m_listDays.m_columns[7].width, 600 - 374);
    EXPECT_TRUE(m_listDays.m_bReportStyle);
    EXPECT_FALSE(m_btnSave.IsEnabled());
    EXPECT_FALSE(m_btnCancelUpdates.IsEnabled());
    EXPECT_FALSE(m_btnApply.IsEnabled());
    EXPECT_EQ(m_dtpClockIn.m_format, "HH:mm");
    EXPECT_EQ(m_profile.ReadInt(SETTING, SHOW_THIS_MONTH, -1), 0);
}

TEST_F(TimeCardDlgTest, ColumnWidthsFollowTheDisplaysDpi)
{
    m_listDays.m_dpi = 144;
    m_listDays.m_outerWidth = 900;
    ASSERT_TRUE(m_dlg.OnInitDialog());
    EXPECT_EQ(m_listDays.GetColumnWidth(0), 120);
    EXPECT_EQ(m_listDays.GetColumnWidth(3), 60);
    EXPECT_EQ(m_listDays.GetColumnWidth(7), 900 - 561);
}

TEST_F(TimeCardDlgTest, LogColumnsAreTheGreyOnes)
{
    for (int column = 0; column < 8; ++column)
        EXPECT_EQ(CTimeCardDlg::IsGreyColumn(column), column >= 3 && column <= 6) << column;
}

TEST_F(TimeCardDlgTest, ShowThisMonthLoadsTheTopMonthAtOpening)
{
    for (const int value : {0, 1, 2}) {
        m_profile.WriteInt(SETTING, SHOW_THIS_MONTH, value);
        CMemoryComboBox combo{m_focus};
        CMemoryListView list{m_focus};
        CTimeCardDlg dlg{m_profile, m_messages, m_clock};
        dlg.Attach(m_window, CTimeCardDlg::Controls{combo, list, m_editDate, m_dtpClockIn, m_dtpClockOut, m_editRemarks,
                                                    m_btnSave, m_btnCancelUpdates, m_btnClose, m_btnLoad, m_btnApply});
        ASSERT_TRUE(dlg.OnInitDialog());
        EXPECT_EQ(list.GetItemCount(), value == 1 ? 31 : 0) << value;
        EXPECT_TRUE(m_messages.m_shown.empty());
    }
}

TEST_F(TimeCardDlgTest, LoadShowsTheMonthAndWritesItsFileAtOnce)
{
    OpenAndLoad();
    EXPECT_EQ(m_listDays.GetItemText(0, 0), "07月01日(火)");
    // A past day takes the log's start and stop as its clock-in and clock-out; today does not.
    EXPECT_EQ(m_listDays.m_rows[0], (std::vector<std::string>{"07月01日(火)", "09:00", "12:30", "08:55", "09:00",
                                                                "12:30", "18:00", ""}));
    EXPECT_EQ(m_listDays.GetItemText(14, 1), "");
    EXPECT_EQ(m_listDays.GetItemText(14, 4), "09:12");
    EXPECT_TRUE(m_focus.m_pFocused == &m_btnClose);
    EXPECT_FALSE(m_btnSave.IsEnabled());
    const std::string file = TimeCardFile();
    EXPECT_EQ(file.substr(0, file.find('\n') + 1), "2008/07/01\t09:00\t12:30\t08:55\t09:00\t12:30\t18:00\t\r\n");
    EXPECT_EQ(m_dlg.GetData().GetClockIn(0), "09:00");
}

TEST_F(TimeCardDlgTest, LoadWithChangesAsksFirst)
{
    OpenAndLoad();
    ApplyTimes(1, 9, 0, 18, 0);
    ASSERT_TRUE(m_btnSave.IsEnabled());

    m_messages.m_answers = {Answer::No};
    m_dlg.OnLoad();
    EXPECT_EQ(m_messages.m_shown.back().text, kDiscardChangesQuestion);
    EXPECT_EQ(m_listDays.GetItemText(1, 1), "09:00");
    EXPECT_TRUE(m_dlg.IsModified());

    m_messages.m_answers = {Answer::Yes};
    m_dlg.OnLoad();
    EXPECT_EQ(m_listDays.GetItemText(1, 1), "");
    EXPECT_FALSE(m_dlg.IsModified());
    EXPECT_FALSE(m_btnSave.IsEnabled());
    EXPECT_FALSE(m_btnCancelUpdates.IsEnabled());
}

TEST_F(TimeCardDlgTest, ClickingARowFillsThePanelWithApplyDisabled)
{
    OpenAndLoad();
    SetTimeCardFile("");
    ClickRow(0);
    EXPECT_EQ(m_editDate.GetText(), "07月01日(火)");
    EXPECT_EQ(m_dtpClockIn.GetTime().FormatHourMinute(), "09:00");
    EXPECT_EQ(m_dtpClockOut.GetTime().FormatHourMinute(), "12:30");
    EXPECT_FALSE(m_btnApply.IsEnabled());

    // A change while a day is shown enables 反映; the same with the panel empty does not.
    m_editRemarks.SetText("通院");
    EXPECT_TRUE(m_btnApply.IsEnabled());
    ClickRow(-1);
    EXPECT_EQ(m_editDate.GetText(), "");
    EXPECT_EQ(m_dtpClockIn.GetTime().FormatHourMinute(), "00:00");
    m_dtpClockIn.UserSetTime(8, 0);
    EXPECT_FALSE(m_btnApply.IsEnabled());
}

TEST_F(TimeCardDlgTest, ApplyWritesTimesOnlyOnPastDaysAndRemarksOnAnyDay)
{
    OpenAndLoad();
    const struct {
        const char* name;
        int row;
        int inHour, inMinute, outHour, outMinute;
        const char* in;
        const char* out;
    } cases[] = {
        {"a past day", 1, 9, 30, 18, 30, "09:30", "18:30"},
        {"clock-out before clock-in is kept", 2, 18, 0, 9, 0, "18:00", "09:00"},
        {"equal times empty both", 0, 12, 0, 12, 0, "", ""},
        {"today keeps its times", 14, 8, 0, 17, 0, "", ""},
        {"a later day keeps its times", 15, 9, 0, 17, 0, "08:00", "08:00"},
    };
    for (const auto& c : cases) {
        ClickRow(c.row);
        m_dtpClockIn.UserSetTime(c.inHour, c.inMinute);
        m_dtpClockOut.UserSetTime(c.outHour, c.outMinute);
        m_editRemarks.SetText(std::string("メモ") + c.name);
        m_dlg.OnApply();
        EXPECT_EQ(m_listDays.GetItemText(c.row, 1), c.in) << c.name;
        EXPECT_EQ(m_listDays.GetItemText(c.row, 2), c.out) << c.name;
        EXPECT_EQ(m_listDays.GetItemText(c.row, 7), std::string("メモ") + c.name) << c.name;
        EXPECT_EQ(m_dlg.GetData().GetClockIn(c.row), c.in) << c.name;
        EXPECT_EQ(m_dlg.GetData().GetClockOut(c.row), c.out) << c.name;
        EXPECT_EQ(m_dlg.GetData().GetRemarks(c.row), std::string("メモ") + c.name) << c.name;
        EXPECT_TRUE(m_dlg.IsModified()) << c.name;
        EXPECT_TRUE(m_btnSave.IsEnabled()) << c.name;
        EXPECT_FALSE(m_btnApply.IsEnabled()) << c.name;
    }
}

TEST_F(TimeCardDlgTest, RemarksWithTabsOrLineBreaksAreStoredWithBlanks)
{
    OpenAndLoad();
    ClickRow(3);
    m_editRemarks.SetText("午前\t休\r\n了");
    m_dlg.OnApply();
    EXPECT_EQ(m_listDays.GetItemText(3, 7), "午前 休  了");
    m_dlg.OnSave();
    CTimeCardData reread;
    ASSERT_TRUE(reread.SetPath(m_temp / "data\\200807.tsv"));
    ASSERT_TRUE(reread.ReadMonth());
    EXPECT_EQ(reread.GetRemarks(3), "午前 休  了");
}

TEST_F(TimeCardDlgTest, TimeButtonsSetThePickersFromDefaultsAndLogColumns)
{
    OpenAndLoad();
    ClickRow(0);
    const struct {
        const char* name;
        void (CTimeCardDlg::*handler)();
        CMemoryDateTimePicker& picker;
        const char* time;
    } cases[] = {
        {"基準時刻 in", &CTimeCardDlg::OnSetClockInDefault, m_dtpClockIn, "09:30"},
        {"起動", &CTimeCardDlg::OnSetClockInStartup, m_dtpClockIn, "08:55"},
        {"開始", &CTimeCardDlg::OnSetClockInStart, m_dtpClockIn, "09:00"},
        {"基準時刻 out", &CTimeCardDlg::OnSetClockOutDefault, m_dtpClockOut, "18:30"},
        {"停止", &CTimeCardDlg::OnSetClockOutStop, m_dtpClockOut, "12:30"},
        {"終了", &CTimeCardDlg::OnSetClockOutEnd, m_dtpClockOut, "18:00"},
    };
    for (const auto& c : cases) {
        m_btnApply.Enable(false);
        (m_dlg.*c.handler)();
        EXPECT_EQ(c.picker.GetTime().FormatHourMinute(), c.time) << c.name;
        EXPECT_TRUE(m_btnApply.IsEnabled()) << c.name;
    }
    // A day without a log sets 00:00; with no day shown, 反映 stays disabled.
    ClickRow(5);
    m_dlg.OnSetClockInStartup();
    EXPECT_EQ(m_dtpClockIn.GetTime().FormatHourMinute(), "00:00");
    ClickRow(-1);
    m_dlg.OnSetClockOutDefault();
    EXPECT_EQ(m_dtpClockOut.GetTime().FormatHourMinute(), "18:30");
    EXPECT_FALSE(m_btnApply.IsEnabled());
}

TEST_F(TimeCardDlgTest, SaveWritesTheLoadedMonthEvenWithAnotherPicked)
{
    OpenAndLoad();
    ApplyTimes(1, 9, 0, 18, 0);
    m_cmbMonth.SetCurSel(1);
    m_dlg.OnSave();
    EXPECT_EQ(m_cmbMonth.GetCurSel(), 0);
    EXPECT_NE(TimeCardFile().find("2008/07/02\t09:00\t18:00\t"), std::string::npos);
    EXPECT_FALSE(m_dlg.IsModified());
    EXPECT_FALSE(m_btnSave.IsEnabled());
    EXPECT_TRUE(m_focus.m_pFocused == &m_btnClose);
    EXPECT_TRUE(m_messages.m_shown.empty());
}

TEST_F(TimeCardDlgTest, AFailedSaveSaysSoAndKeepsTheChanges)
{
    OpenAndLoad();
    ApplyTimes(1, 9, 0, 18, 0);
    const std::string before = TimeCardFile();
    // A folder where the temporary file must go makes the save fail.
    ASSERT_TRUE(CreateFolder(m_temp / "data\\200807.tsv.tmp"));
    m_messages.m_answers = {Answer::Ok};
    m_dlg.OnSave();
    ASSERT_EQ(m_messages.m_shown.size(), 1u);
    EXPECT_EQ(m_messages.m_shown[0].text, kSaveFailedMessage);
    EXPECT_EQ(m_messages.m_shown[0].icon, IMessageBox::Icon::Error);
    EXPECT_TRUE(m_dlg.IsModified());
    EXPECT_TRUE(m_btnSave.IsEnabled());
    EXPECT_EQ(TimeCardFile(), before);
}

TEST_F(TimeCardDlgTest, DiscardAsksAndReloadsOnOk)
{
    OpenAndLoad();
    ApplyTimes(1, 9, 0, 18, 0);
    m_messages.m_answers = {Answer::Cancel};
    m_dlg.OnCancelUpdates();
    EXPECT_EQ(m_messages.m_shown.back().text, kDiscardAllQuestion);
    EXPECT_EQ(m_listDays.GetItemText(1, 1), "09:00");
    EXPECT_TRUE(m_dlg.IsModified());

    m_messages.m_answers = {Answer::Ok};
    m_dlg.OnCancelUpdates();
    EXPECT_EQ(m_listDays.GetItemText(1, 1), "");
    EXPECT_EQ(m_editDate.GetText(), "");
    EXPECT_FALSE(m_dlg.IsModified());
    EXPECT_FALSE(m_btnCancelUpdates.IsEnabled());
}

TEST_F(TimeCardDlgTest, CloseAsksOnlyWithChanges)
{
    const struct {
        const char* name;
        bool change;
        std::deque<Answer> answers;
        bool ended;
        bool saved;
    } cases[] = {
        {"no change", false, {}, true, false},
        {"Yes saves and ends", true, {Answer::Yes}, true, true},
        {"No ends without saving", true, {Answer::No}, true, false},
        {"Cancel stays", true, {Answer::Cancel}, false, false},
    };
    for (const auto& c : cases) {
        CMemoryDialogWindow window;
        CMemoryMessageBox messages;
        CTimeCardDlg dlg{m_profile, messages, m_clock};
        dlg.Attach(window, CTimeCardDlg::Controls{m_cmbMonth, m_listDays, m_editDate, m_dtpClockIn, m_dtpClockOut,
                                                  m_editRemarks, m_btnSave, m_btnCancelUpdates, m_btnClose, m_btnLoad,
                                                  m_btnApply});
        m_editRemarks.m_onNotify = [&dlg] { dlg.OnChangeRemarks(); };
        m_cmbMonth.m_items.clear();
        ASSERT_TRUE(dlg.OnInitDialog());
        dlg.OnLoad();
        if (c.change) {
            m_listDays.Select(1);
            dlg.OnClickDayList();
            m_editRemarks.SetText("有給");
            dlg.OnApply();
        }
        messages.m_answers = c.answers;
        dlg.OnCancel();
        EXPECT_EQ(window.m_bEnded, c.ended) << c.name;
        if (c.ended) {
            EXPECT_EQ(window.m_result, 1) << c.name;
        }
        EXPECT_EQ(TimeCardFile().find("有給") != std::string::npos, c.saved) << c.name;
        EXPECT_EQ(messages.m_shown.size(), c.change ? 1u : 0u) << c.name;
        SetTimeCardFile("");
    }
}

TEST_F(TimeCardDlgTest, CloseWhoseSaveFailsKeepsTheDialogOpen)
{
    OpenAndLoad();
    ApplyTimes(1, 9, 0, 18, 0);
    ASSERT_TRUE(CreateFolder(m_temp / "data\\200807.tsv.tmp"));
    m_messages.m_answers = {Answer::Yes, Answer::Ok};
    m_dlg.OnCancel();
    EXPECT_FALSE(m_window.m_bEnded);
    EXPECT_EQ(m_messages.m_shown.back().text, kSaveFailedMessage);
    EXPECT_TRUE(m_dlg.IsModified());
    m_messages.m_answers = {Answer::No};
    m_dlg.OnCancel();
    EXPECT_TRUE(m_window.m_bEnded);
}

TEST_F(TimeCardDlgTest, EnterRoutesByTheFocusedControl)
{
    OpenAndLoad();
    // On the list: the selected row comes into the panel and the focus moves to the clock-in picker.
    m_listDays.Select(0);
    m_listDays.Focus();
    m_dlg.OnEnterKey();
    EXPECT_EQ(m_editDate.GetText(), "07月01日(火)");
    EXPECT_TRUE(m_dtpClockIn.HasFocus());
    // On a picker or the remarks, with an edit pending: 反映.
    m_editRemarks.SetText("直行");
    m_editRemarks.Focus();
    m_dlg.OnEnterKey();
    EXPECT_EQ(m_listDays.GetItemText(0, 7), "直行");
    EXPECT_FALSE(m_btnApply.IsEnabled());
    // 反映 disabled: Enter in the remarks does nothing.
    m_editRemarks.SetText("");
    m_btnApply.Enable(false);
    m_dlg.OnEnterKey();
    EXPECT_EQ(m_listDays.GetItemText(0, 7), "直行");
    // On the combo: a load, asking first since a change is unsaved.
    m_cmbMonth.Focus();
    m_messages.m_answers = {Answer::Yes};
    m_dlg.OnEnterKey();
    EXPECT_FALSE(m_dlg.IsModified());
    EXPECT_EQ(m_listDays.GetItemText(0, 7), "");
}

TEST_F(TimeCardDlgTest, ComputeSelectedDateReturnsTheComboToTheLoadedMonth)
{
    OpenAndLoad();
    m_cmbMonth.SetCurSel(1);
    ClickRow(24);
    EXPECT_EQ(m_cmbMonth.GetCurSel(), 0);
    // 25 July is a later day than 15 July: Apply leaves its times.
    m_dtpClockIn.UserSetTime(9, 0);
    m_dlg.OnApply();
    EXPECT_EQ(m_listDays.GetItemText(24, 1), "");
}

TEST_F(TimeCardDlgTest, AClickBeforeAnyLoadTouchesNoComboItem)
{
    ASSERT_TRUE(m_dlg.OnInitDialog());
    m_cmbMonth.SetCurSel(1);
    m_listDays.Focus();
    m_dlg.OnEnterKey();
    ClickRow(0);
    EXPECT_EQ(m_cmbMonth.GetCurSel(), 1);
    EXPECT_EQ(m_editDate.GetText(), "");
    EXPECT_FALSE(m_btnApply.IsEnabled());
}

TEST_F(TimeCardDlgTest, AReadFailureAnsweredNoLeavesNothingToSave)
{
    OpenAndLoad();
    ApplyTimes(1, 9, 0, 18, 0);
    SetTimeCardFile("2008/07/01\tbroken line\r\n");
    m_messages.m_answers = {Answer::Yes, Answer::No};
    m_dlg.OnLoad();
    EXPECT_EQ(m_messages.m_shown.back().text, kReadFailedQuestion);
    EXPECT_EQ(m_listDays.GetItemCount(), 0);
    EXPECT_FALSE(m_dlg.IsModified());
    EXPECT_FALSE(m_btnSave.IsEnabled());
    m_dlg.OnSave();
    m_dlg.OnCancel();
    EXPECT_TRUE(m_window.m_bEnded);
    EXPECT_EQ(TimeCardFile(), "2008/07/01\tbroken line\r\n");
}

TEST_F(TimeCardDlgTest, AReadFailureAnsweredYesShowsWhatWasReadAndKeepsABackup)
{
    SetTimeCardFile("2008/07/01\t08:50\t17:00\t\t\t\t\t出張\r\nbroken\r\n");
    ASSERT_TRUE(m_dlg.OnInitDialog());
    m_messages.m_answers = {Answer::Yes};
    m_dlg.OnLoad();
    EXPECT_EQ(m_listDays.GetItemText(0, 1), "08:50");
    EXPECT_EQ(m_listDays.GetItemText(0, 7), "出張");
    EXPECT_EQ(ReadTestFile(m_temp / "data\\200807.tsv.bak"), "2008/07/01\t08:50\t17:00\t\t\t\t\t出張\r\nbroken\r\n");
}
