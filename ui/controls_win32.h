// The Win32 backend of the dialog controls: each wrapper holds a control's window handle and maps
// its few operations one-to-one onto the control's messages. Texts cross the boundary converted
// with code page 932, whatever the system's display language.
#pragma once

#include <windows.h>

#include "ui/controls.h"

template <class Interface>
class CWin32Control : public Interface {
public:
    void Attach(HWND hWnd) { m_hWnd = hWnd; }
    HWND GetHwnd() const { return m_hWnd; }

    std::string GetText() const override;
    void SetText(const std::string& text) override;
    void Enable(bool enable) override { EnableWindow(m_hWnd, enable ? TRUE : FALSE); }
    bool IsEnabled() const override { return IsWindowEnabled(m_hWnd) != FALSE; }
    void Focus() override { SetFocus(m_hWnd); }
    bool HasFocus() const override { return GetFocus() == m_hWnd; }

protected:
    HWND m_hWnd = nullptr;
};

using CWin32Edit = CWin32Control<IControl>;

class CWin32Button : public CWin32Control<IButton> {
public:
    int GetCheck() const override;
    void SetCheck(int check) override;
};

class CWin32DateTimePicker : public CWin32Control<IDateTimePicker> {
public:
    void SetFormat(const std::string& format) override;
    bool SetTime(const COleDateTime& time) override;
    COleDateTime GetTime() const override;
};

class CWin32SpinButton : public ISpinButton {
public:
    void Attach(HWND hWnd) { m_hWnd = hWnd; }
    void SetRange(int lower, int upper) override;
    void SetPos(int position) override;
    bool GetPos(int& position) const override;

private:
    HWND m_hWnd = nullptr;
};

class CWin32ComboBox : public CWin32Control<IComboBox> {
public:
    int GetCount() const override;
    int GetCurSel() const override;
    void SetCurSel(int index) override;
    void InsertString(int index, const std::string& text) override;
    std::string GetLBText(int index) const override;
};

class CWin32ListView : public CWin32Control<IListView> {
public:
    void InsertColumn(int column, const std::string& heading, Align align, int width) override;
    int GetColumnWidth(int column) const override;
    int GetOuterWidth() const override;
    int ScaleForDpi(int pixels) const override;
    void SetReportStyle() override;
    void DeleteAllItems() override;
    void InsertItem(int row, const std::string& text) override;
    void SetItemText(int row, int column, const std::string& text) override;
    std::string GetItemText(int row, int column) const override;
    int GetItemCount() const override;
    int GetSelectionMark() const override;
};

// Application message boxes, owned by the active window and titled with the program's name.
class CWin32MessageBox : public IMessageBox {
public:
    Answer Show(const std::string& text, Buttons buttons, Icon icon) override;
};
