#pragma once
// Client of the simulated driver's control device, for tests, the control tool and the
// benchmark. Each call opens the control link, sends one request and closes it again, so a
// client never holds the driver; every call returns whether the driver answered.

#include "simdriver/control/ControlProtocol.h"

#include <stdint.h>
#include <vector>

class SimControlClient {
public:
    // True when the control link opens, i.e. the driver is loaded.
    bool IsReachable() const;

    bool Reset() const;
    bool ClearCounters() const;
    bool SetScenario(const SimScenario& scenario) const;
    bool GetScenario(SimScenario& scenario) const;
    bool GetCounters(SimCounters& counters) const;
    bool GetTracePage(uint32_t first, SimTracePage& page) const;
    // The whole kept trace, page by page; total is the number of entries ever traced.
    bool ReadTrace(std::vector<SimTraceEntry>& entries, uint32_t& total) const;

    // Reads the scenario, lets edit change it, and writes it back.
    template <typename Edit> bool EditScenario(Edit edit) const {
        // The scenario is about 10 KB: keep it off the caller's stack.
        std::vector<SimScenario> scenario(1);
        if (!GetScenario(scenario[0])) {
            return false;
        }
        edit(scenario[0]);
        return SetScenario(scenario[0]);
    }

private:
    bool Send(uint32_t code, const void* in, uint32_t inLength, void* out,
              uint32_t outLength) const;
};
