#include "tests/bench/refresh/TickComparison.h"

#include "tests/bench/support/BenchFigures.h"

#include <cstring>

namespace {

std::uint32_t TotalRequests(const SimCounters& counters) {
    std::uint32_t total = 0;
    for (const auto& unit : counters.requests) {
        for (std::uint32_t count : unit) {
            total += count;
        }
    }
    return total;
}

} // namespace

bool TickComparison::Run(long ticks, long batch) {
    m_refreshTimes.clear();
    m_clientTimes.clear();
    if (!Warm(batch)) {
        return false;
    }
    for (long done = 0, round = 0; done < ticks; done += batch, ++round) {
        const long count = ticks - done < batch ? ticks - done : batch;
        SimCounters refreshCounted{};
        SimCounters clientCounted{};
        // Alternating which side goes first evens out what one batch leaves to the next.
        const bool refreshFirst = round % 2 == 0;
        if (!Batch(refreshFirst ? Side::Refresh : Side::Client, count,
                   refreshFirst ? &m_refreshTimes : &m_clientTimes,
                   refreshFirst ? refreshCounted : clientCounted) ||
            !Batch(refreshFirst ? Side::Client : Side::Refresh, count,
                   refreshFirst ? &m_clientTimes : &m_refreshTimes,
                   refreshFirst ? clientCounted : refreshCounted)) {
            return false;
        }
        if (std::memcmp(&refreshCounted, &clientCounted, sizeof refreshCounted) != 0) {
            return Fail("the refresh and the minimal client made different requests");
        }
        m_requestsPerTick = static_cast<double>(TotalRequests(refreshCounted)) / count;
    }
    return true;
}

// The first refreshes of a scenario may change the display; the timed ones find it as it is.
bool TickComparison::Warm(long count) {
    SimCounters ignored{};
    return Batch(Side::Refresh, count, nullptr, ignored) &&
           Batch(Side::Client, count, nullptr, ignored);
}

bool TickComparison::Batch(Side side, long count, std::vector<double>* times,
                           SimCounters& counted) {
    if (!m_control.ClearCounters()) {
        return Fail("the driver's counters could not be cleared");
    }
    for (long i = 0; i < count; ++i) {
        const double start = bench::NowMicroseconds();
        if (side == Side::Refresh) {
            ::SendMessageW(m_window, WM_TIMER, m_timerId, 0);
        } else if (!m_client.RunOnce()) {
            return Fail("a request of the minimal client failed");
        }
        const double end = bench::NowMicroseconds();
        if (times != nullptr) {
            times->push_back(end - start);
        }
    }
    return m_control.GetCounters(counted) || Fail("the driver's counters could not be read");
}

bool TickComparison::Fail(const std::string& what) {
    m_error = what;
    return false;
}
