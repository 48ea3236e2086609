#include "framework/CDataExchange.h"

void DDX_Check(CDataExchange* pDX, int controlId, int& value) {
    HWND box = pDX->m_pDlgWnd->GetDlgItem(controlId);
    if (pDX->m_bSaveAndValidate) {
        if (box != nullptr) {
            value = static_cast<int>(::SendMessageW(box, BM_GETCHECK, 0, 0));
        }
        return;
    }
    if (value < BST_UNCHECKED || value > BST_INDETERMINATE) {
        value = BST_UNCHECKED;
    }
    if (box != nullptr) {
        ::SendMessageW(box, BM_SETCHECK, static_cast<WPARAM>(value), 0);
    }
}

void DDX_Control(CDataExchange* pDX, int controlId, CWnd& control) {
    HWND dialog = pDX->m_pDlgWnd->m_hWnd;
    // A wrapper still holding a control of an earlier run of the dialog is bound anew.
    if (control.m_hWnd != nullptr && ::GetParent(control.m_hWnd) == dialog) {
        return;
    }
    control.Attach(pDX->m_pDlgWnd->GetDlgItem(controlId));
}
