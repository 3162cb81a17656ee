// The in-memory backend of the dialog controls, for tests. It behaves like the platform wherever
// the dialogs rely on it (see ui/controls.h), and lets a test act as the user: type, click, pick
// a time, select a row, answer a message box.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "ui/controls.h"

// Which control of one dialog has the keyboard focus.
class CMemoryFocus {
public:
    const IControl* m_pFocused = nullptr;
};

template <class Interface>
class CMemoryControl : public Interface {
public:
    explicit CMemoryControl(CMemoryFocus& focus) : m_focus(focus) {}

    std::string GetText() const override { return m_text; }
    void SetText(const std::string& text) override
    {
        m_text = text;
        Notify();
    }
    void Enable(bool enable) override { m_bEnabled = enable; }
    bool IsEnabled() const override { return m_bEnabled; }
    void Focus() override { m_focus.m_pFocused = this; }
    bool HasFocus() const override { return m_focus.m_pFocused == this; }

    // The control's notification (EN_CHANGE, BN_CLICKED, DTN_DATETIMECHANGE), routed by the test
    // to the dialog's handler as the message map would.
    std::function<void()> m_onNotify;

protected:
    void Notify()
    {
        if (m_onNotify)
            m_onNotify();
    }

    std::string m_text;
    bool m_bEnabled = true;
    CMemoryFocus& m_focus;
};

using CMemoryEdit = CMemoryControl<IControl>;

class CMemoryButton : public CMemoryControl<IButton> {
public:
    using CMemoryControl::CMemoryControl;
    int GetCheck() const override { return m_check; }
    void SetCheck(int check) override { m_check = check; }
    // A click by the user: a check box toggles itself; the click notification follows.
    void Click();
    bool m_bCheckBox = false;

private:
    int m_check = 0;
};

class CMemoryDateTimePicker : public CMemoryControl<IDateTimePicker> {
public:
    using CMemoryControl::CMemoryControl;
    void SetFormat(const std::string& format) override { m_format = format; }
    bool SetTime(const COleDateTime& time) override;
    COleDateTime GetTime() const override { return m_time; }
    // The user changes the time: DTN_DATETIMECHANGE follows.
    void UserSetTime(int hour, int minute);
    std::string m_format;

private:
    COleDateTime m_time;
};

class CMemorySpinButton : public ISpinButton {
public:
    explicit CMemorySpinButton(CMemoryEdit& buddy) : m_buddy(buddy) {}
    void SetRange(int lower, int upper) override;
    void SetPos(int position) override;
    bool GetPos(int& position) const override;
    int m_lower = 0;
    int m_upper = 100;

private:
    CMemoryEdit& m_buddy;
    int m_position = 0;
};

class CMemoryComboBox : public CMemoryControl<IComboBox> {
public:
    using CMemoryControl::CMemoryControl;
    int GetCount() const override { return static_cast<int>(m_items.size()); }
    int GetCurSel() const override { return m_curSel; }
    void SetCurSel(int index) override;
    void InsertString(int index, const std::string& text) override;
    std::string GetLBText(int index) const override;
    std::string GetText() const override { return GetLBText(m_curSel); }
    std::vector<std::string> m_items;

private:
    int m_curSel = -1;
};

class CMemoryListView : public CMemoryControl<IListView> {
public:
    struct Column {
        std::string heading;
        Align align;
        int width;
    };
    using CMemoryControl::CMemoryControl;
    void InsertColumn(int column, const std::string& heading, Align align, int width) override;
    int GetColumnWidth(int column) const override;
    int GetOuterWidth() const override { return m_outerWidth; }
    int ScaleForDpi(int pixels) const override { return pixels * m_dpi / 96; }
    void SetReportStyle() override { m_bReportStyle = true; }
    void DeleteAllItems() override;
    void InsertItem(int row, const std::string& text) override;
    void SetItemText(int row, int column, const std::string& text) override;
    std::string GetItemText(int row, int column) const override;
    int GetItemCount() const override { return static_cast<int>(m_rows.size()); }
    int GetSelectionMark() const override { return m_selectionMark; }
    // The user selects a row (or -1 for none).
    void Select(int row) { m_selectionMark = row; }

    std::vector<Column> m_columns;
    std::vector<std::vector<std::string>> m_rows;
    int m_outerWidth = 0;
    int m_dpi = 96;
    bool m_bReportStyle = false;

private:
    int m_selectionMark = -1;
};

// Answers message boxes from a script and remembers every box shown. A box without a scripted
// answer fails the test.
class CMemoryMessageBox : public IMessageBox {
public:
    struct Shown {
        std::string text;
        Buttons buttons;
        Icon icon;
    };
    Answer Show(const std::string& text, Buttons buttons, Icon icon) override;
    std::deque<Answer> m_answers;
    std::vector<Shown> m_shown;
};

class CMemoryDialogWindow : public IDialogWindow {
public:
    void EndDialog(int result) override;
    bool m_bEnded = false;
    int m_result = 0;
};
