#pragma once
#include "framework/CDataExchange.h"
#include "framework/CWnd.h"

// A modal dialog built from a template of the program's resources. One dialog procedure
// serves every dialog: it finds the object and hands the message to the class's message map.
class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);

    // Runs the dialog until it ends; returns the code of the last end request, or -1 when the
    // dialog could not be created. Without a parent the dialog is owned by the thread's active
    // window, if any.
    virtual INT_PTR DoModal();

    // Ends the dialog with result. When several end requests come before the dialog is gone,
    // the last one sets the result.
    void EndDialog(int result);

    // Runs DoDataExchange: TRUE collects the controls into the members, FALSE shows the
    // members in the controls. FALSE when there is no window to exchange with.
    BOOL UpdateData(BOOL saveAndValidate = TRUE);

    // Binds the controls and shows the members in them. TRUE gives the focus to the first
    // tab stop.
    virtual BOOL OnInitDialog();

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    // Collects the controls, then ends with IDOK.
    virtual void OnOK();
    // Ends with IDCANCEL.
    virtual void OnCancel();

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR HandleCommand(WPARAM wParam, LPARAM lParam);

    UINT m_templateId;
    CWnd* m_parent;
    bool m_endRequested = false;
    int m_modalResult = -1;

    DECLARE_MESSAGE_MAP()
};
