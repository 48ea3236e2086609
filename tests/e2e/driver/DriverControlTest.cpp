// The control device's own protocol, as the tests and the control tool use it.

#include "app/ProductIdentity.h"
#include "tests/e2e/driver/DriverTestFixture.h"

#include <windows.h>

#include <cstring>
#include <memory>

namespace {

using DriverControlTest = DriverTestFixture;

bool SendToControl(uint32_t code, void* in, DWORD inLength, void* out, DWORD outLength) {
    const std::u16string path =
        u"\\\\.\\" + std::u16string(kDeviceLinkBaseName) + kSimControlLinkSuffix;
    HANDLE handle =
        CreateFileW(reinterpret_cast<const wchar_t*>(path.c_str()), GENERIC_READ | GENERIC_WRITE, 0,
                    nullptr, OPEN_EXISTING, 0, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return false;
    }
    DWORD returned = 0;
    const BOOL ok = DeviceIoControl(handle, code, in, inLength, out, outLength, &returned, nullptr);
    CloseHandle(handle);
    return ok != 0;
}

TEST_F(DriverControlTest, ScenarioTravelsWholeBothWays) {
    auto sent = std::make_unique<SimScenario>();
    auto back = std::make_unique<SimScenario>();
    // Every byte distinct from its neighbours, so a shifted or cut copy shows.
    auto* bytes = reinterpret_cast<uint8_t*>(sent.get());
    for (size_t i = 0; i < sizeof(SimScenario); ++i) {
        bytes[i] = static_cast<uint8_t>(i * 7 + 3);
    }
    sent->unplugAt = 0;
    for (SimUnitScenario& unit : sent->units) {
        unit.present = 0;
    }
    ASSERT_TRUE(m_control.SetScenario(*sent));
    ASSERT_TRUE(m_control.GetScenario(*back));
    EXPECT_EQ(std::memcmp(sent.get(), back.get(), sizeof(SimScenario)), 0);
    EXPECT_FALSE(LinkOpens(1));
}

TEST_F(DriverControlTest, RefusesRequestsOfAnyOtherLength) {
    auto scenario = std::make_unique<SimScenario>();
    ASSERT_TRUE(m_control.GetScenario(*scenario));
    scenario->units[0].present = 0;
    std::vector<uint8_t> out(sizeof(SimScenario) + 16, kFill);
    EXPECT_FALSE(
        SendToControl(kSimCtlSetScenario, scenario.get(), sizeof(SimScenario) - 4, nullptr, 0));
    EXPECT_FALSE(
        SendToControl(kSimCtlGetScenario, nullptr, 0, out.data(), static_cast<DWORD>(out.size())));
    EXPECT_FALSE(SendToControl(kSimCtlGetCounters, nullptr, 0, out.data(), 8));
    EXPECT_FALSE(SendToControl(SimControlCode(0xA3F), nullptr, 0, nullptr, 0));
    EXPECT_EQ(std::count(out.begin(), out.end(), kFill), static_cast<long>(out.size()));
    EXPECT_TRUE(LinkOpens(1)) << "a refused scenario must not have been applied";
}

TEST_F(DriverControlTest, TraceIsReadPageByPageUpToItsCapacity) {
    constexpr uint32_t kExchanges = 200; // 600 entries: more than the driver keeps
    for (uint32_t i = 0; i < kExchanges; ++i) {
        std::vector<uint8_t> buffer;
        ASSERT_TRUE(Exchange(1, i % 2 ? kSimGetMatchMode : kSimGetSampleRate, buffer));
    }
    std::vector<SimTraceEntry> trace;
    uint32_t total = 0;
    ASSERT_TRUE(m_control.ReadTrace(trace, total));
    EXPECT_EQ(total, 3 * kExchanges);
    ASSERT_EQ(trace.size(), kSimTraceCapacity);
    for (size_t i = 0; i < trace.size(); ++i) {
        const uint32_t expected[] = {kSimOpen, kSimControl, kSimClose};
        ASSERT_EQ(trace[i].operation, expected[i % 3]) << "entry " << i;
    }
    // The first entry of the third page: the request of exchange 85.
    EXPECT_EQ(trace[kSimTracePageEntries * 2].code, kSimGetMatchMode);
}

TEST_F(DriverControlTest, ClearingKeepsTheScenario) {
    Configure([](SimScenario& s) { s.units[1].present = 1; });
    EXPECT_TRUE(LinkOpens(2));
    ASSERT_TRUE(m_control.ClearCounters());
    const SimCounters counters = Counters();
    EXPECT_EQ(counters.operations, 0u);
    EXPECT_EQ(counters.traceTotal, 0u);
    EXPECT_TRUE(LinkOpens(2));
}

} // namespace
