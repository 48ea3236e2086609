#include "framework/CDialog.h"

#include "framework/CWinApp.h"

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_COMMAND(IDOK, &CDialog::OnOK)
ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog(UINT templateId, CWnd* parent) : m_templateId(templateId), m_parent(parent) {}

INT_PTR CDialog::DoModal() {
    m_endRequested = false;
    m_modalResult = -1;
    HWND owner = m_parent != nullptr ? m_parent->m_hWnd : ::GetActiveWindow();
    INT_PTR result = ::DialogBoxParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(m_templateId),
                                       owner, &CDialog::DialogProc, reinterpret_cast<LPARAM>(this));
    m_hWnd = nullptr;
    return m_endRequested ? m_modalResult : result;
}

void CDialog::EndDialog(int result) {
    // The system's dialog manager need not keep the last of several codes, so the result
    // is remembered here and DoModal returns it.
    m_endRequested = true;
    m_modalResult = result;
    if (m_hWnd != nullptr) {
        ::EndDialog(m_hWnd, result);
    }
}

BOOL CDialog::UpdateData(BOOL saveAndValidate) {
    if (m_hWnd == nullptr) {
        return FALSE;
    }
    CDataExchange exchange(this, saveAndValidate);
    DoDataExchange(&exchange);
    return TRUE;
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::DoDataExchange(CDataExchange*) {}

void CDialog::OnOK() {
    if (!UpdateData(TRUE)) {
        return;
    }
    EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

INT_PTR CALLBACK CDialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        CDialog* self = nullptr;
        if (message == WM_INITDIALOG) {
            self = reinterpret_cast<CDialog*>(lParam);
            ::SetWindowLongPtrW(window, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
            self->m_hWnd = window;
        } else {
            self = reinterpret_cast<CDialog*>(::GetWindowLongPtrW(window, DWLP_USER));
        }
        if (self == nullptr) {
            return FALSE;
        }
        INT_PTR result = self->HandleMessage(message, wParam, lParam);
        if (message == WM_NCDESTROY) {
            ::SetWindowLongPtrW(window, DWLP_USER, 0);
            self->m_hWnd = nullptr;
        }
        return result;
    } catch (...) {
        // Nothing may unwind through the system's dialog manager; the message gets the
        // default processing.
        return FALSE;
    }
}

INT_PTR CDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        CenterWindow();
        return OnInitDialog();
    }
    if (message == WM_COMMAND) {
        return HandleCommand(wParam, lParam);
    }
    bool handled = false;
    return DispatchToMap(message, wParam, lParam, handled);
}

INT_PTR CDialog::HandleCommand(WPARAM wParam, LPARAM lParam) {
    bool handled = false;
    DispatchToMap(WM_COMMAND, wParam, lParam, handled);
    if (!handled && AfxGetApp() != nullptr) {
        // Commands no window handles go to the application, as the help command does.
        handled = AfxGetApp()->OnCmdMsg(LOWORD(wParam), HIWORD(wParam));
    }
    return handled ? TRUE : FALSE;
}
