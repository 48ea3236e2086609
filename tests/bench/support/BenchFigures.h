#pragma once
// Small helpers shared by the benchmark programs: a clock and the figures they print.

#include <windows.h>

#include <algorithm>
#include <cstddef>
#include <vector>

namespace bench {

// Microseconds since an arbitrary start, from the performance counter.
inline double NowMicroseconds() {
    static const double ticksPerMicrosecond = [] {
        LARGE_INTEGER frequency;
        ::QueryPerformanceFrequency(&frequency);
        return static_cast<double>(frequency.QuadPart) / 1e6;
    }();
    LARGE_INTEGER now;
    ::QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / ticksPerMicrosecond;
}

// The value below which the given fraction of values lie (0.5: the median); 0 for none.
inline double Percentile(std::vector<double> values, double fraction) {
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    return values[static_cast<std::size_t>(fraction * static_cast<double>(values.size() - 1))];
}

// The ratio of the two sets' percentiles at fraction. On a shared machine the low percentiles
// are the steadier estimate of the cost itself: what others run only ever adds time.
inline double Ratio(const std::vector<double>& values, const std::vector<double>& baseline,
                    double fraction) {
    const double base = Percentile(baseline, fraction);
    return base > 0 ? Percentile(values, fraction) / base : 0;
}

} // namespace bench
