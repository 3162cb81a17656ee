// The Time Card dialog: one month at a time in the day list (a row per day, eight columns), an
// editing panel under it for the selected day, and the buttons that save the month, discard the
// changes or close the dialog.
//
// The selected row is never stored: every operation asks the list for its selection mark. The
// month record m_data holds what the list shows; 保存 and 更新取消 are enabled exactly while
// m_modified is true.
#pragma once

#include "app/profile_store.h"
#include "platform/date_time.h"
#include "platform/local_time.h"
#include "timecard/time_card_data.h"
#include "ui/controls.h"

class CTimeCardDlg {
public:
    struct Controls {
        IComboBox& cmbMonth;
        IListView& listDays;
        IControl& editDate;
        IDateTimePicker& dtpClockIn;
        IDateTimePicker& dtpClockOut;
        IControl& editRemarks;
        IButton& btnSave;
        IButton& btnCancelUpdates;
        IButton& btnClose;
        IButton& btnLoad;
        IButton& btnApply;
    };

    CTimeCardDlg(CProfileStore& profile, IMessageBox& messages, const IClock& clock);
    void Attach(IDialogWindow& window, const Controls& controls);

    bool OnInitDialog();
    void FillMonthCombo();
    void SetupDayList();
    void ResetDayPanel();
    void RefreshDayPanel(bool enableApply);
    void ComputeSelectedDate(int row);
    bool LoadMonth(bool saveAfter);

    void OnLoad();
    void OnClickDayList();
    void OnTimeChange();
    void OnChangeRemarks();
    // The Enter key, before the standard dialog processing sees it.
    void OnEnterKey();

    void OnSetClockInDefault();
    void OnSetClockInStartup();
    void OnSetClockInStart();
    void OnSetClockOutDefault();
    void OnSetClockOutStop();
    void OnSetClockOutEnd();
    void OnApply();

    void OnSave();
    void OnCancelUpdates();
    // 閉じる, Esc and the close box.
    void OnCancel();

    // The log columns (起動, 開始, 停止, 終了) are drawn grey; every other column in the window
    // text colour.
    static bool IsGreyColumn(int column);

    const CTimeCardData& GetData() const { return m_data; }
    bool IsModified() const { return m_modified; }

private:
    void SetPickerFromText(IDateTimePicker& picker, const std::string& text);
    void SetPickerFromColumn(IDateTimePicker& picker, int column);
    void SetModified(bool modified);
    void SelectLoadedMonth();

    CProfileStore& m_profile;
    IMessageBox& m_messages;
    const IClock& m_clock;
    IDialogWindow* m_pWindow = nullptr;
    IComboBox* m_pCmbMonth = nullptr;
    IListView* m_pListDays = nullptr;
    IControl* m_pEditDate = nullptr;
    IDateTimePicker* m_pDtpClockIn = nullptr;
    IDateTimePicker* m_pDtpClockOut = nullptr;
    IControl* m_pEditRemarks = nullptr;
    IButton* m_pBtnSave = nullptr;
    IButton* m_pBtnCancelUpdates = nullptr;
    IButton* m_pBtnClose = nullptr;
    IButton* m_pBtnLoad = nullptr;
    IButton* m_pBtnApply = nullptr;

    CTimeCardData m_data;
    bool m_modified = false;
    // The combo item of the month loaded last; -1 until a month is loaded.
    int m_monthIndex = -1;
    COleDateTime m_selectedDate;
};
