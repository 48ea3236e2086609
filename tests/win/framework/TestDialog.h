#pragma once
#include <atomic>
#include <functional>

#include "framework/CButton.h"
#include "framework/CDialog.h"
#include "framework/CSliderCtrl.h"
#include "framework/CWinApp.h"

// A dialog shaped like the program's windows: two check boxes exchanged with members, two
// bound wrappers, and handlers that record what reached them. Tests hook into its
// initialisation and its OK.
class TestDialog : public CDialog {
public:
    TestDialog();

    int m_boxA = 0;
    int m_boxB = 0;
    CButton m_apply;
    CSliderCtrl m_slider;

    std::function<void(TestDialog&)> afterInit;
    std::function<void(TestDialog&)> beforeOK;
    UINT promptType = MB_OK;
    UINT promptId = 0;
    int promptResult = -1;

    std::atomic<int> optionClicks{0};
    std::atomic<int> scrolls{0};
    std::atomic<HWND> lastScrollBar{nullptr};
    std::atomic<int> timerTicks{0};
    std::atomic<UINT_PTR> lastTimerId{0};
    std::atomic<int> sysCommands{0};
    std::atomic<int> paints{0};
    HICON dragIcon = nullptr;

    BOOL OnInitDialog() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;

    void OnOptionClicked();
    void OnPromptClicked();
    void OnHScroll(UINT code, UINT position, HWND scrollBar);
    void OnTimer(UINT_PTR timerId);
    void OnSysCommand(UINT command, LPARAM lParam);
    void OnPaint();
    HCURSOR OnQueryDragIcon();
    void OnThrowClicked();

    DECLARE_MESSAGE_MAP()
};

// The tests' application object, with the help command in its map.
class TestApp : public CWinApp {
public:
    std::atomic<int> helpRequests{0};
    void OnHelpRequested() { ++helpRequests; }

    DECLARE_MESSAGE_MAP()
};
