// The settings window as it opens and as the user changes the slider and the check boxes:
// the driver's values in the controls, the captions, the buffer size line and the meter, the
// tick labels.

#include "tests/win/ui/SettingsWindowFixture.h"

#include "app/ResourceIds.h"
#include "driver/RecordFields.h"
#include "tests/win/support/UiDriver.h"

#include <commctrl.h>

#include <array>

namespace {

using Fixture = SettingsWindowFixture;
namespace Layout = RecordLayout;

int SliderPos(HWND settings) {
    return static_cast<int>(::SendDlgItemMessageW(settings, IDC_SLD_BUFFER_SIZE, TBM_GETPOS, 0, 0));
}

int MeterLength(HWND settings, int controlId) {
    return static_cast<int>(ui::ControlText(settings, controlId).size());
}

bool IsShown(HWND settings, int controlId) {
    return ::IsWindowVisible(::GetDlgItem(settings, controlId)) != FALSE;
}

void Close(HWND settings, int button) {
    ui::Click(settings, button);
    ui::WaitUntilGone(settings);
}

struct CaptionCase {
    int controlId;
    UINT stringId;
};
// The controls of this template that get a caption from the string table.
constexpr std::array<CaptionCase, 16> kCaptions = {{
    {IDC_GRP_MIDI_IN, IDS_GRP_MIDI_IN_TYPE},
    {IDC_CHK_MIDI_LIGHT_LOAD, IDS_BN_MIDI_IN_TYPE},
    {IDC_GRP_BUF_SIZE, IDS_GRP_BUF_SIZE},
    {IDC_TXT_MIN, IDS_ABB_MIN},
    {IDC_TXT_MAX, IDS_ABB_MAX},
    {IDC_GRP_PERFORMANCE, IDS_GRP_PERFORMANCE},
    {IDC_TXT_REALTIME_LABEL, IDS_STATIC_REALTIME},
    {IDC_TXT_STABILITY_LABEL, IDS_STATIC_STABILITY},
    {IDC_GRP_ASIO, IDS_GRP_ASIO},
    {IDC_CHK_ASIO_DIRECT_MON, IDS_BN_ASIO_MON},
    {IDC_CHK_ASIO_SMALLER, IDS_BN_ASIO_SMALLER},
    {IDC_TXT_ASIO_CREDIT, IDS_STATIC_STEINBERG},
    {IDC_BTN_README, IDS_README},
    {IDOK, IDS_OK},
    {IDCANCEL, IDS_CANCEL},
    {IDC_BTN_APPLY, IDS_APPLY},
}};

TEST_F(Fixture, OpensWithTheDriversSettingsTitleAndCaptions) {
    SetRecordWord(0, Layout::kBufferLevel, 3);
    SetRecordWord(0, Layout::kAsioDirectMonitor, 1);
    SetRecordWord(0, Layout::kSmallerAsioBuffer, 0);
    SetRecordWord(0, Layout::kMidiInLightLoad, 1);
    const INT_PTR result = RunOpen([&](HWND settings) {
        EXPECT_EQ(ui::ControlText(settings, IDC_TXT_VERSION), L"TX-90KL Driver 1.2.3");
        EXPECT_EQ(ui::ControlText(settings, IDC_TXT_COPYRIGHT), L"(c) 2031 Test Maker");
        for (const CaptionCase& c : kCaptions) {
            EXPECT_EQ(ui::ControlText(settings, c.controlId), LoadWide(texts, c.stringId))
                << "control " << c.controlId;
        }
        EXPECT_EQ(SliderPos(settings), 3);
        EXPECT_EQ(ui::CheckState(settings, IDC_CHK_ASIO_DIRECT_MON), BST_CHECKED);
        EXPECT_EQ(ui::CheckState(settings, IDC_CHK_ASIO_SMALLER), BST_UNCHECKED);
        EXPECT_EQ(ui::CheckState(settings, IDC_CHK_MIDI_LIGHT_LOAD), BST_CHECKED);
        EXPECT_FALSE(ui::IsEnabled(settings, IDC_BTN_APPLY));
        EXPECT_TRUE(ui::IsEnabled(settings, IDC_BTN_README));
        EXPECT_EQ(ui::FocusOf(settings), ::GetDlgItem(settings, IDC_SLD_BUFFER_SIZE));

        const auto bigIcon = ::SendMessageW(settings, WM_GETICON, ICON_BIG, 0);
        EXPECT_NE(bigIcon, 0);
        EXPECT_EQ(::SendMessageW(settings, WM_GETICON, ICON_SMALL, 0), bigIcon);
        EXPECT_EQ(::SendMessageW(settings, WM_QUERYDRAGICON, 0, 0), bigIcon);
        Close(settings, IDCANCEL);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(Requests(kSimGetSettings), 1u);
}

TEST_F(Fixture, CheckBoxesShowDriverValuesAndWriteBackWhatTheyShow) {
    struct Case {
        std::int32_t driverValue; // all three switches
        int directAndSmallerShown;
        int lightLoadShown;
        std::int32_t directAndSmallerWritten;
        std::int32_t lightLoadWritten;
    };
    // Non-zero switches count as on; a light load outside 0..2 shows unchecked and goes back
    // as 0.
    const Case cases[] = {{7, 1, 0, 1, 0}, {1, 1, 1, 1, 1}, {0, 0, 0, 0, 0}, {-1, 1, 0, 1, 0}};
    for (const Case& c : cases) {
        model->Reset();
        for (std::uint32_t offset :
             {Layout::kAsioDirectMonitor, Layout::kSmallerAsioBuffer, Layout::kMidiInLightLoad}) {
            SetRecordWord(0, static_cast<std::uint32_t>(offset), c.driverValue);
        }
        const INT_PTR result = RunOpen([&](HWND settings) {
            EXPECT_EQ(ui::CheckState(settings, IDC_CHK_ASIO_DIRECT_MON), c.directAndSmallerShown);
            EXPECT_EQ(ui::CheckState(settings, IDC_CHK_ASIO_SMALLER), c.directAndSmallerShown);
            EXPECT_EQ(ui::CheckState(settings, IDC_CHK_MIDI_LIGHT_LOAD), c.lightLoadShown);
            Close(settings, IDOK);
        });
        EXPECT_EQ(result, IDOK);
        EXPECT_EQ(StoredWord(0, Layout::kAsioDirectMonitor), c.directAndSmallerWritten)
            << c.driverValue;
        EXPECT_EQ(StoredWord(0, Layout::kSmallerAsioBuffer), c.directAndSmallerWritten)
            << c.driverValue;
        EXPECT_EQ(StoredWord(0, Layout::kMidiInLightLoad), c.lightLoadWritten) << c.driverValue;
    }
}

TEST_F(Fixture, SliderNotificationThatLeavesThePositionStillEnablesApply) {
    struct Case {
        std::int32_t level;
        UINT key;
    };
    for (const Case& c : {Case{9, VK_RIGHT}, Case{0, VK_LEFT}}) {
        SetRecordWord(0, Layout::kBufferLevel, c.level);
        RunOpen([&](HWND settings) {
            ASSERT_FALSE(ui::IsEnabled(settings, IDC_BTN_APPLY));
            SendKey(::GetDlgItem(settings, IDC_SLD_BUFFER_SIZE), c.key);
            EXPECT_EQ(SliderPos(settings), c.level);
            EXPECT_TRUE(ui::IsEnabled(settings, IDC_BTN_APPLY)) << c.level;
            Close(settings, IDCANCEL);
        });
    }
}

TEST_F(Fixture, BufferSizeAndMeterForTheStreamStateLevelAndSwitch) {
    struct Case {
        std::int32_t rate;
        std::uint32_t units;
        std::int32_t level;
        std::int32_t smaller;
        const wchar_t* sizeLine;
        int realTime;
        int stability;
    };
    const Case cases[] = {
        {48000, 1, 5, 0, L"ASIO Buffer Size:  320 samples", 5, 7},
        {48000, 2, 0, 1, L"ASIO Buffer Size:  176 samples", 11, 1},
        {384000, 2, 9, 0, L"ASIO Buffer Size: 11808 samples", 1, 11},
        {192001, 4, 0, 0, L"ASIO Buffer Size: 1648 samples", 10, 2},
        {44100, 7, 9, 1, L"ASIO Buffer Size:  576 samples", 2, 10},
    };
    for (const Case& c : cases) {
        model->Reset();
        EditUnit(0, [&](SimUnitScenario& unit) {
            unit.streamRate = c.rate;
            unit.streamUnitCount = c.units;
        });
        SetRecordWord(0, Layout::kBufferLevel, c.level);
        SetRecordWord(0, Layout::kSmallerAsioBuffer, c.smaller);
        RunOpen([&](HWND settings) {
            EXPECT_EQ(ui::ControlText(settings, IDC_TXT_ASIO_BUF_SIZE), c.sizeLine);
            EXPECT_EQ(MeterLength(settings, IDC_TXT_REALTIME_METER), c.realTime) << c.sizeLine;
            EXPECT_EQ(MeterLength(settings, IDC_TXT_STABILITY_METER), c.stability) << c.sizeLine;
            EXPECT_EQ(ui::ControlText(settings, IDC_TXT_STABILITY_METER),
                      std::wstring(static_cast<std::size_t>(c.stability), L'O'));
            Close(settings, IDCANCEL);
        });
    }
}

TEST_F(Fixture, DisplayFollowsSliderAndSwitchAtOnceAndKeepsItWhenTheQueryFails) {
    RunOpen([&](HWND settings) {
        HWND slider = ::GetDlgItem(settings, IDC_SLD_BUFFER_SIZE);
        EXPECT_EQ(ui::ControlText(settings, IDC_TXT_ASIO_BUF_SIZE),
                  L"ASIO Buffer Size:  320 samples");
        SendKey(slider, VK_RIGHT);
        EXPECT_EQ(ui::ControlText(settings, IDC_TXT_ASIO_BUF_SIZE),
                  L"ASIO Buffer Size:  480 samples");
        EXPECT_EQ(MeterLength(settings, IDC_TXT_REALTIME_METER), 4);
        ui::ClickAndWait(settings, IDC_CHK_ASIO_SMALLER);
        EXPECT_EQ(ui::ControlText(settings, IDC_TXT_ASIO_BUF_SIZE),
                  L"ASIO Buffer Size:  336 samples");
        EXPECT_EQ(MeterLength(settings, IDC_TXT_REALTIME_METER), 5);
        EXPECT_EQ(MeterLength(settings, IDC_TXT_STABILITY_METER), 7);

        // Neither a reported nor a derived stream state: nothing changes any more.
        EditUnit(0, [](SimUnitScenario& unit) {
            unit.failCodes[0] = kSimGetStreamState;
            unit.failCodes[1] = kSimGetIdentity;
        });
        SendKey(slider, VK_RIGHT);
        EXPECT_EQ(SliderPos(settings), 7);
        EXPECT_EQ(ui::ControlText(settings, IDC_TXT_ASIO_BUF_SIZE),
                  L"ASIO Buffer Size:  336 samples");
        EXPECT_EQ(MeterLength(settings, IDC_TXT_REALTIME_METER), 5);
        Close(settings, IDCANCEL);
    });
}

TEST_F(Fixture, LevelOutsideTheSliderRangeIsShownAndWrittenAsTheNearestEnd) {
    struct Case {
        std::int32_t driverLevel;
        int shown;
        const wchar_t* sizeLine;
    };
    const Case cases[] = {{12, 9, L"ASIO Buffer Size:  960 samples"},
                          {-3, 0, L"ASIO Buffer Size:  160 samples"},
                          {INT32_MIN, 0, L"ASIO Buffer Size:  160 samples"}};
    for (const Case& c : cases) {
        model->Reset();
        SetRecordWord(0, Layout::kBufferLevel, c.driverLevel);
        const INT_PTR result = RunOpen([&](HWND settings) {
            EXPECT_EQ(SliderPos(settings), c.shown);
            EXPECT_EQ(ui::ControlText(settings, IDC_TXT_ASIO_BUF_SIZE), c.sizeLine);
            Close(settings, IDOK);
        });
        EXPECT_EQ(result, IDOK);
        EXPECT_EQ(StoredWord(0, Layout::kBufferLevel), c.shown) << c.driverLevel;
    }
}

// Counts the texts set into a control, on the window's own thread.
class SetTextCounter {
public:
    explicit SetTextCounter(HWND control) : m_control(control) {
        ::SetPropW(control, kCountProp, nullptr);
        m_original = ::SetWindowLongPtrW(control, GWLP_WNDPROC,
                                         reinterpret_cast<LONG_PTR>(&SetTextCounter::Procedure));
        ::SetPropW(control, kOriginalProp, reinterpret_cast<HANDLE>(m_original));
    }
    ~SetTextCounter() { ::SetWindowLongPtrW(m_control, GWLP_WNDPROC, m_original); }
    SetTextCounter(const SetTextCounter&) = delete;
    SetTextCounter& operator=(const SetTextCounter&) = delete;

    std::uintptr_t Count() const {
        return reinterpret_cast<std::uintptr_t>(::GetPropW(m_control, kCountProp));
    }

private:
    static constexpr const wchar_t* kCountProp = L"tx.settext.count";
    static constexpr const wchar_t* kOriginalProp = L"tx.settext.original";

    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_SETTEXT) {
            const auto count = reinterpret_cast<std::uintptr_t>(::GetPropW(window, kCountProp));
            ::SetPropW(window, kCountProp, reinterpret_cast<HANDLE>(count + 1));
        }
        const auto original = reinterpret_cast<WNDPROC>(::GetPropW(window, kOriginalProp));
        return ::CallWindowProcW(original, window, message, wParam, lParam);
    }

    HWND m_control;
    LONG_PTR m_original = 0;
};

TEST_F(Fixture, RefreshSetsOnlyTheTextsThatChanged) {
    RunOpen([&](HWND settings) {
        SetTextCounter size(::GetDlgItem(settings, IDC_TXT_ASIO_BUF_SIZE));
        SetTextCounter realTime(::GetDlgItem(settings, IDC_TXT_REALTIME_METER));
        SetTextCounter stability(::GetDlgItem(settings, IDC_TXT_STABILITY_METER));
        const std::uint32_t before = Requests(kSimGetStreamState);
        ASSERT_TRUE(ui::WaitUntil([&] { return Requests(kSimGetStreamState) >= before + 2; }));
        Settle(settings);
        EXPECT_EQ(size.Count() + realTime.Count() + stability.Count(), 0u);

        // Another unit count at the same level: the size changes, the meter does not.
        EditUnit(0, [](SimUnitScenario& unit) { unit.streamUnitCount = 2; });
        ASSERT_TRUE(ui::WaitUntil([&] { return size.Count() == 1; }));
        EXPECT_EQ(ui::ControlText(settings, IDC_TXT_ASIO_BUF_SIZE),
                  L"ASIO Buffer Size:  480 samples");
        EXPECT_EQ(realTime.Count() + stability.Count(), 0u);
        Close(settings, IDCANCEL);
    });
}

TEST_F(Fixture, MissingSizeFormatGivesAnEmptySizeLine) {
    texts.hidden = {IDS_FMT_ASIO_BUF_SIZE};
    RunOpen([&](HWND settings) {
        EXPECT_EQ(ui::ControlText(settings, IDC_TXT_ASIO_BUF_SIZE), L"");
        EXPECT_EQ(MeterLength(settings, IDC_TXT_REALTIME_METER), 5);
        Close(settings, IDCANCEL);
    });
}

// Screen x of the slider's tick at position.
int TickScreenX(HWND slider, int position) {
    POINT point{static_cast<LONG>(::SendMessageW(slider, TBM_GETTICPOS, position, 0)), 0};
    ::ClientToScreen(slider, &point);
    return point.x;
}

TEST_F(Fixture, TickLabelsSitCentredUnderTheirTicks) {
    SetRecordWord(0, Layout::kBufferLevel, 3);
    RunOpen([&](HWND settings) {
        HWND slider = ::GetDlgItem(settings, IDC_SLD_BUFFER_SIZE);
        ASSERT_EQ(::SendMessageW(slider, TBM_GETNUMTICS, 0, 0), 10 + 2); // and the two ends
        int oddWidths = 0;
        auto expectAllUnderTheirTicks = [&] {
            auto expectUnder = [&](int controlId, int tick) {
                RECT rect{};
                ::GetWindowRect(::GetDlgItem(settings, controlId), &rect);
                const int width = rect.right - rect.left;
                const int x = TickScreenX(slider, tick);
                EXPECT_EQ(x - rect.left, width / 2) << "label " << controlId;
                oddWidths += width % 2;
            };
            for (int tick = 0; tick <= 9; ++tick) {
                EXPECT_TRUE(IsShown(settings, IDC_TXT_TICK1 + tick));
                expectUnder(IDC_TXT_TICK1 + tick, tick);
            }
            expectUnder(IDC_TXT_TICK_DEFAULT, 5);
            EXPECT_TRUE(IsShown(settings, IDC_TXT_TICK_DEFAULT));
            EXPECT_FALSE(IsShown(settings, IDC_TXT_TICK11));
        };
        expectAllUnderTheirTicks();
        // The template's labels come out an even number of pixels wide here; one pixel more
        // shows the rounding: the odd label sits (w - 1) / 2 pixels left of its tick.
        for (int id = IDC_TXT_TICK1; id <= IDC_TXT_TICK_DEFAULT; ++id) {
            HWND label = ::GetDlgItem(settings, id);
            RECT rect{};
            ::GetWindowRect(label, &rect);
            ::SetWindowPos(label, nullptr, 0, 0, (rect.right - rect.left) | 1,
                           rect.bottom - rect.top, SWP_NOMOVE | SWP_NOZORDER);
        }
        oddWidths = 0;
        dialog->PlaceTickLabels();
        expectAllUnderTheirTicks();
        EXPECT_EQ(oddWidths, 11);
        // The label under the driver's level reads one more than the level.
        EXPECT_EQ(SliderPos(settings), 3);
        EXPECT_EQ(ui::ControlText(settings, IDC_TXT_TICK4), L"4");
        Close(settings, IDCANCEL);
    });
}

} // namespace
