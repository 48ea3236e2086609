#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "simdriver/control/SimControlClient.h"
#include "tests/bench/refresh/MinimalClient.h"

// Times one refresh tick of the settings window (its timer message, handled on this thread)
// against the minimal client making the same requests, in interleaved batches. The driver's
// counters of every batch pair are compared, so both sides are known to make the same
// requests.
class TickComparison {
public:
    TickComparison(HWND settingsWindow, UINT_PTR timerId, MinimalClient& client,
                   const SimControlClient& control)
        : m_window(settingsWindow), m_timerId(timerId), m_client(client), m_control(control) {}

    // ticks timed on each side, in batches of batch; false when something failed (Error()).
    bool Run(long ticks, long batch);

    // Microseconds per tick.
    const std::vector<double>& RefreshTimes() const { return m_refreshTimes; }
    const std::vector<double>& ClientTimes() const { return m_clientTimes; }
    // Requests per tick, as the driver counted them.
    double RequestsPerTick() const { return m_requestsPerTick; }
    const std::string& Error() const { return m_error; }

private:
    enum class Side { Refresh, Client };

    bool Batch(Side side, long count, std::vector<double>* times, SimCounters& counted);
    bool Warm(long count);
    bool Fail(const std::string& what);

    HWND m_window;
    UINT_PTR m_timerId;
    MinimalClient& m_client;
    const SimControlClient& m_control;
    std::vector<double> m_refreshTimes;
    std::vector<double> m_clientTimes;
    double m_requestsPerTick = 0;
    std::string m_error;
};
