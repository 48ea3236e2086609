// Benchmark: one refresh tick of the real settings window (CTuneboxDlg, Win32 backends, the
// substitute driver) against a minimal client making the same device requests back to back,
// with the default device and with four units on the derived path. Prints medians and their
// ratio; judges nothing.
//   refresh_bench [TICKS] [BATCH]   (defaults 2000 and 10: TICKS timed ticks on each side)

#include "app/ResourceIds.h"
#include "driver/ControlCodes.h"
#include "platform/win32/Win32FilePort.h"
#include "platform/win32/Win32KernelPort.h"
#include "platform/win32/Win32RegistryPort.h"
#include "platform/win32/Win32ShellPort.h"
#include "platform/win32/Win32TextPort.h"
#include "tests/bench/refresh/TickComparison.h"
#include "tests/bench/support/BenchFigures.h"
#include "ui/CTuneboxDlg.h"

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>

namespace {

struct Scenario {
    const char* name;
    bool fourUnitsDerived;
};

constexpr Scenario kScenarios[] = {
    {"default device (one unit reporting its stream state)", false},
    {"four units on the derived path (no unit reports a stream state)", true},
};

struct BenchRun {
    CTuneboxDlg& dialog;
    SimControlClient control;
    long ticks;
    long batch;
    int exitCode = 1;
};
BenchRun* g_run = nullptr;

bool SetScenario(const SimControlClient& control, const Scenario& scenario) {
    if (!control.Reset()) {
        return false;
    }
    return !scenario.fourUnitsDerived || control.EditScenario([](SimScenario& s) {
        for (SimUnitScenario& unit : s.units) {
            unit.present = 1;
            unit.streamUnitCount = 0;
        }
    });
}

// The requests one stream state query makes on the scenario, in its order.
std::vector<MinimalClient::Request> QueryRequests(const DeviceSlotSet& slots, bool fourDerived) {
    std::vector<MinimalClient::Request> requests;
    auto add = [&](std::size_t slot, std::uint32_t code, std::uint32_t length) {
        const char16_t* path = slots.Slots()[slot].path;
        requests.push_back(
            {std::wstring(path, path + std::char_traits<char16_t>::length(path)), code, length});
    };
    if (!fourDerived) {
        add(0, IOCTL_DRV_GET_STREAM_STATE, kStreamStateRequestBytes);
        return requests;
    }
    for (std::size_t slot = 0; slot < DeviceSlotSet::kSlotCount; ++slot) {
        add(slot, IOCTL_DRV_GET_STREAM_STATE, kStreamStateRequestBytes);
    }
    add(0, IOCTL_DRV_GET_IDENTITY, kIdentityRequestBytes);
    add(0, IOCTL_DRV_GET_SAMPLE_RATE, kSampleRateRequestBytes);
    for (std::size_t slot = 1; slot < DeviceSlotSet::kSlotCount; ++slot) {
        add(slot, IOCTL_DRV_GET_IDENTITY, kIdentityRequestBytes);
        add(slot, IOCTL_DRV_GET_MATCH_MODE, kMatchModeRequestBytes);
        add(slot, IOCTL_DRV_GET_SAMPLE_RATE, kSampleRateRequestBytes);
    }
    return requests;
}

void PrintSide(const char* label, const std::vector<double>& times) {
    std::printf("  %-22s median %8.1f   p10 %8.1f   p90 %8.1f\n", label,
                bench::Percentile(times, 0.5), bench::Percentile(times, 0.1),
                bench::Percentile(times, 0.9));
}

bool RunScenario(BenchRun& run, const Scenario& scenario) {
    if (!SetScenario(run.control, scenario)) {
        std::fprintf(stderr, "refresh_bench: the driver did not take the scenario\n");
        return false;
    }
    MinimalClient client(QueryRequests(run.dialog.m_slots, scenario.fourUnitsDerived));
    TickComparison comparison(run.dialog.m_hWnd, run.dialog.m_timerId, client, run.control);
    if (!comparison.Run(run.ticks, run.batch)) {
        std::fprintf(stderr, "refresh_bench: %s\n", comparison.Error().c_str());
        return false;
    }
    wchar_t shown[128] = {};
    ::GetDlgItemTextW(run.dialog.m_hWnd, IDC_TXT_ASIO_BUF_SIZE, shown, 128);
    std::printf("%s\n  %.0f requests per tick (the same on both sides); display \"%ls\"\n",
                scenario.name, comparison.RequestsPerTick(), shown);
    PrintSide("RefreshBufferDisplay", comparison.RefreshTimes());
    PrintSide("minimal client", comparison.ClientTimes());
    std::printf("  ratio: %.2f (medians), %.2f (p10)\n",
                bench::Ratio(comparison.RefreshTimes(), comparison.ClientTimes(), 0.5),
                bench::Ratio(comparison.RefreshTimes(), comparison.ClientTimes(), 0.1));
    return true;
}

// Runs on the window's thread, inside its modal loop, once the window is up.
void CALLBACK RunBench(HWND, UINT, UINT_PTR timer, DWORD) {
    ::KillTimer(nullptr, timer);
    BenchRun& run = *g_run;
    if (run.dialog.m_hWnd == nullptr || run.dialog.m_timerId == 0) {
        std::fprintf(stderr, "refresh_bench: the settings window did not open\n");
    } else {
        std::printf("one refresh tick against a minimal client, %ld ticks each in interleaved "
                    "batches of %ld (microseconds)\n",
                    run.ticks, run.batch);
        run.exitCode = 0;
        for (const Scenario& scenario : kScenarios) {
            if (!RunScenario(run, scenario)) {
                run.exitCode = 1;
                break;
            }
        }
        run.control.Reset();
    }
    if (run.dialog.m_hWnd != nullptr) {
        ::PostMessageW(run.dialog.m_hWnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    }
}

} // namespace

int main(int argc, char** argv) {
    const long ticks = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 2000;
    const long batch = argc > 2 ? std::strtol(argv[2], nullptr, 10) : 10;
    if (ticks < 1 || ticks > 1000000 || batch < 1 || batch > ticks) {
        std::fprintf(stderr, "usage: refresh_bench [TICKS 1..1000000] [BATCH 1..TICKS]\n");
        return 2;
    }
    INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&controls);
    Win32KernelPort kernel;
    Win32RegistryPort registry;
    Win32FilePort files;
    Win32ShellPort shell;
    Win32TextPort texts;
    PlatformPorts ports{kernel, registry, files, shell, texts};
    CTuneboxDlg dialog(ports);
    dialog.m_slots.BuildSlots();
    BenchRun run{dialog, SimControlClient{}, ticks, batch};
    if (!run.control.Reset()) {
        std::fprintf(stderr, "refresh_bench: the simulated driver does not answer\n");
        return 1;
    }
    g_run = &run;
    std::fflush(stdout);
    ::SetTimer(nullptr, 0, USER_TIMER_MINIMUM, &RunBench);
    dialog.DoModal();
    return run.exitCode;
}
