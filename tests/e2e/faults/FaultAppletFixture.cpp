#include "tests/e2e/faults/FaultAppletFixture.h"

#include "app/ResourceIds.h"
#include "tests/win/support/UiDriver.h"

#include <vector>

namespace {

constexpr int kMessageBoxTextId = 0xFFFF;

bool AllClosed(const SimCounters& c) {
    for (std::uint32_t unit = 0; unit < kSimUnitCount; ++unit) {
        if (c.closes[unit] != c.opens[unit] + c.failedOpens[unit]) {
            return false;
        }
    }
    return true;
}

struct BoxSearch {
    DWORD process;
    HWND found;
};

BOOL CALLBACK MatchMessageBox(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<BoxSearch*>(param);
    DWORD process = 0;
    ::GetWindowThreadProcessId(window, &process);
    if (process == search->process && ::IsWindowVisible(window) &&
        ::GetDlgItem(window, kMessageBoxTextId) != nullptr) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND FindMessageBox(DWORD process) {
    BoxSearch search{process, nullptr};
    ::EnumWindows(&MatchMessageBox, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

} // namespace

void FaultAppletFixture::TearDown() {
    const SimCounters counters = SettledCounters();
    for (std::uint32_t unit = 0; unit < kSimUnitCount; ++unit) {
        EXPECT_EQ(counters.closes[unit], counters.opens[unit] + counters.failedOpens[unit])
            << "link " << unit + 1;
    }
    control.Reset();
}

void FaultAppletFixture::UnplugAfter(std::uint32_t after) {
    const std::uint32_t now = Counters().operations;
    ASSERT_TRUE(control.EditScenario([&](SimScenario& s) { s.unplugAt = now + after; }));
}

bool FaultAppletFixture::Unplugged() const {
    std::vector<SimScenario> scenario(1);
    return control.GetScenario(scenario[0]) && scenario[0].units[0].present == 0;
}

std::uint32_t FaultAppletFixture::Served(std::uint32_t code) const {
    const SimCounters counters = Counters();
    std::uint32_t served = 0;
    for (std::uint32_t unit = 0; unit < kSimUnitCount; ++unit) {
        served += counters.requests[unit][DeviceModel::CodeIndex(code)];
    }
    return served;
}

std::uint32_t FaultAppletFixture::FirstRefusedCode() const {
    std::vector<SimTraceEntry> trace;
    std::uint32_t total = 0;
    EXPECT_TRUE(control.ReadTrace(trace, total));
    for (const SimTraceEntry& entry : trace) {
        if (entry.operation == kSimControl && entry.accepted == 0) {
            return entry.code;
        }
    }
    return 0;
}

ShownWindow FaultAppletFixture::AwaitShown(const AppletProcess& applet, HWND settings,
                                           const std::function<bool()>& begun) const {
    ShownWindow result;
    auto look = [&] {
        if (HWND noDevice = FindTitledWindow(applet.Id(), title, IDC_TXT_NODEV_MSG)) {
            result = {Shown::NoDevice, noDevice};
        } else if (HWND box = FindMessageBox(applet.Id())) {
            result = {Shown::Message, box};
        }
        return result.shown != Shown::NotReached;
    };
    ui::WaitUntil([&] {
        if (look() || !begun()) {
            return result.shown != Shown::NotReached;
        }
        SettleWindow(settings);
        if (!look()) {
            result = {Shown::Nothing, nullptr};
        }
        return true;
    });
    return result;
}

SimCounters FaultAppletFixture::SettledCounters() const {
    SimCounters counters{};
    ui::WaitUntil([&] {
        counters = Counters();
        return AllClosed(counters);
    });
    return counters;
}
