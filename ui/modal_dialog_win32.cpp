#include "ui/modal_dialog_win32.h"

#include <commctrl.h>

namespace {

// The dialogs' list view, time pickers and spinner live in comctl32. It is loaded with the first
// dialog, not at start-up: the program spends most of its life as a tray icon, and the library
// with its control classes costs some 3 MB of working set (measured under Wine). The manifest's
// dependency makes this the version 6 library. Loaded and set up once; it stays loaded.
bool LoadDialogControls()
{
    using InitFunction = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
    const HMODULE library = LoadLibraryW(L"comctl32.dll");
    if (library == nullptr)
        return false;
    const auto init = reinterpret_cast<InitFunction>(
        reinterpret_cast<void*>(GetProcAddress(library, "InitCommonControlsEx")));
    // The time pickers need the date classes, which the Windows 95 set leaves out.
    INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_WIN95_CLASSES | ICC_DATE_CLASSES};
    return init != nullptr && init(&classes);
}

}  // namespace

CModalDialog::~CModalDialog()
{
    if (m_hWnd != nullptr && IsWindow(m_hWnd))
        DestroyWindow(m_hWnd);
}

bool CModalDialog::Create(HWND owner)
{
    static const bool controlsLoaded = LoadDialogControls();
    if (!controlsLoaded)
        return false;
    m_hWnd = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(m_templateId), owner, DialogProc,
                                reinterpret_cast<LPARAM>(this));
    return m_hWnd != nullptr;
}

INT_PTR CModalDialog::DoModal(HWND owner)
{
    if (!Create(owner))
        return -1;
    const bool ownerWasEnabled = owner != nullptr && IsWindowEnabled(owner);
    if (ownerWasEnabled)
        EnableWindow(owner, FALSE);
    ShowWindow(m_hWnd, SW_SHOW);
    MSG message;
    // The dialog also ends when its window goes away with its owner (the program is closing).
    while (!m_bEnded && IsWindow(m_hWnd)) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) {
            // Leave the quit message for the program's own loop.
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        if (got == -1)
            break;
        if (!PreTranslateMessage(message) && !IsDialogMessageW(m_hWnd, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    // Enable the owner before the dialog goes, so that the focus returns to it.
    if (ownerWasEnabled)
        EnableWindow(owner, TRUE);
    if (IsWindow(m_hWnd))
        DestroyWindow(m_hWnd);
    m_hWnd = nullptr;
    return m_bEnded ? m_result : -1;
}

void CModalDialog::EndDialog(int result)
{
    m_bEnded = true;
    m_result = result;
}

bool CModalDialog::PreTranslateMessage(MSG&)
{
    return false;
}

INT_PTR CALLBACK CModalDialog::DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        auto* dialog = reinterpret_cast<CModalDialog*>(lParam);
        SetWindowLongPtrW(hWnd, DWLP_USER, lParam);
        dialog->m_hWnd = hWnd;
        const bool focusDefault = dialog->OnInitDialog();
        dialog->m_bInitialised = true;
        return focusDefault ? TRUE : FALSE;
    }
    auto* dialog = reinterpret_cast<CModalDialog*>(GetWindowLongPtrW(hWnd, DWLP_USER));
    // Controls notify while the template is being built, before the dialog is ready for it.
    if (dialog == nullptr || !dialog->m_bInitialised)
        return FALSE;
    switch (message) {
    case WM_COMMAND:
        return dialog->OnCommand(LOWORD(wParam), HIWORD(wParam)) ? TRUE : FALSE;
    case WM_NOTIFY: {
        LRESULT result = 0;
        if (!dialog->OnNotify(*reinterpret_cast<const NMHDR*>(lParam), result))
            return FALSE;
        SetWindowLongPtrW(hWnd, DWLP_MSGRESULT, result);
        return TRUE;
    }
    default:
        return FALSE;
    }
}
