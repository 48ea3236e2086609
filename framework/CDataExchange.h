#pragma once
#include "framework/CWnd.h"

// One exchange between a dialog's members and its controls, in one direction.
class CDataExchange {
public:
    CDataExchange(CWnd* dialog, BOOL saveAndValidate)
        : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog) {}

    BOOL m_bSaveAndValidate; // TRUE: controls into members; FALSE: members into controls
    CWnd* m_pDlgWnd;
};

// A check box and a signed member. Towards the control a value outside 0..2 is first
// replaced by 0 (so it shows unchecked and reads back as 0); from the control the member
// takes the box's check state. A missing control leaves the member as it is.
void DDX_Check(CDataExchange* pDX, int controlId, int& value);

// Binds a wrapper to its control at the first exchange of a window; later exchanges leave
// the binding alone.
void DDX_Control(CDataExchange* pDX, int controlId, CWnd& control);
