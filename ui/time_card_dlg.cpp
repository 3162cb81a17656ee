#include "ui/time_card_dlg.h"

#include "app/settings.h"
#include "timecard/field_text.h"
#include "timecard/month_assembly.h"
#include "timecard/month_label.h"
#include "ui/dialog_texts.h"
#include "ui/month_folders.h"

namespace {

struct ColumnLayout {
    const char* heading;
    IListView::Align align;
    int width;  // pixels at 96 DPI
};

const ColumnLayout kColumns[DAY_LIST_COLUMNS] = {
    {"日付", IListView::Align::Left, 80},     {"出勤時刻", IListView::Align::Center, 65},
    {"退勤時刻", IListView::Align::Center, 65}, {"起動", IListView::Align::Center, 40},
    {"開始", IListView::Align::Center, 40},     {"停止", IListView::Align::Center, 40},
    {"終了", IListView::Align::Center, 40},     {"備考", IListView::Align::Left, 0},
};

// The remarks column takes the list's width less this (the other seven columns and the border).
constexpr int kWidthBesideRemarks = 374;

COleDateTime ZeroClockTime()
{
    COleDateTime time;
    time.SetDateTime(1899, 12, 30, 0, 0, 0);
    return time;
}

}  // namespace

CTimeCardDlg::CTimeCardDlg(CProfileStore& profile, IMessageBox& messages, const IClock& clock)
    : m_profile(profile), m_messages(messages), m_clock(clock)
{
}

void CTimeCardDlg::Attach(IDialogWindow& window, const Controls& controls)
{
    m_pWindow = &window;
    m_pCmbMonth = &controls.cmbMonth;
    m_pListDays = &controls.listDays;
    m_pEditDate = &controls.editDate;
    m_pDtpClockIn = &controls.dtpClockIn;
    m_pDtpClockOut = &controls.dtpClockOut;
    m_pEditRemarks = &controls.editRemarks;
    m_pBtnSave = &controls.btnSave;
    m_pBtnCancelUpdates = &controls.btnCancelUpdates;
    m_pBtnClose = &controls.btnClose;
    m_pBtnLoad = &controls.btnLoad;
    m_pBtnApply = &controls.btnApply;
}

bool CTimeCardDlg::OnInitDialog()
{
    FillMonthCombo();
    SetupDayList();
    m_pDtpClockIn->SetFormat("HH:mm");
    m_pDtpClockOut->SetFormat("HH:mm");
    ResetDayPanel();
    SetModified(false);
    RefreshDayPanel(false);
    if (GetShowThisMonth(m_profile) == 1)
        OnLoad();
    return true;
}

void CTimeCardDlg::FillMonthCombo()
{
    const std::vector<std::string> labels = ListMonthLabels(GetRecordPath(m_profile));
    for (size_t i = 0; i < labels.size(); ++i)
        m_pCmbMonth->InsertString(static_cast<int>(i), labels[i]);
    m_pCmbMonth->SetCurSel(0);
}

void CTimeCardDlg::SetupDayList()
{
    for (int column = 0; column < DAY_LIST_COLUMNS; ++column) {
        const ColumnLayout& layout = kColumns[column];
        const int width = column == COLUMN_REMARKS
                              ? m_pListDays->GetOuterWidth() - m_pListDays->ScaleForDpi(kWidthBesideRemarks)
                              : m_pListDays->ScaleForDpi(layout.width);
        m_pListDays->InsertColumn(column, layout.heading, layout.align, width);
    }
    m_pListDays->SetReportStyle();
}

void CTimeCardDlg::ResetDayPanel()
{
    m_pDtpClockIn->SetTime(ZeroClockTime());
    m_pDtpClockOut->SetTime(ZeroClockTime());
    m_pEditDate->SetText("");
    m_pEditRemarks->SetText("");
}

void CTimeCardDlg::RefreshDayPanel(bool enableApply)
{
    m_pBtnApply->Enable(enableApply);
    m_pEditDate->SetText(m_pListDays->GetItemText(m_pListDays->GetSelectionMark(), COLUMN_DATE));
}

void CTimeCardDlg::ComputeSelectedDate(int row)
{
    // Before the first load there is no loaded month to return to: leave the combo alone.
    if (m_monthIndex < 0 || m_monthIndex >= m_pCmbMonth->GetCount()) {
        m_selectedDate.SetStatus(COleDateTime::invalid);
        return;
    }
    SelectLoadedMonth();
    const YearMonth loaded = ReadMonthLabel(m_pCmbMonth->GetLBText(m_monthIndex));
    m_selectedDate.SetDateTime(loaded.year, loaded.month, row + 1, 0, 0, 0);
}

bool CTimeCardDlg::LoadMonth(bool saveAfter)
{
    if (m_pCmbMonth->GetCount() == 0)
        return true;
    m_pListDays->DeleteAllItems();
    ResetDayPanel();
    m_monthIndex = m_pCmbMonth->GetCurSel();
    const YearMonth month = ReadMonthLabel(m_pCmbMonth->GetLBText(m_monthIndex));
    const std::string recordFolder = GetRecordPath(m_profile);
    if (!ReadMonthFile(m_data, recordFolder, month.year, month.month) &&
        m_messages.Show(kReadFailedQuestion, IMessageBox::Buttons::YesNo, IMessageBox::Icon::Error) !=
            IMessageBox::Answer::Yes) {
        // The record holds only part of the month now: nothing may save it over the month's
        // file, and no change of the month shown before is left to save.
        m_data.SetPath("");
        SetModified(false);
        return false;
    }
    const LocalTime now = m_clock.Now();
    const MonthRows rows = AssembleMonth(m_data, recordFolder, month.year, month.month, now);
    for (int row = 0; row < CTimeCardData::kDays; ++row) {
        m_pListDays->InsertItem(row, rows[row][COLUMN_DATE]);
        for (int column = COLUMN_CLOCK_IN; column < DAY_LIST_COLUMNS; ++column)
            m_pListDays->SetItemText(row, column, rows[row][column]);
    }
    if (saveAfter)
        m_data.SaveMonth();
    return true;
}

void CTimeCardDlg::OnLoad()
{
    if (m_modified && m_messages.Show(kDiscardChangesQuestion, IMessageBox::Buttons::YesNo,
                                      IMessageBox::Icon::Question) != IMessageBox::Answer::Yes)
        return;
    if (!LoadMonth(true))
        return;
    SetModified(false);
    m_pBtnClose->Focus();
    RefreshDayPanel(false);
}

void CTimeCardDlg::OnClickDayList()
{
    ResetDayPanel();
    const int row = m_pListDays->GetSelectionMark();
    ComputeSelectedDate(row);
    m_pEditDate->SetText(m_pListDays->GetItemText(row, COLUMN_DATE));
    m_pDtpClockIn->SetTime(ParseClockTime(m_pListDays->GetItemText(row, COLUMN_CLOCK_IN)));
    m_pDtpClockOut->SetTime(ParseClockTime(m_pListDays->GetItemText(row, COLUMN_CLOCK_OUT)));
    m_pEditRemarks->SetText(m_pListDays->GetItemText(row, COLUMN_REMARKS));
    // Last: the texts set above may have enabled 反映 through their change notifications.
    RefreshDayPanel(false);
}

void CTimeCardDlg::OnTimeChange()
{
    if (!m_pEditDate->GetText().empty())
        m_pBtnApply->Enable(true);
}

void CTimeCardDlg::OnChangeRemarks()
{
    OnTimeChange();
}

void CTimeCardDlg::OnEnterKey()
{
    if (m_pListDays->HasFocus()) {
        OnClickDayList();
        m_pDtpClockIn->Focus();
    } else if (m_pCmbMonth->HasFocus()) {
        OnLoad();
    } else if (m_pBtnApply->IsEnabled() &&
               (m_pDtpClockIn->HasFocus() || m_pDtpClockOut->HasFocus() || m_pEditRemarks->HasFocus())) {
        OnApply();
    }
}

void CTimeCardDlg::SetPickerFromText(IDateTimePicker& picker, const std::string& text)
{
    picker.SetTime(ParseClockTime(text));
    if (!m_pEditDate->GetText().empty())
        RefreshDayPanel(true);
}

void CTimeCardDlg::SetPickerFromColumn(IDateTimePicker& picker, int column)
{
    SetPickerFromText(picker, m_pListDays->GetItemText(m_pListDays->GetSelectionMark(), column));
}

void CTimeCardDlg::OnSetClockInDefault() { SetPickerFromText(*m_pDtpClockIn, GetWorkStart(m_profile)); }
void CTimeCardDlg::OnSetClockInStartup() { SetPickerFromColumn(*m_pDtpClockIn, COLUMN_STARTUP); }
void CTimeCardDlg::OnSetClockInStart() { SetPickerFromColumn(*m_pDtpClockIn, COLUMN_START); }
void CTimeCardDlg::OnSetClockOutDefault() { SetPickerFromText(*m_pDtpClockOut, GetWorkEnd(m_profile)); }
void CTimeCardDlg::OnSetClockOutStop() { SetPickerFromColumn(*m_pDtpClockOut, COLUMN_STOP); }
void CTimeCardDlg::OnSetClockOutEnd() { SetPickerFromColumn(*m_pDtpClockOut, COLUMN_END); }

void CTimeCardDlg::OnApply()
{
    if (m_pEditDate->GetText().empty())
        return;
    const int row = m_pListDays->GetSelectionMark();
    ComputeSelectedDate(row);
    const LocalTime now = m_clock.Now();
    COleDateTime today;
    today.SetDateTime(now.year, now.month, now.day, now.hour, now.minute, now.second);
    const bool pastDay = m_selectedDate.IsValid() && today.IsValid() && today.WholeDaysSince(m_selectedDate) > 0;
    if (pastDay) {
        const std::string in = m_pDtpClockIn->GetTime().FormatHourMinute();
        const std::string out = m_pDtpClockOut->GetTime().FormatHourMinute();
        // Equal times mean "no time": a day off, or a mistake being taken back.
        m_pListDays->SetItemText(row, COLUMN_CLOCK_IN, in != out ? in : std::string());
        m_pListDays->SetItemText(row, COLUMN_CLOCK_OUT, in != out ? out : std::string());
    }
    // A TAB or line break could not be stored in the time-card file.
    m_pListDays->SetItemText(row, COLUMN_REMARKS, MakeFieldText(m_pEditRemarks->GetText()));
    if (row >= 0 && row < CTimeCardData::kDays) {
        m_data.m_clockIn[row] = m_pListDays->GetItemText(row, COLUMN_CLOCK_IN);
        m_data.m_clockOut[row] = m_pListDays->GetItemText(row, COLUMN_CLOCK_OUT);
        m_data.m_remarks[row] = m_pListDays->GetItemText(row, COLUMN_REMARKS);
    }
    SetModified(true);
    RefreshDayPanel(false);
}

void CTimeCardDlg::OnSave()
{
    SelectLoadedMonth();
    if (!m_modified)
        return;
    if (!m_data.SaveMonth()) {
        m_messages.Show(kSaveFailedMessage, IMessageBox::Buttons::Ok, IMessageBox::Icon::Error);
        return;
    }
    SetModified(false);
    m_pBtnClose->Focus();
    RefreshDayPanel(false);
}

void CTimeCardDlg::OnCancelUpdates()
{
    SelectLoadedMonth();
    if (!m_modified)
        return;
    if (m_messages.Show(kDiscardAllQuestion, IMessageBox::Buttons::OkCancel, IMessageBox::Icon::Question) !=
        IMessageBox::Answer::Ok)
        return;
    SetModified(false);
    m_pBtnClose->Focus();
    RefreshDayPanel(false);
    ResetDayPanel();
    LoadMonth(false);
}

void CTimeCardDlg::OnCancel()
{
    if (m_modified) {
        const IMessageBox::Answer answer =
            m_messages.Show(kSaveChangesQuestion, IMessageBox::Buttons::YesNoCancel, IMessageBox::Icon::Question);
        if (answer == IMessageBox::Answer::Cancel)
            return;
        if (answer == IMessageBox::Answer::Yes && !m_data.SaveMonth()) {
            // Keep the dialog and its changes: the user can try again, or close and answer No.
            m_messages.Show(kSaveFailedMessage, IMessageBox::Buttons::Ok, IMessageBox::Icon::Error);
            return;
        }
    }
    m_pWindow->EndDialog(1);
}

bool CTimeCardDlg::IsGreyColumn(int column)
{
    return column >= COLUMN_STARTUP && column <= COLUMN_END;
}

void CTimeCardDlg::SetModified(bool modified)
{
    m_modified = modified;
    m_pBtnSave->Enable(modified);
    m_pBtnCancelUpdates->Enable(modified);
}

void CTimeCardDlg::SelectLoadedMonth()
{
    if (m_monthIndex >= 0 && m_monthIndex < m_pCmbMonth->GetCount())
        m_pCmbMonth->SetCurSel(m_monthIndex);
}
