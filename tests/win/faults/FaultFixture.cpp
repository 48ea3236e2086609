#include "tests/win/faults/FaultFixture.h"

#include "app/ResourceIds.h"
#include "tests/win/support/UiDriver.h"

namespace {
std::string Narrow(const std::wstring& text) {
    std::string out;
    for (wchar_t unit : text) {
        out += unit < 0x80 ? static_cast<char>(unit) : '?';
    }
    return out;
}
} // namespace

std::ostream& operator<<(std::ostream& out, const DisplayTexts& display) {
    return out << '"' << Narrow(display.size) << "\" " << display.realTime.size() << '/'
               << display.stability.size();
}

DisplayTexts TemplateDisplay() {
    return {L"ASIO Buffer Size: --- samples", std::wstring(11, L'O'), L"O"};
}

DisplayTexts FaultFixture::Display(HWND settings) {
    return {ui::ControlText(settings, IDC_TXT_ASIO_BUF_SIZE),
            ui::ControlText(settings, IDC_TXT_REALTIME_METER),
            ui::ControlText(settings, IDC_TXT_STABILITY_METER)};
}

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

bool FaultFixture::Dismiss(const Outcome& shown, HWND settings) {
    if (shown.kind == Outcome::Message) {
        ui::AnswerMessageBox(shown.window);
        ui::WaitUntilGone(shown.window);
        Settle(settings);
        return true;
    }
    if (shown.kind == Outcome::NoDevice) {
        ui::Click(shown.window, IDOK);
        ui::WaitUntilGone(shown.window);
        return false;
    }
    return shown.kind == Outcome::Nothing;
}

OkRun FaultFixture::RunAndOk(const std::function<void(HWND)>& look) {
    OkRun run;
    run.result = Run([&] {
        HWND settings = nullptr;
        HWND noDevice = nullptr;
        ASSERT_TRUE(WaitForStart(settings, noDevice));
        if (settings == nullptr) {
            Dismiss({Outcome::NoDevice, noDevice, L"", 0}, nullptr);
            return;
        }
        run.opened = true;
        look(settings);
        ui::Click(settings, IDOK);
        run.ok = AwaitOutcome(settings, [&] { return !::IsWindow(settings); });
        Dismiss(run.ok, settings);
    });
    return run;
}
