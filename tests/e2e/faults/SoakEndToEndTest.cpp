// The real applet left open on its own refresh timer against the kernel driver for a while
// (TX_SOAK_SECONDS, 20 by default; tools/soak.sh runs minutes): the process holds no more
// handles, USER objects or memory at the end than after its start, and it closed every link.

#include "tests/e2e/faults/FaultAppletFixture.h"
#include "tests/win/faults/ProcessFigures.h"

#include "app/ResourceIds.h"
#include "tests/win/support/UiDriver.h"

#include <cstdio>
#include <cstdlib>

namespace {

constexpr DWORD kDefaultSeconds = 20;
// Refreshes before the first reading, so that every path of a refresh has run once.
constexpr std::uint32_t kWarmUpRefreshes = 6;
// The soak goes on until at least this many refreshes have run, however slow the machine.
constexpr std::uint32_t kLeastRefreshes = 30;
constexpr DWORD kUnitCountTurnMs = 1000;
// Growth allowed between the two readings: a reading may catch the handle of a refresh in
// flight, and the platform may settle a few pages of its own.
constexpr std::uint32_t kHandleTolerance = 2;
constexpr std::uint32_t kGdiTolerance = 2;
constexpr std::uint32_t kUserTolerance = 0;
constexpr std::uint64_t kPagefileToleranceBytes = 1024 * 1024;

DWORD SoakSeconds() {
    const char* text = std::getenv("TX_SOAK_SECONDS");
    const long seconds = text != nullptr ? std::strtol(text, nullptr, 10) : 0;
    return seconds > 0 ? static_cast<DWORD>(seconds) : kDefaultSeconds;
}

using SoakEndToEnd = FaultAppletFixture;

TEST_F(SoakEndToEnd, RealTimerRefreshesLeaveNothingBehind) {
    const DWORD seconds = SoakSeconds();
    AppletProcess applet;
    HWND settings = WaitForSettingsWindow(applet);
    ASSERT_NE(settings, nullptr);
    HANDLE process = ::OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, applet.Id());
    ASSERT_NE(process, nullptr);
    ASSERT_TRUE(ui::WaitUntil([&] { return Served(kSimGetStreamState) >= 1 + kWarmUpRefreshes; }));
    const std::uint32_t refreshesBefore = Served(kSimGetStreamState);
    const ProcessFigures before = ProcessFigures::Read(process, applet.Id());

    // One unit, then two, in turn, so that the size line changes every second; the soak lasts
    // its time and at least its least number of refreshes, within a generous bound.
    const ULONGLONG end = ::GetTickCount64() + seconds * 1000ULL;
    const ULONGLONG limit = end + seconds * 2000ULL + 60000;
    for (std::uint32_t units = 2;; units = 3 - units) {
        const ULONGLONG now = ::GetTickCount64();
        if (now >= limit ||
            (now >= end && Served(kSimGetStreamState) >= refreshesBefore + kLeastRefreshes)) {
            break;
        }
        control.EditScenario([&](SimScenario& s) { s.units[0].streamUnitCount = units; });
        ::Sleep(kUnitCountTurnMs);
    }
    ASSERT_TRUE(::IsWindow(settings));
    const ProcessFigures after = ProcessFigures::Read(process, applet.Id());
    const std::uint32_t refreshes = Served(kSimGetStreamState) - refreshesBefore;
    std::printf("%lu s of the real timer, %u refreshes: %s\n", static_cast<unsigned long>(seconds),
                refreshes, ProcessFigures::Compare(before, after).c_str());

    EXPECT_GE(refreshes, kLeastRefreshes);
    EXPECT_LE(after.handles, before.handles + kHandleTolerance);
    if (before.gdiObjects && after.gdiObjects) {
        EXPECT_LE(*after.gdiObjects, *before.gdiObjects + kGdiTolerance);
    }
    EXPECT_LE(after.userObjects, before.userObjects + kUserTolerance);
    EXPECT_LE(after.pagefileBytes, before.pagefileBytes + kPagefileToleranceBytes);
    ::CloseHandle(process);
    ui::PostCommand(settings, IDCANCEL);
    EXPECT_TRUE(applet.WaitForExit());
}

} // namespace
