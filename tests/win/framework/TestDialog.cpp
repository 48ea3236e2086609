#include "tests/win/framework/TestDialog.h"

#include <stdexcept>

#include "app/ResourceIds.h"
#include "framework/AfxMessageBox.h"
#include "tests/win/framework/FrameworkTestIds.h"

BEGIN_MESSAGE_MAP(TestDialog, CDialog)
ON_WM_SYSCOMMAND()
ON_WM_PAINT()
ON_WM_QUERYDRAGICON()
ON_BN_CLICKED(IDC_TEST_THROW, &TestDialog::OnThrowClicked)
ON_BN_CLICKED(IDC_TEST_BOX_A, &TestDialog::OnOptionClicked)
ON_BN_CLICKED(IDC_TEST_PROMPT, &TestDialog::OnPromptClicked)
ON_WM_HSCROLL()
ON_WM_TIMER()
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(TestApp, CWinApp)
ON_COMMAND(ID_HELP, &TestApp::OnHelpRequested)
END_MESSAGE_MAP()

TestDialog::TestDialog() : CDialog(IDD_FRAMEWORK_TEST) {}

BOOL TestDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    if (afterInit) {
        afterInit(*this);
    }
    return TRUE;
}

void TestDialog::DoDataExchange(CDataExchange* pDX) {
    DDX_Check(pDX, IDC_TEST_BOX_A, m_boxA);
    DDX_Control(pDX, IDC_TEST_APPLY, m_apply);
    DDX_Control(pDX, IDC_TEST_SLIDER, m_slider);
    DDX_Check(pDX, IDC_TEST_BOX_B, m_boxB);
}

void TestDialog::OnOK() {
    if (beforeOK) {
        beforeOK(*this);
    }
    CDialog::OnOK();
}

void TestDialog::OnOptionClicked() {
    ++optionClicks;
}

void TestDialog::OnPromptClicked() {
    promptResult = AfxMessageBox(promptId, promptType);
}

void TestDialog::OnHScroll(UINT, UINT, HWND scrollBar) {
    ++scrolls;
    lastScrollBar = scrollBar;
}

void TestDialog::OnTimer(UINT_PTR timerId) {
    ++timerTicks;
    lastTimerId = timerId;
    CDialog::OnTimer(timerId);
}

void TestDialog::OnSysCommand(UINT command, LPARAM lParam) {
    ++sysCommands;
    CDialog::OnSysCommand(command, lParam);
}

void TestDialog::OnPaint() {
    ++paints;
    CDialog::OnPaint();
}

HCURSOR TestDialog::OnQueryDragIcon() {
    return dragIcon;
}

void TestDialog::OnThrowClicked() {
    throw std::runtime_error("handler failed");
}
