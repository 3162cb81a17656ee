#include "ui/time_card_dlg_win32.h"

#include <commctrl.h>

#include "res/resource.h"

namespace {

constexpr COLORREF kGreyText = RGB(160, 160, 160);

}  // namespace

CTimeCardDlgWin32::CTimeCardDlgWin32(CProfileStore& profile, IMessageBox& messages, const IClock& clock)
    : CModalDialog(IDD_TIMECARD), m_dlg(profile, messages, clock)
{
}

bool CTimeCardDlgWin32::OnInitDialog()
{
    m_cmbMonth.Attach(GetItem(IDC_COMBO_MONTH));
    m_listDays.Attach(GetItem(IDC_LIST_DAYS));
    m_editDate.Attach(GetItem(IDC_EDIT_DATE));
    m_dtpClockIn.Attach(GetItem(IDC_CLOCK_IN));
    m_dtpClockOut.Attach(GetItem(IDC_CLOCK_OUT));
    m_editRemarks.Attach(GetItem(IDC_EDIT_REMARKS));
    m_btnSave.Attach(GetItem(IDC_BUTTON_SAVE));
    m_btnCancelUpdates.Attach(GetItem(IDC_BUTTON_CANCEL_UPDATES));
    m_btnClose.Attach(GetItem(IDC_BUTTON_CLOSE));
    m_btnLoad.Attach(GetItem(IDC_BUTTON_LOAD));
    m_btnApply.Attach(GetItem(IDC_BUTTON_APPLY));
    m_dlg.Attach(*this, CTimeCardDlg::Controls{m_cmbMonth, m_listDays, m_editDate, m_dtpClockIn, m_dtpClockOut,
                                               m_editRemarks, m_btnSave, m_btnCancelUpdates, m_btnClose, m_btnLoad,
                                               m_btnApply});
    return m_dlg.OnInitDialog();
}

bool CTimeCardDlgWin32::OnCommand(int id, int code)
{
    if (id == IDC_EDIT_REMARKS) {
        if (code != EN_CHANGE)
            return false;
        m_dlg.OnChangeRemarks();
        return true;
    }
    if (code != BN_CLICKED)
        return false;
    switch (id) {
    case IDOK: break;  // an Enter no control took: the dialog stays open
    case IDCANCEL:     // Esc and the close box
    case IDC_BUTTON_CLOSE: m_dlg.OnCancel(); break;
    case IDC_BUTTON_LOAD: m_dlg.OnLoad(); break;
    case IDC_SET_CLOCK_IN_STARTUP: m_dlg.OnSetClockInStartup(); break;
    case IDC_SET_CLOCK_IN_START: m_dlg.OnSetClockInStart(); break;
    case IDC_SET_CLOCK_OUT_STOP: m_dlg.OnSetClockOutStop(); break;
    case IDC_SET_CLOCK_OUT_END: m_dlg.OnSetClockOutEnd(); break;
    case IDC_BUTTON_APPLY: m_dlg.OnApply(); break;
    case IDC_BUTTON_CANCEL_UPDATES: m_dlg.OnCancelUpdates(); break;
    case IDC_SET_CLOCK_IN_DEFAULT: m_dlg.OnSetClockInDefault(); break;
    case IDC_SET_CLOCK_OUT_DEFAULT: m_dlg.OnSetClockOutDefault(); break;
    case IDC_BUTTON_SAVE: m_dlg.OnSave(); break;
    default: return false;
    }
    return true;
}

bool CTimeCardDlgWin32::OnNotify(const NMHDR& header, LRESULT& result)
{
    if (header.idFrom == IDC_LIST_DAYS) {
        if (header.code == NM_CUSTOMDRAW) {
            result = OnCustomDrawDayList(header);
            return true;
        }
        if (header.code == NM_CLICK || header.code == NM_RCLICK) {
            m_dlg.OnClickDayList();
            result = 0;
            return true;
        }
        return false;
    }
    if (header.code == DTN_DATETIMECHANGE && (header.idFrom == IDC_CLOCK_IN || header.idFrom == IDC_CLOCK_OUT)) {
        m_dlg.OnTimeChange();
        result = 0;
        return true;
    }
    return false;
}

LRESULT CTimeCardDlgWin32::OnCustomDrawDayList(const NMHDR& header)
{
    auto& draw = const_cast<NMLVCUSTOMDRAW&>(reinterpret_cast<const NMLVCUSTOMDRAW&>(header));
    switch (draw.nmcd.dwDrawStage) {
    case CDDS_PREPAINT: return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT: return CDRF_NOTIFYSUBITEMDRAW;
    case CDDS_ITEMPREPAINT | CDDS_SUBITEM:
        draw.clrText = CTimeCardDlg::IsGreyColumn(draw.iSubItem) ? kGreyText : GetSysColor(COLOR_WINDOWTEXT);
        return CDRF_NEWFONT;
    default: return CDRF_DODEFAULT;
    }
}

bool CTimeCardDlgWin32::PreTranslateMessage(MSG& message)
{
    // The logic acts on Enter first; the key then goes on to the standard dialog processing.
    if (message.message == WM_KEYDOWN && message.wParam == VK_RETURN)
        m_dlg.OnEnterKey();
    return false;
}
