// The Settings dialog: the recording interval, the default clock-in and clock-out times, and
// whether the time card loads this month when it opens. It writes all four settings at once, and
// only when the user changed something and pressed 設定完了; its result tells the opener whether
// it wrote (1) or not (0).
#pragma once

#include "app/profile_store.h"
#include "ui/controls.h"

class CSettingDlg {
public:
    static constexpr int kIntervalMin = 1;
    static constexpr int kIntervalMax = 30;

    CSettingDlg(CProfileStore& profile, IMessageBox& messages);

    // Binds the dialog's controls, as the window layer creates them.
    void Attach(IDialogWindow& window, IControl& editInterval, ISpinButton& spinInterval,
                IDateTimePicker& dtpClockIn, IDateTimePicker& dtpClockOut, IButton& chkShowThisMonth);

    bool OnInitDialog();
    // Any change of the interval edit or of the check box.
    void OnChange();
    // A change of either picker.
    void OnTimeChange();
    // 設定完了 (command 1, also Enter).
    void OnSaveSettings();
    // キャンセル (command 2, also Esc and the close box).
    void OnCancelSettings();

private:
    CProfileStore& m_profile;
    IMessageBox& m_messages;
    IDialogWindow* m_pWindow = nullptr;
    IControl* m_pEditInterval = nullptr;
    ISpinButton* m_pSpinInterval = nullptr;
    IDateTimePicker* m_pDtpClockIn = nullptr;
    IDateTimePicker* m_pDtpClockOut = nullptr;
    IButton* m_pChkShowThisMonth = nullptr;
    bool m_bChanged = false;
};
