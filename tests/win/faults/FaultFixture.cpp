#include "tests/win/faults/FaultFixture.h"

#include "app/ResourceIds.h"
#include "tests/win/support/UiDriver.h"

void FaultFixture::Refresh(HWND settings) {
    ::SendMessageW(settings, WM_TIMER, RefreshTimerBlock::kRefreshTimerId, 0);
}

std::uint32_t FaultFixture::Operations() {
    return kernel.With([](DeviceModel& m, ModelKernelPort&) { return m.Counters().operations; });
}

std::vector<SimTraceEntry> FaultFixture::Trace() {
    return kernel.With([](DeviceModel& m, ModelKernelPort&) {
        std::vector<SimTraceEntry> trace;
        for (std::uint32_t i = 0; i < m.TraceCount(); ++i) {
            trace.push_back(m.TraceAt(i));
        }
        return trace;
    });
}

void FaultFixture::SetUnplugAt(std::uint32_t operation) {
    kernel.With([&](DeviceModel& m, ModelKernelPort&) {
        m.EditScenario().unplugAt = operation;
        return 0;
    });
}

void FaultFixture::ExpectOpensEqualCloses() {
    kernel.With([](DeviceModel& m, ModelKernelPort& port) {
        for (std::uint32_t unit = 0; unit < kSimUnitCount; ++unit) {
            EXPECT_EQ(m.Counters().opens[unit], m.Counters().closes[unit]) << "unit " << unit;
        }
        EXPECT_EQ(port.OpenHandles(), 0u);
        return 0;
    });
}

bool FaultFixture::WaitForStart(HWND& settings, HWND& noDevice) const {
    const bool came = ui::WaitUntil([&] {
        settings = FindTitledWindow(IDC_SLD_BUFFER_SIZE);
        noDevice = FindTitledWindow(IDC_TXT_NODEV_MSG);
        return settings != nullptr || noDevice != nullptr;
    });
    if (settings != nullptr) {
        Settle(settings);
    }
    return came;
}

ShownWindow FaultFixture::ShownOf(const Outcome& outcome) {
    switch (outcome.kind) {
    case Outcome::Nothing:
        return {Shown::Nothing, nullptr};
    case Outcome::Message:
        return {Shown::Message, outcome.window};
    case Outcome::NoDevice:
        return {Shown::NoDevice, outcome.window};
    default:
        return {};
    }
}

OkRun FaultFixture::RunAndOk(const std::function<void(HWND)>& look) {
    OkRun run;
    run.result = Run([&] {
        HWND settings = nullptr;
        HWND noDevice = nullptr;
        ASSERT_TRUE(WaitForStart(settings, noDevice));
        if (settings == nullptr) {
            Dismiss({Shown::NoDevice, noDevice}, nullptr);
            return;
        }
        run.opened = true;
        look(settings);
        ui::Click(settings, IDOK);
        run.ok = AwaitOutcome(settings, [&] { return !::IsWindow(settings); });
        Dismiss(ShownOf(run.ok), settings);
    });
    return run;
}
