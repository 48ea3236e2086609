#include "simdriver/tool/ReportPrinter.h"

#include "simdriver/tool/ArgumentParser.h"
#include "simdriver/tool/ScenarioCommands.h"

#include <stdio.h>

namespace {

template <typename... Values> std::string Format(const char* format, Values... values) {
    char line[160];
    snprintf(line, sizeof line, format, values...);
    return line;
}

const char* OperationName(uint32_t operation) {
    switch (operation) {
    case kSimOpen:
        return "open";
    case kSimClose:
        return "close";
    case kSimControl:
        return "control";
    default:
        return "?";
    }
}

} // namespace

std::string ReportPrinter::CodeText(uint32_t code) {
    const char* name = ArgumentParser::CodeName(code);
    return name ? std::string(name) : Format("0x%06X", static_cast<unsigned>(code));
}

std::string ReportPrinter::Counters(const SimCounters& counters) {
    std::string text = "unit  opens closes failed-opens";
    for (uint32_t code : ArgumentParser::kUnitCodes) {
        text += " " + CodeText(code);
    }
    text += "\n";
    for (uint32_t unit = 0; unit < kSimUnitCount; ++unit) {
        text += Format("%4u %6u %6u %12u", unit + 1, counters.opens[unit], counters.closes[unit],
                       counters.failedOpens[unit]);
        for (uint32_t index = 0; index < kSimCodeCount; ++index) {
            const int width = static_cast<int>(CodeText(ArgumentParser::kUnitCodes[index]).size());
            text += Format(" %*u", width, counters.requests[unit][index]);
        }
        text += "\n";
    }
    text += Format("operations %u, trace entries %u\n", counters.operations, counters.traceTotal);
    return text;
}

std::string ReportPrinter::Trace(const std::vector<SimTraceEntry>& entries, uint32_t total) {
    std::string text;
    for (size_t i = 0; i < entries.size(); ++i) {
        const SimTraceEntry& entry = entries[i];
        text += Format("%4u unit %u %-7s %-12s %s\n", static_cast<unsigned>(i + 1), entry.unit + 1,
                       OperationName(entry.operation),
                       entry.operation == kSimControl ? CodeText(entry.code).c_str() : "",
                       entry.accepted ? "accepted" : "refused");
    }
    if (total > entries.size()) {
        text += Format("(%u more not kept)\n", static_cast<unsigned>(total - entries.size()));
    }
    return text;
}

std::string ReportPrinter::UnitLine(uint32_t unit, const SimUnitScenario& scenario) {
    std::string text = Format("unit %u: %s, rate %d, stream %u/%d, level %d, match %d, "
                              "identity %u bytes",
                              unit + 1, scenario.present ? "present" : "absent",
                              scenario.sampleRate, scenario.streamUnitCount, scenario.streamRate,
                              DeviceModel::RecordWord(scenario, kSimLevelOffset),
                              scenario.matchFlag, scenario.identityLength);
    text += Format(", read status %d, write statuses", scenario.readStatus);
    const uint32_t count = scenario.writeStatusCount < kSimStatusScriptMax
                               ? scenario.writeStatusCount
                               : kSimStatusScriptMax;
    for (uint32_t i = 0; i < count; ++i) {
        text += Format("%s%d", i ? "," : " ", scenario.writeStatuses[i]);
    }
    text += count ? "" : " 0";
    for (uint32_t code : scenario.failCodes) {
        text += code ? ", fails " + CodeText(code) : "";
    }
    if (scenario.shortCode != 0) {
        text +=
            ", " + CodeText(scenario.shortCode) + Format(" cut to %u bytes", scenario.shortBytes);
    }
    return text + "\n";
}

std::string ReportPrinter::Scenario(const SimScenario& scenario) {
    std::string text;
    for (uint32_t unit = 0; unit < kSimUnitCount; ++unit) {
        text += UnitLine(unit, scenario.units[unit]);
    }
    return text + Format("unplug at operation %u%s\n", scenario.unplugAt,
                         scenario.unplugAt ? "" : " (never)");
}
