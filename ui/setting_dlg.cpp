#include "ui/setting_dlg.h"

#include <algorithm>

#include "app/settings.h"
#include "ui/dialog_texts.h"

CSettingDlg::CSettingDlg(CProfileStore& profile, IMessageBox& messages) : m_profile(profile), m_messages(messages)
{
}

void CSettingDlg::Attach(IDialogWindow& window, IControl& editInterval, ISpinButton& spinInterval,
                         IDateTimePicker& dtpClockIn, IDateTimePicker& dtpClockOut, IButton& chkShowThisMonth)
{
    m_pWindow = &window;
    m_pEditInterval = &editInterval;
    m_pSpinInterval = &spinInterval;
    m_pDtpClockIn = &dtpClockIn;
    m_pDtpClockOut = &dtpClockOut;
    m_pChkShowThisMonth = &chkShowThisMonth;
}

bool CSettingDlg::OnInitDialog()
{
    m_pSpinInterval->SetRange(kIntervalMin, kIntervalMax);
    m_pDtpClockIn->SetFormat("HH:mm");
    m_pDtpClockOut->SetFormat("HH:mm");
    // A value edited by hand outside the offered range is shown at the nearest bound; it is
    // stored only if the user saves.
    m_pSpinInterval->SetPos(std::clamp(GetInterval(m_profile), kIntervalMin, kIntervalMax));
    m_pDtpClockIn->SetTime(ParseClockTime(GetWorkStart(m_profile)));
    m_pDtpClockOut->SetTime(ParseClockTime(GetWorkEnd(m_profile)));
    m_pChkShowThisMonth->SetCheck(GetShowThisMonth(m_profile) == 1 ? 1 : 0);
    // Last: filling the controls above raised change notifications that are not the user's.
    m_bChanged = false;
    return true;
}

void CSettingDlg::OnChange()
{
    m_bChanged = true;
}

void CSettingDlg::OnTimeChange()
{
    m_bChanged = true;
}

void CSettingDlg::OnSaveSettings()
{
    if (!m_bChanged) {
        m_pWindow->EndDialog(0);
        return;
    }
    int interval = 0;
    if (!m_pSpinInterval->GetPos(interval)) {
        // An empty field or a number outside 1-30 typed by hand is never stored.
        m_messages.Show(kIntervalOutOfRangeMessage, IMessageBox::Buttons::Ok, IMessageBox::Icon::Exclamation);
        m_pEditInterval->Focus();
        return;
    }
    m_profile.WriteInt(SETTING, INTERVAL, interval);
    SetWorkStart(m_profile, m_pDtpClockIn->GetTime().FormatHourMinute());
    SetWorkEnd(m_profile, m_pDtpClockOut->GetTime().FormatHourMinute());
    m_profile.WriteInt(SETTING, SHOW_THIS_MONTH, m_pChkShowThisMonth->GetCheck() == 1 ? 1 : 0);
    m_pWindow->EndDialog(1);
}

void CSettingDlg::OnCancelSettings()
{
    if (m_bChanged && m_messages.Show(kDiscardChangesQuestion, IMessageBox::Buttons::YesNo,
                                      IMessageBox::Icon::Question) != IMessageBox::Answer::Yes)
        return;
    m_pWindow->EndDialog(0);
}
