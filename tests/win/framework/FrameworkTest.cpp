#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "app/ResourceIds.h"
#include "framework/AfxMessageBox.h"
#include "framework/ControlText.h"
#include "platform/win32/Win32TextPort.h"
#include "tests/win/framework/FrameworkTestIds.h"
#include "tests/win/framework/TestDialog.h"
#include "tests/win/support/UiDriver.h"

namespace {

TestApp theTestApp;

constexpr wchar_t kTitle[] = L"Framework test";

// Runs the dialog while driver works it from a second thread; driver gets the window, found
// by its title.
INT_PTR RunDriven(TestDialog& dialog, const std::function<void(HWND)>& driver,
                  const wchar_t* title = kTitle) {
    return ui::RunModalDriven([&] { return dialog.DoModal(); },
                              [&] {
                                  HWND window = ui::WaitForWindow(title, ::GetCurrentProcessId());
                                  ASSERT_NE(window, nullptr);
                                  driver(window);
                              });
}

// Closes a dialog the test has finished with and waits until it is gone.
void Finish(HWND window, int command) {
    ui::PostCommand(window, command);
    ui::WaitUntilGone(window);
}

bool GermanSession() {
    const char* locale = std::getenv("TX_LOCALE");
    return locale != nullptr && std::string(locale).rfind("de", 0) == 0;
}

TEST(DataExchange, CheckMemberShownAndReadBack) {
    struct Case {
        int member;
        int shown;
        int afterInit;
        int afterOK;
    };
    // Values outside 0..2 show unchecked and come back as 0.
    const Case cases[] = {{0, 0, 0, 0}, {1, 1, 1, 1}, {2, 1, 2, 1}, {7, 0, 0, 0}, {-1, 0, 0, 0}};
    for (const Case& c : cases) {
        TestDialog dialog;
        dialog.m_boxA = c.member;
        int afterInit = -99;
        dialog.afterInit = [&](TestDialog& d) { afterInit = d.m_boxA; };
        int shown = -99;
        INT_PTR result = RunDriven(dialog, [&](HWND window) {
            shown = ui::CheckState(window, IDC_TEST_BOX_A);
            Finish(window, IDOK);
        });
        EXPECT_EQ(result, IDOK) << c.member;
        EXPECT_EQ(shown, c.shown) << c.member;
        EXPECT_EQ(afterInit, c.afterInit) << c.member;
        EXPECT_EQ(dialog.m_boxA, c.afterOK) << c.member;
    }
}

TEST(DataExchange, OkCollectsTheControlsAndCancelDoesNot) {
    for (int command : {IDOK, IDCANCEL}) {
        TestDialog dialog;
        dialog.m_boxA = 0;
        dialog.m_boxB = 1;
        INT_PTR result = RunDriven(dialog, [&](HWND window) {
            EXPECT_EQ(ui::CheckState(window, IDC_TEST_BOX_B), BST_CHECKED);
            ui::ClickAndWait(window, IDC_TEST_BOX_A);
            ui::ClickAndWait(window, IDC_TEST_BOX_B);
            Finish(window, command);
        });
        EXPECT_EQ(result, command);
        EXPECT_EQ(dialog.m_boxA, command == IDOK ? 1 : 0);
        EXPECT_EQ(dialog.m_boxB, command == IDOK ? 0 : 1);
    }
}

TEST(DataExchange, BindsEachWrapperOncePerWindow) {
    TestDialog dialog;
    EXPECT_EQ(dialog.m_apply.m_hWnd, nullptr);
    std::vector<HWND> applyButtons;
    dialog.afterInit = [&](TestDialog& d) {
        HWND apply = d.GetDlgItem(IDC_TEST_APPLY);
        EXPECT_EQ(d.m_apply.m_hWnd, apply);
        EXPECT_EQ(d.m_slider.m_hWnd, d.GetDlgItem(IDC_TEST_SLIDER));
        // A later exchange must not look the control up again.
        ::SetWindowLongPtrW(apply, GWLP_ID, 4000);
        d.UpdateData(TRUE);
        d.UpdateData(FALSE);
        EXPECT_EQ(d.m_apply.m_hWnd, apply);
        applyButtons.push_back(apply);
        d.EndDialog(IDCANCEL);
    };
    dialog.DoModal();
    dialog.DoModal();
    ASSERT_EQ(applyButtons.size(), 2u);
    // The second run has a window of its own, and the wrapper follows it.
    EXPECT_FALSE(::IsWindow(applyButtons[0]));
}

TEST(DialogEnd, LastEndRequestSetsTheResult) {
    const std::vector<std::vector<int>> sequences = {
        {IDCANCEL, IDOK}, {IDOK, IDCANCEL}, {IDOK}, {5, 9, IDCANCEL}, {IDCANCEL, IDCANCEL, 7}};
    for (const auto& sequence : sequences) {
        TestDialog dialog;
        dialog.afterInit = [&](TestDialog& d) {
            for (int code : sequence) {
                d.EndDialog(code);
            }
        };
        EXPECT_EQ(dialog.DoModal(), sequence.back());
    }
}

TEST(DialogEnd, OkAfterAnEarlierEndStillEndsWithOk) {
    TestDialog dialog;
    dialog.beforeOK = [](TestDialog& d) { d.EndDialog(IDCANCEL); };
    INT_PTR result = RunDriven(dialog, [](HWND window) {
        ui::Click(window, IDOK);
        ui::WaitUntilGone(window);
    });
    EXPECT_EQ(result, IDOK);
}

TEST(DialogEnd, MissingTemplateFailsWithoutAWindow) {
    class NoTemplate : public CDialog {
    public:
        NoTemplate() : CDialog(4321) {}
    } dialog;
    EXPECT_EQ(dialog.DoModal(), -1);
}

TEST(MessageMap, RoutesCommandsScrollsTimerAndSystemCommands) {
    TestDialog dialog;
    dialog.afterInit = [](TestDialog& d) { d.SetTimer(7, 10); };
    INT_PTR result = RunDriven(dialog, [&](HWND window) {
        ui::ClickAndWait(window, IDC_TEST_BOX_A);
        ui::ClickAndWait(window, IDC_TEST_UNMAPPED);
        EXPECT_EQ(dialog.optionClicks, 1);

        HWND slider = ::GetDlgItem(window, IDC_TEST_SLIDER);
        ui::PressKey(slider, VK_RIGHT);
        EXPECT_TRUE(ui::WaitUntil([&] { return dialog.scrolls >= 1; }));
        EXPECT_EQ(dialog.lastScrollBar, slider);

        EXPECT_TRUE(ui::WaitUntil([&] { return dialog.timerTicks >= 2; }));
        EXPECT_EQ(dialog.lastTimerId, 7u);

        // A command no window handles reaches the application's map.
        ::SendMessageW(window, WM_COMMAND, MAKEWPARAM(ID_HELP, 0), 0);
        EXPECT_EQ(theTestApp.helpRequests, 1);

        // The handler passes the close request on to the default processing, which turns
        // it into Cancel.
        ::PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
        ui::WaitUntilGone(window);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(dialog.sysCommands, 1);
}

TEST(MessageMap, PaintAndDragIconReachTheirHandlers) {
    TestDialog dialog;
    dialog.dragIcon = ::LoadIconW(nullptr, MAKEINTRESOURCEW(32512)); // the application icon
    RunDriven(dialog, [&](HWND window) {
        EXPECT_EQ(::SendMessageW(window, WM_QUERYDRAGICON, 0, 0),
                  reinterpret_cast<LRESULT>(dialog.dragIcon));
        const int before = dialog.paints;
        ::InvalidateRect(window, nullptr, TRUE);
        EXPECT_TRUE(ui::WaitUntil([&] { return dialog.paints > before; }));
        // The handler left the painting to the default processing, which validated the window.
        EXPECT_TRUE(ui::WaitUntil([&] { return !::GetUpdateRect(window, nullptr, FALSE); }));
        Finish(window, IDCANCEL);
    });
}

TEST(MessageMap, AFailingHandlerLeavesTheDialogRunning) {
    TestDialog dialog;
    INT_PTR result = RunDriven(dialog, [&](HWND window) {
        ui::ClickAndWait(window, IDC_TEST_THROW);
        ui::ClickAndWait(window, IDC_TEST_BOX_A);
        EXPECT_EQ(dialog.optionClicks, 1);
        Finish(window, IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dialog.m_boxA, 1);
}

TEST(Wrappers, SliderButtonAndWindowOperations) {
    TestDialog dialog;
    int clampedHigh = -1, clampedLow = -1, tics = -1, firstTic = -1, secondTic = -1, noTic = 0;
    dialog.afterInit = [&](TestDialog& d) {
        d.m_slider.SetRangeMin(0, TRUE);
        d.m_slider.SetRangeMax(9, TRUE);
        d.m_slider.SetPos(12);
        clampedHigh = d.m_slider.GetPos();
        d.m_slider.SetPos(-3);
        clampedLow = d.m_slider.GetPos();
        d.m_slider.SetPos(3);
        d.m_slider.ClearTics(TRUE);
        d.m_slider.SetTic(2);
        d.m_slider.SetTic(5);
        tics = d.m_slider.GetNumTics();
        firstTic = d.m_slider.GetTicPos(0);
        secondTic = d.m_slider.GetTicPos(1);
        noTic = d.m_slider.GetTicPos(2);
        d.m_apply.EnableWindow(FALSE);
        d.ModifyStyle(WS_SYSMENU, 0);
        d.SetWindowText(u"Framework test ä");
    };
    RunDriven(
        dialog,
        [&](HWND window) {
            HWND slider = ::GetDlgItem(window, IDC_TEST_SLIDER);
            EXPECT_EQ(::SendMessageW(slider, TBM_GETRANGEMAX, 0, 0), 9);
            EXPECT_EQ(::SendMessageW(slider, TBM_GETPOS, 0, 0), 3);
            EXPECT_FALSE(ui::IsEnabled(window, IDC_TEST_APPLY));
            // OnInitDialog returned TRUE: the first tab stop has the focus.
            EXPECT_EQ(ui::FocusOf(window), ::GetDlgItem(window, IDC_TEST_BOX_A));
            EXPECT_EQ(::GetWindowLongW(window, GWL_STYLE) & WS_SYSMENU, 0);
            Finish(window, IDCANCEL);
        },
        L"Framework test ä");
    EXPECT_EQ(clampedHigh, 9);
    EXPECT_EQ(clampedLow, 0);
    EXPECT_EQ(tics, 4); // the two set and the two at the ends
    EXPECT_GT(firstTic, 0);
    EXPECT_GT(secondTic, firstTic);
    EXPECT_EQ(noTic, -1);
    EXPECT_EQ(dialog.m_slider.GetRangeMax(), 0) << "no control after the dialog has gone";
}

TEST(Application, NameComesFromTheStringTable) {
    Win32TextPort texts;
    theTestApp.LoadAppName(texts);
    EXPECT_STREQ(theTestApp.GetAppName(), L" ");
    EXPECT_EQ(AfxGetApp(), &theTestApp);
}

TEST(AfxMessageBox, OwnedByTheActiveWindowWithBlankCaptionAndIcon) {
    Win32TextPort texts;
    theTestApp.LoadAppName(texts);
    struct Case {
        UINT type;
        WORD icon; // a system icon id
    };
    // Without an icon flag the exclamation icon is added; an icon asked for is kept.
    // 32515 and 32516: the system's exclamation and information icons.
    const Case cases[] = {{MB_OK, 32515}, {MB_OK | MB_ICONINFORMATION, 32516}};
    for (const Case& c : cases) {
        TestDialog dialog;
        dialog.promptId = IDS_TEST_PROMPT;
        dialog.promptType = c.type;
        RunDriven(dialog, [&](HWND window) {
            ui::Click(window, IDC_TEST_PROMPT);
            HWND box = ui::WaitForOwnedDialog(window);
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(ui::Text(box), L" ");
            EXPECT_EQ(ui::MessageBoxText(box), GermanSession() ? L"Testmeldung" : L"Test prompt");
            EXPECT_EQ(ui::MessageBoxIcon(box), ::LoadIconW(nullptr, MAKEINTRESOURCEW(c.icon)));
            EXPECT_FALSE(::IsWindowEnabled(window)) << "the box is modal to its owner";
            ui::AnswerMessageBox(box, IDOK);
            ui::WaitUntilGone(box);
            Finish(window, IDCANCEL);
        });
        EXPECT_EQ(dialog.promptResult, IDOK);
    }
}

TEST(AfxMessageBox, MissingStringShowsNothing) {
    TestDialog dialog;
    int result = -99;
    dialog.afterInit = [&](TestDialog&) { result = AfxMessageBox(IDS_TEST_MISSING, MB_OK); };
    RunDriven(dialog, [](HWND window) { Finish(window, IDCANCEL); });
    EXPECT_EQ(result, 0);
}

TEST(SetControlText, SetsWhatExistsAndSkipsTheRest) {
    struct Case {
        int control;
        UINT string;
        bool set;
    };
    const Case cases[] = {{IDC_TEST_BOX_A, IDS_TEST_CAPTION, true},
                          {4242, IDS_TEST_CAPTION, false},
                          {IDC_TEST_BOX_B, IDS_TEST_MISSING, false}};
    Win32TextPort texts;
    TestDialog dialog;
    std::vector<bool> results;
    std::wstring boxA, boxB;
    dialog.afterInit = [&](TestDialog& d) {
        for (const Case& c : cases) {
            results.push_back(SetControlText(texts, d.m_hWnd, c.control, c.string));
        }
        boxA = ui::ControlText(d.m_hWnd, IDC_TEST_BOX_A);
        boxB = ui::ControlText(d.m_hWnd, IDC_TEST_BOX_B);
        d.EndDialog(IDCANCEL);
    };
    dialog.DoModal();
    ASSERT_EQ(results.size(), std::size(cases));
    for (std::size_t i = 0; i < results.size(); ++i) {
        EXPECT_EQ(results[i], cases[i].set) << i;
    }
    EXPECT_EQ(boxA, GermanSession() ? L"Umbenannt" : L"Renamed");
    EXPECT_EQ(boxB, L"Box B");
}

} // namespace
