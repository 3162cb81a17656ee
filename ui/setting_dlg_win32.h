// The Settings dialog on its Win32 template: binds the controls and routes their notifications to
// the dialog's logic.
#pragma once

#include "ui/controls_win32.h"
#include "ui/modal_dialog_win32.h"
#include "ui/setting_dlg.h"

class CSettingDlgWin32 : public CModalDialog {
public:
    CSettingDlgWin32(CProfileStore& profile, IMessageBox& messages);

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, int code) override;
    bool OnNotify(const NMHDR& header, LRESULT& result) override;

private:
    CSettingDlg m_dlg;
    CWin32Edit m_editInterval;
    CWin32SpinButton m_spinInterval;
    CWin32DateTimePicker m_dtpClockIn;
    CWin32DateTimePicker m_dtpClockOut;
    CWin32Button m_chkShowThisMonth;
};
