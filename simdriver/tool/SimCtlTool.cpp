#include "simdriver/tool/SimCtlTool.h"

#include "simdriver/tool/ReportPrinter.h"

#include <memory>

namespace {

constexpr const char* kUsageHead =
    "usage: txsimctl COMMAND [ARGUMENTS]\n"
    "Changes the simulated TX-90KL driver (service tx90sim) and reads what it counted.\n"
    "UNIT is a device link number, 1 to 4. CODE is get-settings, set-settings,\n"
    "stream-state, identity, match-mode, sample-rate or a control code number.\n"
    "Numbers are decimal or hexadecimal with 0x. Exit code 0 done, 1 driver not\n"
    "reachable, 2 bad command line.\n\n"
    "  help                          this text\n"
    "  reset                         one TX-90KL on link 1 at 48000 Hz; counters cleared\n";
constexpr const char* kUsageTail = "  show                          the scenario\n"
                                   "  counters                      opens, closes, requests\n"
                                   "  trace                         the opens, closes, requests\n"
                                   "  clear                         clear counters and trace\n";

const ToolArguments kNoArguments;

} // namespace

int SimCtlTool::Run(const ToolArguments& args) {
    if (args.empty() || args[0] == "help" || args[0] == "--help" || args[0] == "-h") {
        PrintUsage();
        return args.empty() ? kBadArguments : kDone;
    }
    const std::string& name = args[0];
    const ToolArguments rest(args.begin() + 1, args.end());
    if (const ScenarioCommand* command = ScenarioCommands::Find(name)) {
        return RunScenarioCommand(*command, rest);
    }
    const bool takesNothing = name == "reset" || name == "clear" || name == "show" ||
                              name == "counters" || name == "trace";
    if (!takesNothing) {
        return BadArguments("unknown command '" + name + "' (txsimctl help lists them)");
    }
    if (!rest.empty()) {
        return BadArguments(name + " takes no arguments");
    }
    if (name == "reset") {
        return RunAction(m_client.Reset());
    }
    if (name == "clear") {
        return RunAction(m_client.ClearCounters());
    }
    return RunReport(name);
}

int SimCtlTool::RunScenarioCommand(const ScenarioCommand& command, const ToolArguments& args) {
    const std::string usage = std::string(command.name) + " " + command.usage;
    if (args.size() < command.minArgs || args.size() > command.maxArgs) {
        return BadArguments("wrong number of arguments (usage: txsimctl " + usage + ")");
    }
    // Checked on a scratch scenario first, so a bad command line never reaches the driver.
    auto scenario = std::make_unique<SimScenario>();
    DeviceModel::FillDefaultScenario(*scenario);
    const int bad = command.apply(args, *scenario);
    if (bad >= 0) {
        return BadArguments("bad argument '" + args[static_cast<size_t>(bad)] +
                            "' (usage: txsimctl " + usage + ")");
    }
    return RunAction(
        m_client.EditScenario([&](SimScenario& current) { command.apply(args, current); }));
}

int SimCtlTool::RunReport(const std::string& name) {
    std::string text;
    bool sent = false;
    if (name == "counters") {
        SimCounters counters{};
        sent = m_client.GetCounters(counters);
        text = ReportPrinter::Counters(counters);
    } else if (name == "trace") {
        std::vector<SimTraceEntry> entries;
        uint32_t total = 0;
        sent = m_client.ReadTrace(entries, total);
        text = ReportPrinter::Trace(entries, total);
    } else {
        auto scenario = std::make_unique<SimScenario>();
        sent = m_client.GetScenario(*scenario);
        text = ReportPrinter::Scenario(*scenario);
    }
    if (sent) {
        fputs(text.c_str(), m_out);
    }
    return RunAction(sent);
}

int SimCtlTool::RunAction(bool sent) {
    if (sent) {
        return kDone;
    }
    fputs("txsimctl: the simulated driver does not answer (is the tx90sim service running?)\n",
          m_err);
    return kDriverFailed;
}

int SimCtlTool::BadArguments(const std::string& message) {
    fprintf(m_err, "txsimctl: %s\n", message.c_str());
    return kBadArguments;
}

void SimCtlTool::PrintUsage() {
    fputs(kUsageHead, m_out);
    for (const ScenarioCommand* command = ScenarioCommands::begin();
         command != ScenarioCommands::end(); ++command) {
        const std::string head = std::string(command->name) + " " + command->usage;
        fprintf(m_out, "  %-29s %s\n", head.c_str(), command->help);
    }
    fputs(kUsageTail, m_out);
}
