#include "ui/controls_win32.h"

#include <commctrl.h>

#include <vector>

#include "platform/message_box_win32.h"
#include "platform/text_win32.h"

template <class Interface>
std::string CWin32Control<Interface>::GetText() const
{
    const int length = GetWindowTextLengthW(m_hWnd);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(m_hWnd, text.data(), length + 1)));
    return WideToCp932(text);
}

template <class Interface>
void CWin32Control<Interface>::SetText(const std::string& text)
{
    SetWindowTextW(m_hWnd, Cp932ToWide(text).c_str());
}

template class CWin32Control<IControl>;
template class CWin32Control<IButton>;
template class CWin32Control<IDateTimePicker>;
template class CWin32Control<IComboBox>;
template class CWin32Control<IListView>;

int CWin32Button::GetCheck() const
{
    return SendMessageW(m_hWnd, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
}

void CWin32Button::SetCheck(int check)
{
    SendMessageW(m_hWnd, BM_SETCHECK, check == 1 ? BST_CHECKED : BST_UNCHECKED, 0);
}

void CWin32DateTimePicker::SetFormat(const std::string& format)
{
    SendMessageW(m_hWnd, DTM_SETFORMATW, 0, reinterpret_cast<LPARAM>(Cp932ToWide(format).c_str()));
}

bool CWin32DateTimePicker::SetTime(const COleDateTime& time)
{
    if (!time.IsValid())
        return false;
    SYSTEMTIME st{};
    st.wYear = static_cast<WORD>(time.GetYear());
    st.wMonth = static_cast<WORD>(time.GetMonth());
    st.wDay = static_cast<WORD>(time.GetDay());
    st.wDayOfWeek = static_cast<WORD>(time.GetDayOfWeek() - 1);
    st.wHour = static_cast<WORD>(time.GetHour());
    st.wMinute = static_cast<WORD>(time.GetMinute());
    st.wSecond = static_cast<WORD>(time.GetSecond());
    return SendMessageW(m_hWnd, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&st)) != 0;
}

COleDateTime CWin32DateTimePicker::GetTime() const
{
    SYSTEMTIME st{};
    COleDateTime time;
    if (SendMessageW(m_hWnd, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&st)) != GDT_VALID ||
        !time.SetDateTime(st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond))
        time.SetStatus(COleDateTime::invalid);
    return time;
}

void CWin32SpinButton::SetRange(int lower, int upper)
{
    SendMessageW(m_hWnd, UDM_SETRANGE32, static_cast<WPARAM>(lower), static_cast<LPARAM>(upper));
}

void CWin32SpinButton::SetPos(int position)
{
    SendMessageW(m_hWnd, UDM_SETPOS32, 0, static_cast<LPARAM>(position));
}

bool CWin32SpinButton::GetPos(int& position) const
{
    // The control flags a buddy text that is empty, not a number or out of range.
    BOOL error = FALSE;
    position = static_cast<int>(SendMessageW(m_hWnd, UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(&error)));
    return error == FALSE;
}

int CWin32ComboBox::GetCount() const
{
    return static_cast<int>(SendMessageW(m_hWnd, CB_GETCOUNT, 0, 0));
}

int CWin32ComboBox::GetCurSel() const
{
    return static_cast<int>(SendMessageW(m_hWnd, CB_GETCURSEL, 0, 0));
}

void CWin32ComboBox::SetCurSel(int index)
{
    SendMessageW(m_hWnd, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void CWin32ComboBox::InsertString(int index, const std::string& text)
{
    SendMessageW(m_hWnd, CB_INSERTSTRING, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(Cp932ToWide(text).c_str()));
}

std::string CWin32ComboBox::GetLBText(int index) const
{
    const LRESULT length = SendMessageW(m_hWnd, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == CB_ERR)
        return std::string();
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    SendMessageW(m_hWnd, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(length));
    return WideToCp932(text);
}

void CWin32ListView::InsertColumn(int column, const std::string& heading, Align align, int width)
{
    std::wstring text = Cp932ToWide(heading);
    LVCOLUMNW lvc{};
    lvc.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    lvc.fmt = align == Align::Center ? LVCFMT_CENTER : LVCFMT_LEFT;
    lvc.cx = width;
    lvc.pszText = text.data();
    lvc.iSubItem = column;
    SendMessageW(m_hWnd, LVM_INSERTCOLUMNW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&lvc));
}

int CWin32ListView::GetColumnWidth(int column) const
{
    return static_cast<int>(SendMessageW(m_hWnd, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column), 0));
}

int CWin32ListView::GetOuterWidth() const
{
    RECT rect{};
    GetWindowRect(m_hWnd, &rect);
    return rect.right - rect.left;
}

int CWin32ListView::ScaleForDpi(int pixels) const
{
    const HDC dc = GetDC(m_hWnd);
    const int dpi = dc != nullptr ? GetDeviceCaps(dc, LOGPIXELSX) : 96;
    if (dc != nullptr)
        ReleaseDC(m_hWnd, dc);
    return MulDiv(pixels, dpi, 96);
}

void CWin32ListView::SetReportStyle()
{
    // Mask 0: these two replace the whole extended style.
    SendMessageW(m_hWnd, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    EnableWindow(reinterpret_cast<HWND>(SendMessageW(m_hWnd, LVM_GETHEADER, 0, 0)), FALSE);
}

void CWin32ListView::DeleteAllItems()
{
    SendMessageW(m_hWnd, LVM_DELETEALLITEMS, 0, 0);
}

void CWin32ListView::InsertItem(int row, const std::string& text)
{
    std::wstring wide = Cp932ToWide(text);
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.pszText = wide.data();
    SendMessageW(m_hWnd, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

void CWin32ListView::SetItemText(int row, int column, const std::string& text)
{
    std::wstring wide = Cp932ToWide(text);
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = wide.data();
    SendMessageW(m_hWnd, LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

std::string CWin32ListView::GetItemText(int row, int column) const
{
    if (row < 0 || row >= GetItemCount())
        return std::string();
    // The control copies at most the buffer's size; grow it until the text fits.
    for (size_t size = 256;; size *= 2) {
        std::wstring buffer(size, L'\0');
        LVITEMW item{};
        item.iSubItem = column;
        item.pszText = buffer.data();
        item.cchTextMax = static_cast<int>(size);
        const LRESULT length =
            SendMessageW(m_hWnd, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
        if (static_cast<size_t>(length) + 1 < size) {
            buffer.resize(static_cast<size_t>(length));
            return WideToCp932(buffer);
        }
    }
}

int CWin32ListView::GetItemCount() const
{
    return static_cast<int>(SendMessageW(m_hWnd, LVM_GETITEMCOUNT, 0, 0));
}

int CWin32ListView::GetSelectionMark() const
{
    return static_cast<int>(SendMessageW(m_hWnd, LVM_GETSELECTIONMARK, 0, 0));
}

IMessageBox::Answer CWin32MessageBox::Show(const std::string& text, Buttons buttons, Icon icon)
{
    UINT type = MB_OK;
    switch (buttons) {
    case Buttons::Ok: type = MB_OK; break;
    case Buttons::OkCancel: type = MB_OKCANCEL; break;
    case Buttons::YesNo: type = MB_YESNO; break;
    case Buttons::YesNoCancel: type = MB_YESNOCANCEL; break;
    }
    switch (icon) {
    case Icon::None: break;
    case Icon::Question: type |= MB_ICONQUESTION; break;
    case Icon::Exclamation: type |= MB_ICONEXCLAMATION; break;
    case Icon::Error: type |= MB_ICONERROR; break;
    }
    switch (ShowMessageBox(GetActiveWindow(), text, PROGRAM_TITLE, type)) {
    case IDOK: return Answer::Ok;
    case IDYES: return Answer::Yes;
    case IDNO: return Answer::No;
    default: return Answer::Cancel;
    }
}
