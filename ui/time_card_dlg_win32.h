// The Time Card dialog on its Win32 template: binds the controls, routes their notifications to
// the dialog's logic, draws the log columns grey and hands the Enter key to the logic first.
#pragma once

#include "ui/controls_win32.h"
#include "ui/modal_dialog_win32.h"
#include "ui/time_card_dlg.h"

class CTimeCardDlgWin32 : public CModalDialog {
public:
    CTimeCardDlgWin32(CProfileStore& profile, IMessageBox& messages, const IClock& clock);

    const CTimeCardDlg& GetLogic() const { return m_dlg; }

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, int code) override;
    bool OnNotify(const NMHDR& header, LRESULT& result) override;
    bool PreTranslateMessage(MSG& message) override;

private:
    LRESULT OnCustomDrawDayList(const NMHDR& header);

    CTimeCardDlg m_dlg;
    CWin32ComboBox m_cmbMonth;
    CWin32ListView m_listDays;
    CWin32Edit m_editDate;
    CWin32DateTimePicker m_dtpClockIn;
    CWin32DateTimePicker m_dtpClockOut;
    CWin32Edit m_editRemarks;
    CWin32Button m_btnSave;
    CWin32Button m_btnCancelUpdates;
    CWin32Button m_btnClose;
    CWin32Button m_btnLoad;
    CWin32Button m_btnApply;
};
