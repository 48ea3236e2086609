#pragma once
// Text reports of the simulated device's counters, trace and scenario, for the control tool.

#include "simdriver/DeviceModel.h"

#include <string>
#include <vector>

class ReportPrinter {
public:
    static std::string Counters(const SimCounters& counters);
    static std::string Trace(const std::vector<SimTraceEntry>& entries, uint32_t total);
    static std::string Scenario(const SimScenario& scenario);

private:
    static std::string CodeText(uint32_t code);
    static std::string UnitLine(uint32_t unit, const SimUnitScenario& scenario);
};
