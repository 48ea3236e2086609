// The driver interface through the Win32 kernel backend against the substitute kernel driver:
// real CreateFileW / DeviceIoControl / CloseHandle, checked by the driver's own trace. The
// driver sees only the links that exist, and under Wine a close reaches it some time after
// CloseHandle returned: the trace is compared without closes, and the closes are awaited.

#include "tests/unit/driver/TraceText.h"

#include "driver/DeviceSlotSet.h"
#include "platform/win32/Win32KernelPort.h"
#include "simdriver/control/SimControlClient.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include <vector>

namespace {

class KernelBackendTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_control.Reset())
            << "the simulated driver does not answer: run inside tools/bench with it built";
        m_slots.BuildSlots();
    }

    void TearDown() override {
        const SimCounters counters = CountersOnceClosed();
        for (std::uint32_t unit = 0; unit < kSimUnitCount; ++unit) {
            EXPECT_EQ(counters.opens[unit], counters.closes[unit]) << "unit " << unit;
        }
        m_control.Reset();
    }

    // Waits, within a bound, for the closes to catch up with the opens.
    SimCounters CountersOnceClosed() {
        SimCounters counters{};
        for (int attempt = 0; attempt < 100; ++attempt) {
            EXPECT_TRUE(m_control.GetCounters(counters));
            if (std::equal(counters.opens, counters.opens + kSimUnitCount, counters.closes)) {
                break;
            }
            Sleep(50);
        }
        return counters;
    }

    template <typename Edit> void Configure(Edit edit) {
        ASSERT_TRUE(m_control.EditScenario(edit));
        ASSERT_TRUE(m_control.ClearCounters());
    }

    // Opens and requests in the order the driver served them.
    std::string Trace() {
        std::vector<SimTraceEntry> entries;
        std::uint32_t total = 0;
        EXPECT_TRUE(m_control.ReadTrace(entries, total));
        std::erase_if(entries, [](const SimTraceEntry& e) { return e.operation == kSimClose; });
        return TraceText(entries);
    }

    SimScenario Scenario() {
        std::vector<SimScenario> scenario(1);
        EXPECT_TRUE(m_control.GetScenario(scenario[0]));
        return scenario[0];
    }

    SimControlClient m_control;
    Win32KernelPort m_kernel;
    DeviceSlotSet m_slots{m_kernel};
};

TEST_F(KernelBackendTest, ReadsTheFirstUnitsRecord) {
    Configure([](SimScenario&) {});
    WorkingRecord record;
    record.SetBufferLevel(0);
    ASSERT_TRUE(m_slots.ReadSettings(record));
    EXPECT_EQ(record.BufferLevel(), 5);
    EXPECT_EQ(record.RateRow(2).SampleRate(), 48000);
    EXPECT_EQ(record.DriverWord2(), 1);
    EXPECT_EQ(Trace(), "o0 o0 G0");
}

TEST_F(KernelBackendTest, PresenceFollowsTheLinks) {
    Configure([](SimScenario& s) { s.units[3].present = 1; });
    EXPECT_TRUE(m_slots.AnySlotPresent());
    EXPECT_EQ(Trace(), "o0 o3");
    Configure([](SimScenario& s) {
        for (SimUnitScenario& unit : s.units) {
            unit.present = 0;
        }
    });
    EXPECT_FALSE(m_slots.AnySlotPresent());
}

TEST_F(KernelBackendTest, WritesToTwoUnitsAndFoldsTheirAnswers) {
    Configure([](SimScenario& s) {
        s.units[1].present = 1;
        s.units[0].writeStatuses[0] = 1;
        s.units[0].writeStatusCount = 1;
        s.units[1].writeStatuses[0] = 3;
        s.units[1].writeStatusCount = 1;
    });
    WorkingRecord record;
    record.SetBufferLevel(7);
    record.SetAsioDirectMonitor(1);
    DriverStatus status = -1;
    ASSERT_TRUE(m_slots.WriteSettings(record, status));
    EXPECT_EQ(status, kStatusReconnect);
    EXPECT_EQ(Trace(), "o0 o0 S0 o1 o1 S1");
    const SimScenario stored = Scenario();
    for (std::uint32_t unit : {0u, 1u}) {
        EXPECT_EQ(DeviceModel::RecordWord(stored.units[unit], RecordLayout::kBufferLevel), 7);
        EXPECT_EQ(DeviceModel::RecordWord(stored.units[unit], RecordLayout::kAsioDirectMonitor), 1);
    }
}

TEST_F(KernelBackendTest, DerivesTheStreamStateWhenNoLinkReportsIt) {
    Configure([](SimScenario& s) {
        for (std::uint32_t unit = 0; unit < 3; ++unit) {
            s.units[unit].present = 1;
            s.units[unit].streamUnitCount = 0;
            s.units[unit].sampleRate = 44100;
        }
        DeviceModel::SetIdentity(s.units[1], "tx-90kl#0001");
        s.units[2].sampleRate = 48000;
    });
    StreamState state;
    ASSERT_TRUE(m_slots.QueryStreamState(state));
    EXPECT_EQ(state.unitCount, 2u);
    EXPECT_EQ(state.currentRate, 44100);
    EXPECT_EQ(Trace(), "o0 T0 o1 T1 o2 T2 o0 I0 o0 R0 o1 I1 o1 M1 o1 R1 o2 I2 o2 M2 o2 R2");
}

TEST_F(KernelBackendTest, ReportedStreamStateComesFirst) {
    Configure([](SimScenario&) {});
    StreamState state;
    ASSERT_TRUE(m_slots.QueryStreamState(state));
    EXPECT_EQ(state.unitCount, 1u);
    EXPECT_EQ(state.currentRate, 48000);
    EXPECT_EQ(Trace(), "o0 T0");
}

} // namespace
