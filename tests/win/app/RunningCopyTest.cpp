#include "app/RunningCopy.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/CTuneboxApp.h"
#include "app/ResourceIds.h"
#include "platform/win32/WideText.h"
#include "tests/win/support/UiDriver.h"

namespace {

constexpr wchar_t kTitle[] = L"TX-90KL Treibereinstellungen";

// Hidden top-level windows with given titles, destroyed with the fixture.
class RunningCopyTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = ::DefWindowProcW;
        windowClass.hInstance = ::GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"RunningCopyTestWindow";
        ::RegisterClassW(&windowClass);
    }

    void TearDown() override {
        for (HWND window : m_windows) {
            ::DestroyWindow(window);
        }
    }

    HWND MakeWindow(const std::wstring& title) {
        HWND window =
            ::CreateWindowExW(0, L"RunningCopyTestWindow", title.c_str(), WS_OVERLAPPEDWINDOW, 10,
                              10, 200, 100, nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
        EXPECT_NE(window, nullptr);
        m_windows.push_back(window);
        return window;
    }

    std::vector<HWND> m_windows;
};

TEST_F(RunningCopyTest, MatchesWindowsWhoseTextBeginsWithTheTitle) {
    struct Case {
        std::wstring text;
        std::wstring title;
        bool matches;
    };
    const std::wstring longTitle(600, L'A');
    const Case cases[] = {
        {kTitle, kTitle, true},
        {std::wstring(kTitle) + L" (2)", kTitle, true},
        {L"tx-90kl treibereinstellungen", kTitle, false},
        {L"TX-90KL Treibereinstellung", kTitle, false},
        {L"Editor - TX-90KL Treibereinstellungen", kTitle, false},
        {L"", kTitle, false},
        // Only 514 characters of a window's text are read: a longer title never matches.
        {longTitle, longTitle, false},
        {longTitle, longTitle.substr(0, 514), true},
    };
    for (const Case& c : cases) {
        HWND window = MakeWindow(c.text);
        BOOL goOn = ActivateMatchingWindow(window, reinterpret_cast<LPARAM>(c.title.c_str()));
        EXPECT_EQ(goOn, c.matches ? FALSE : TRUE) << c.text.size() << " " << c.title.size();
        EXPECT_EQ(::IsWindowVisible(window) != FALSE, c.matches) << c.text.size();
        ::ShowWindow(window, SW_HIDE);
    }
}

TEST_F(RunningCopyTest, MatchBecomesTheForegroundWindow) {
    HWND other = MakeWindow(L"Other");
    ::ShowWindow(other, SW_SHOW);
    ::SetForegroundWindow(other);
    HWND running = MakeWindow(kTitle);
    ActivateRunningCopy(AsUtf16(kTitle));
    EXPECT_TRUE(::IsWindowVisible(running));
    EXPECT_EQ(::GetForegroundWindow(), running);
}

TEST_F(RunningCopyTest, FirstMatchEndsTheSearch) {
    HWND older = MakeWindow(kTitle);
    HWND newer = MakeWindow(std::wstring(kTitle) + L" - 2");
    ::SetWindowPos(newer, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ActivateRunningCopy(AsUtf16(kTitle));
    EXPECT_TRUE(::IsWindowVisible(newer));
    EXPECT_FALSE(::IsWindowVisible(older));
}

TEST_F(RunningCopyTest, EmptyTitleMakesNoSearch) {
    // Every text begins with the empty title: a search would show the first window.
    HWND first = MakeWindow(L"First");
    ::SetWindowPos(first, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ASSERT_EQ(ui::FirstTopWindow(), first);
    ActivateRunningCopy(u"");
    EXPECT_FALSE(::IsWindowVisible(first));
}

TEST(InstanceMutexName, VendorPrefixFullStopAndExecutableName) {
    EXPECT_EQ(InstanceMutexName(), u"com.zelvarin.audio.Qzdp4406.exe");
}

TEST(CTuneboxApp, HelpCommandHasAHandlerAndNothingElse) {
    CTuneboxApp app;
    EXPECT_EQ(AfxGetApp(), &app);
    EXPECT_TRUE(app.OnCmdMsg(ID_HELP, 0));
    EXPECT_FALSE(app.OnCmdMsg(IDOK, 0));
}

} // namespace
