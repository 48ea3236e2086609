#include "simdriver/control/SimControlServer.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

namespace {

class SimControlServerTest : public ::testing::Test {
protected:
    void SetUp() override { m_model->Reset(); }

    // The buffer of a buffered request: the longer of the two lengths, plus bytes that the
    // server must never touch.
    SimControlResult Serve(uint32_t code, std::vector<uint8_t>& buffer, uint32_t in, uint32_t out) {
        const size_t length = in > out ? in : out;
        buffer.resize(length + kGuard, kFill);
        uint32_t returned = 999;
        const SimControlResult result =
            SimControlServer::Serve(*m_model, code, buffer.data(), in, out, returned);
        EXPECT_EQ(returned, result == SimControlResult::kServed ? out : 0u);
        for (size_t i = length; i < buffer.size(); ++i) {
            EXPECT_EQ(buffer[i], kFill) << "byte " << i;
        }
        return result;
    }

    static constexpr size_t kGuard = 32;
    static constexpr uint8_t kFill = 0x5A;
    std::unique_ptr<DeviceModel> m_model = std::make_unique<DeviceModel>();
};

struct LengthCase {
    uint32_t code;
    uint32_t in;
    uint32_t out;
    SimControlResult result;
};

class ControlLengthTest : public SimControlServerTest,
                          public ::testing::WithParamInterface<LengthCase> {};

TEST_P(ControlLengthTest, OnlyExactLengthsAreServed) {
    const LengthCase& c = GetParam();
    std::vector<uint8_t> buffer(c.in > c.out ? c.in : c.out, kFill);
    const SimControlResult result = Serve(c.code, buffer, c.in, c.out);
    EXPECT_EQ(result, c.result);
    if (result != SimControlResult::kServed) {
        EXPECT_EQ(buffer, std::vector<uint8_t>(buffer.size(), kFill));
    }
}

constexpr uint32_t kScenario = sizeof(SimScenario);
constexpr uint32_t kCounters = sizeof(SimCounters);
constexpr uint32_t kPage = sizeof(SimTracePage);

INSTANTIATE_TEST_SUITE_P(
    Codes, ControlLengthTest,
    ::testing::Values(
        LengthCase{kSimCtlReset, 0, 0, SimControlResult::kServed},
        LengthCase{kSimCtlReset, 4, 0, SimControlResult::kBadLength},
        LengthCase{kSimCtlGetScenario, 0, kScenario, SimControlResult::kServed},
        LengthCase{kSimCtlGetScenario, 0, kScenario - 1, SimControlResult::kBadLength},
        LengthCase{kSimCtlGetScenario, kScenario, kScenario, SimControlResult::kBadLength},
        LengthCase{kSimCtlGetCounters, 0, kCounters + 4, SimControlResult::kBadLength},
        LengthCase{kSimCtlGetTrace, 4, kPage, SimControlResult::kServed},
        LengthCase{kSimCtlGetTrace, 0, kPage, SimControlResult::kBadLength},
        LengthCase{kSimCtlGetTrace, 4, kPage - 16, SimControlResult::kBadLength},
        LengthCase{kSimGetSettings, 328, 328, SimControlResult::kUnknownCode},
        LengthCase{SimControlCode(0xA06), 0, 0, SimControlResult::kUnknownCode}));

TEST_F(SimControlServerTest, SetScenarioOfTheWrongLengthChangesNothing) {
    auto scenario = std::make_unique<SimScenario>(m_model->Scenario());
    scenario->units[0].present = 0;
    std::vector<uint8_t> buffer(kScenario);
    std::memcpy(buffer.data(), scenario.get(), kScenario);
    buffer.resize(kScenario - 4);
    EXPECT_EQ(Serve(kSimCtlSetScenario, buffer, kScenario - 4, 0), SimControlResult::kBadLength);
    EXPECT_TRUE(m_model->IsPresent(0));
    buffer.resize(kScenario);
    std::memcpy(buffer.data(), scenario.get(), kScenario);
    EXPECT_EQ(Serve(kSimCtlSetScenario, buffer, kScenario, 0), SimControlResult::kServed);
    EXPECT_FALSE(m_model->IsPresent(0));
}

TEST_F(SimControlServerTest, NoBufferIsRefusedWhereOneIsNeeded) {
    uint32_t returned = 0;
    EXPECT_EQ(
        SimControlServer::Serve(*m_model, kSimCtlGetCounters, nullptr, 0, kCounters, returned),
        SimControlResult::kBadLength);
    EXPECT_EQ(SimControlServer::Serve(*m_model, kSimCtlClearCounters, nullptr, 0, 0, returned),
              SimControlResult::kServed);
}

// Pages of the trace: a full first page, a partial last one, and an empty one past the end.
TEST_F(SimControlServerTest, TraceComesInBoundedPages) {
    constexpr uint32_t kOperations = kSimTracePageEntries + 10;
    for (uint32_t i = 0; i < kOperations; ++i) {
        m_model->Open(i % kSimUnitCount);
    }
    const uint32_t firsts[] = {0, kSimTracePageEntries, kOperations, 100000};
    const uint32_t counts[] = {kSimTracePageEntries, 10, 0, 0};
    for (size_t i = 0; i < 4; ++i) {
        std::vector<uint8_t> buffer(kPage);
        std::memcpy(buffer.data(), &firsts[i], 4);
        ASSERT_EQ(Serve(kSimCtlGetTrace, buffer, 4, kPage), SimControlResult::kServed);
        SimTracePage page;
        std::memcpy(&page, buffer.data(), kPage);
        EXPECT_EQ(page.kept, kOperations);
        EXPECT_EQ(page.total, kOperations);
        EXPECT_EQ(page.first, firsts[i]);
        ASSERT_EQ(page.count, counts[i]);
        for (uint32_t k = 0; k < page.count; ++k) {
            EXPECT_EQ(page.entries[k].unit, (firsts[i] + k) % kSimUnitCount);
        }
    }
}

TEST_F(SimControlServerTest, ResetAndClearDoWhatTheySay) {
    m_model->EditScenario().units[2].present = 1;
    m_model->Open(2);
    std::vector<uint8_t> buffer;
    ASSERT_EQ(Serve(kSimCtlClearCounters, buffer, 0, 0), SimControlResult::kServed);
    EXPECT_EQ(m_model->Counters().operations, 0u);
    EXPECT_TRUE(m_model->IsPresent(2));
    ASSERT_EQ(Serve(kSimCtlReset, buffer, 0, 0), SimControlResult::kServed);
    EXPECT_FALSE(m_model->IsPresent(2));
}

} // namespace
