// Benchmark: the cost of one applet-style exchange with the substitute driver (open the link,
// one request, close), per control code, from a 32-bit client. Prints figures; asserts nothing.
//   driver_roundtrip_bench [COUNT]   (default 1000 exchanges per code)

#include "app/ProductIdentity.h"
#include "platform/win32/Win32KernelPort.h"
#include "simdriver/control/SimControlClient.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Probe {
    const char* name;
    uint32_t code; // 0: open and close only
};

const Probe kProbes[] = {
    {"open+close", 0},
    {"get-settings", kSimGetSettings},
    {"set-settings", kSimSetSettings},
    {"stream-state", kSimGetStreamState},
    {"identity", kSimGetIdentity},
    {"match-mode", kSimGetMatchMode},
    {"sample-rate", kSimGetSampleRate},
};

double Microseconds(LONGLONG ticks) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1e6 * static_cast<double>(ticks) / static_cast<double>(frequency.QuadPart);
}

double Percentile(std::vector<double> values, double fraction) {
    std::sort(values.begin(), values.end());
    return values[static_cast<size_t>(fraction * static_cast<double>(values.size() - 1))];
}

// One exchange; its duration in microseconds, or a negative number when it failed.
double TimeExchange(Win32KernelPort& kernel, const std::u16string& path, const Probe& probe,
                    std::vector<uint8_t>& buffer) {
    LARGE_INTEGER start;
    LARGE_INTEGER end;
    QueryPerformanceCounter(&start);
    const DeviceHandle handle = kernel.Open(path.c_str());
    if (handle == kNoDeviceHandle) {
        return -1;
    }
    bool answered = true;
    if (probe.code != 0) {
        answered =
            kernel.Control(handle, probe.code, buffer.data(), DeviceModel::CodeLength(probe.code));
    }
    kernel.Close(handle);
    QueryPerformanceCounter(&end);
    return answered ? Microseconds(end.QuadPart - start.QuadPart) : -1;
}

} // namespace

int main(int argc, char** argv) {
    const long count = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 1000;
    if (count < 1 || count > 1000000) {
        std::fprintf(stderr, "driver_roundtrip_bench: COUNT must be 1 to 1000000\n");
        return 2;
    }
    SimControlClient control;
    if (!control.Reset()) {
        std::fprintf(stderr, "driver_roundtrip_bench: the simulated driver does not answer\n");
        return 1;
    }
    Win32KernelPort kernel;
    const std::u16string path = u"\\\\.\\" + std::u16string(kDeviceLinkBaseName) + u"001";
    std::vector<uint8_t> buffer(4096);
    std::printf("%-13s %10s %10s %10s %10s   (microseconds, %ld exchanges each)\n", "exchange",
                "median", "p10", "p90", "max", count);
    for (const Probe& probe : kProbes) {
        std::vector<double> times;
        for (long i = 0; i < count; ++i) {
            const double time = TimeExchange(kernel, path, probe, buffer);
            if (time < 0) {
                std::fprintf(stderr, "driver_roundtrip_bench: %s failed\n", probe.name);
                return 1;
            }
            times.push_back(time);
        }
        std::printf("%-13s %10.1f %10.1f %10.1f %10.1f\n", probe.name, Percentile(times, 0.5),
                    Percentile(times, 0.1), Percentile(times, 0.9), Percentile(times, 1.0));
    }
    SimCounters counters{};
    control.GetCounters(counters);
    std::printf("driver counted %u opens, %u closes\n", counters.opens[0], counters.closes[0]);
    control.Reset();
    return 0;
}
