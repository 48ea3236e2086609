// Ten thousand refreshes of the buffer size display in-process, driven one by one: the
// process holds no more handles, GDI or USER objects or memory afterwards than before, and
// every device link opened was closed.

#include "tests/win/faults/FaultFixture.h"
#include "tests/win/faults/ProcessFigures.h"

#include "app/ResourceIds.h"
#include "tests/win/support/UiDriver.h"

#include <cstdio>

namespace {

constexpr int kWarmUpRefreshes = 100;
constexpr int kSoakRefreshes = 10000;
// Growth allowed between the two readings: nothing lasting may be left behind by a refresh,
// but the platform may still settle a few objects and heap pages of its own.
constexpr std::uint32_t kHandleTolerance = 2;
constexpr std::uint32_t kGdiTolerance = 2;
constexpr std::uint32_t kUserTolerance = 0;
constexpr std::uint64_t kPagefileToleranceBytes = 512 * 1024;

using SoakFixture = FaultFixture;

TEST_F(SoakFixture, TenThousandRefreshesLeaveNothingBehind) {
    // Two unit counts in turn, so that every refresh sets a new size line. The window is
    // painted before each reading: painting makes objects of its own the first time (themes,
    // fonts), and both readings must be taken in the same state.
    auto refresh = [&](HWND settings, int count) {
        for (int i = 0; i < count; ++i) {
            EditUnit(0, [&](SimUnitScenario& unit) { unit.streamUnitCount = 1 + i % 2; });
            Refresh(settings);
        }
        ::RedrawWindow(settings, nullptr, nullptr,
                       RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        Settle(settings);
    };
    RunOpen([&](HWND settings) {
        refresh(settings, kWarmUpRefreshes);
        const ProcessFigures before =
            ProcessFigures::Read(::GetCurrentProcess(), ::GetCurrentProcessId());
        refresh(settings, kSoakRefreshes);
        const ProcessFigures after =
            ProcessFigures::Read(::GetCurrentProcess(), ::GetCurrentProcessId());
        std::printf("%d refreshes in-process: %s\n", kSoakRefreshes,
                    ProcessFigures::Compare(before, after).c_str());

        EXPECT_LE(after.handles, before.handles + kHandleTolerance);
        ASSERT_TRUE(before.gdiObjects && after.gdiObjects);
        EXPECT_LE(*after.gdiObjects, *before.gdiObjects + kGdiTolerance);
        EXPECT_LE(after.userObjects, before.userObjects + kUserTolerance);
        EXPECT_LE(after.pagefileBytes, before.pagefileBytes + kPagefileToleranceBytes);
        EXPECT_EQ(ui::ControlText(settings, IDC_TXT_ASIO_BUF_SIZE),
                  L"ASIO Buffer Size:  480 samples");
        ui::Click(settings, IDCANCEL);
    });
    // The first refresh at initialisation, then every one the test made.
    EXPECT_EQ(Requests(kSimGetStreamState), 1u + kWarmUpRefreshes + kSoakRefreshes);
    ExpectOpensEqualCloses();
}

} // namespace
