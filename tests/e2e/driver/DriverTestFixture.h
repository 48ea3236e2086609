#pragma once
// Fixture of the tests against the loaded substitute driver: every test starts from the
// embedded default scenario and ends with a check that every open link was closed again.
// Requests go through the applet's own kernel backend (CreateFileW with the overlapped flag,
// DeviceIoControl with one buffer in and out and no OVERLAPPED, CloseHandle).

#include "platform/win32/Win32KernelPort.h"
#include "simdriver/control/SimControlClient.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

// Bytes after the request buffer that the driver must never write.
constexpr size_t kGuardBytes = 64;
constexpr uint8_t kFill = 0xAB;

class DriverTestFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Applies edit to the driver's scenario.
    template <typename Edit> void Configure(Edit edit) {
        ASSERT_TRUE(m_control.EditScenario(edit));
    }
    // \\.\Qzwm440600n, n = 1 to 4.
    static std::u16string LinkPath(uint32_t link);
    // Open, one request, close. buffer is resized to the code's length plus the guard, filled
    // with kFill; only the code's length is sent. False when the open or the request fails.
    bool Exchange(uint32_t link, uint32_t code, std::vector<uint8_t>& buffer);
    bool LinkOpens(uint32_t link);
    SimCounters Counters();
    // Wine sends the close of a handle to the driver after CloseHandle has returned: waits
    // (bounded) until the driver's counters satisfy settled, and returns them.
    template <typename Settled> SimCounters SettledCounters(Settled settled) {
        SimCounters counters = Counters();
        for (int i = 0; i < kSettleTries && !settled(counters); ++i) {
            Sleep(kSettleMilliseconds);
            counters = Counters();
        }
        return counters;
    }
    static constexpr int kSettleTries = 100;
    static constexpr unsigned kSettleMilliseconds = 50;
    static int32_t WordAt(const std::vector<uint8_t>& buffer, size_t offset);

    SimControlClient m_control;
    Win32KernelPort m_kernel;
};
