// What the dialogs use of their controls, and nothing more. Two backends implement these: the
// Win32 one that Tarvelo.exe uses, and an in-memory one for tests. Texts are code page 932.
//
// Rules both backends keep, because the dialogs rely on them:
// - a programmatic text change of an edit raises its change notification, as typing does;
// - setting a spinner's position rewrites its buddy edit, which raises that edit's notification;
// - a picker given an invalid time keeps the time it has, and raises no notification;
// - setting a check box or a picker's time by program raises no notification;
// - the selection mark of a list is -1 when nothing is selected, and row -1 reads as empty text.
#pragma once

#include <string>

#include "platform/date_time.h"

class IControl {
public:
    virtual ~IControl() = default;
    virtual std::string GetText() const = 0;
    virtual void SetText(const std::string& text) = 0;
    virtual void Enable(bool enable) = 0;
    virtual bool IsEnabled() const = 0;
    virtual void Focus() = 0;
    virtual bool HasFocus() const = 0;
};

class IButton : public IControl {
public:
    virtual int GetCheck() const = 0;  // 1 ticked, 0 clear
    virtual void SetCheck(int check) = 0;
};

class IDateTimePicker : public IControl {
public:
    // "HH:mm": 24-hour time, two digits each.
    virtual void SetFormat(const std::string& format) = 0;
    // False, and nothing changes, for an invalid time.
    virtual bool SetTime(const COleDateTime& time) = 0;
    virtual COleDateTime GetTime() const = 0;
};

class ISpinButton {
public:
    virtual ~ISpinButton() = default;
    virtual void SetRange(int lower, int upper) = 0;
    virtual void SetPos(int position) = 0;
    // False when the buddy's text is empty, not a number or outside the range; position then
    // holds the nearest position the spinner knows.
    virtual bool GetPos(int& position) const = 0;
};

class IComboBox : public IControl {
public:
    virtual int GetCount() const = 0;
    virtual int GetCurSel() const = 0;            // -1 with no selection
    virtual void SetCurSel(int index) = 0;        // an index outside the items selects nothing
    virtual void InsertString(int index, const std::string& text) = 0;
    virtual std::string GetLBText(int index) const = 0;  // empty outside the items
};

class IListView : public IControl {
public:
    enum class Align { Left, Center };
    virtual void InsertColumn(int column, const std::string& heading, Align align, int width) = 0;
    virtual int GetColumnWidth(int column) const = 0;
    virtual int GetOuterWidth() const = 0;  // the window's width in pixels, border included
    // Pixels at 96 DPI as pixels at the display's DPI.
    virtual int ScaleForDpi(int pixels) const = 0;
    // Grid lines and full-row selection, and column headings that can neither be clicked nor
    // dragged to other widths.
    virtual void SetReportStyle() = 0;
    virtual void DeleteAllItems() = 0;
    virtual void InsertItem(int row, const std::string& text) = 0;
    virtual void SetItemText(int row, int column, const std::string& text) = 0;
    virtual std::string GetItemText(int row, int column) const = 0;  // empty outside the rows
    virtual int GetItemCount() const = 0;
    virtual int GetSelectionMark() const = 0;  // -1 with no selection
};

// Application message boxes. The buttons and icon are chosen by the caller; the answer is which
// button was pressed.
class IMessageBox {
public:
    enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
    enum class Icon { None, Question, Exclamation, Error };
    enum class Answer { Ok, Cancel, Yes, No };
    virtual ~IMessageBox() = default;
    virtual Answer Show(const std::string& text, Buttons buttons, Icon icon) = 0;
};

// The dialog itself, as its logic sees it.
class IDialogWindow {
public:
    virtual ~IDialogWindow() = default;
    virtual void EndDialog(int result) = 0;
};
