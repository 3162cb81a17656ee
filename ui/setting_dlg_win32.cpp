#include "ui/setting_dlg_win32.h"

#include <commctrl.h>

#include "res/resource.h"

CSettingDlgWin32::CSettingDlgWin32(CProfileStore& profile, IMessageBox& messages)
    : CModalDialog(IDD_SETTING), m_dlg(profile, messages)
{
}

bool CSettingDlgWin32::OnInitDialog()
{
    m_editInterval.Attach(GetItem(IDC_SETTING_EDIT_INTERVAL));
    m_spinInterval.Attach(GetItem(IDC_SETTING_SPIN_INTERVAL));
    m_dtpClockIn.Attach(GetItem(IDC_SETTING_CLOCK_IN));
    m_dtpClockOut.Attach(GetItem(IDC_SETTING_CLOCK_OUT));
    m_chkShowThisMonth.Attach(GetItem(IDC_SETTING_SHOW_THIS_MONTH));
    m_dlg.Attach(*this, m_editInterval, m_spinInterval, m_dtpClockIn, m_dtpClockOut, m_chkShowThisMonth);
    return m_dlg.OnInitDialog();
}

bool CSettingDlgWin32::OnCommand(int id, int code)
{
    if (id == IDOK && code == BN_CLICKED)
        m_dlg.OnSaveSettings();
    else if (id == IDCANCEL && code == BN_CLICKED)
        m_dlg.OnCancelSettings();
    else if (id == IDC_SETTING_EDIT_INTERVAL && code == EN_CHANGE)
        m_dlg.OnChange();
    else if (id == IDC_SETTING_SHOW_THIS_MONTH && (code == BN_CLICKED || code == BN_DOUBLECLICKED))
        m_dlg.OnChange();
    else
        return false;
    return true;
}

bool CSettingDlgWin32::OnNotify(const NMHDR& header, LRESULT& result)
{
    if (header.code != DTN_DATETIMECHANGE ||
        (header.idFrom != IDC_SETTING_CLOCK_IN && header.idFrom != IDC_SETTING_CLOCK_OUT))
        return false;
    m_dlg.OnTimeChange();
    result = 0;
    return true;
}
