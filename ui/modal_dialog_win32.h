// A dialog from the resource script, run modally with a message loop of our own, so that a dialog
// can look at keys before the standard dialog processing does (PreTranslateMessage).
#pragma once

#include <windows.h>

#include "ui/controls.h"

class CModalDialog : public IDialogWindow {
public:
    explicit CModalDialog(int templateId) : m_templateId(templateId) {}
    virtual ~CModalDialog();
    CModalDialog(const CModalDialog&) = delete;
    CModalDialog& operator=(const CModalDialog&) = delete;

    // Runs the dialog with the owner disabled until it ends; the result is EndDialog's, or -1
    // when the dialog could not be created.
    INT_PTR DoModal(HWND owner);

    // Creates the dialog without running it (tests drive it with messages).
    bool Create(HWND owner);
    HWND GetHwnd() const { return m_hWnd; }

    void EndDialog(int result) override;
    bool IsEnded() const { return m_bEnded; }
    int GetResult() const { return m_result; }

protected:
    virtual bool OnInitDialog() = 0;
    // True when the command was handled.
    virtual bool OnCommand(int id, int code) = 0;
    // True when the notification was handled; result is its answer.
    virtual bool OnNotify(const NMHDR& header, LRESULT& result) = 0;
    // Sees every message of the dialog's loop first; true when it was consumed.
    virtual bool PreTranslateMessage(MSG& message);

    HWND GetItem(int id) const { return GetDlgItem(m_hWnd, id); }

private:
    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

    int m_templateId;
    HWND m_hWnd = nullptr;
    bool m_bInitialised = false;
    bool m_bEnded = false;
    int m_result = 0;
};
