#pragma once
// txsimctl: changes the simulated driver's scenario and prints what the driver counted.
// Exit codes: 0 done, 1 the driver did not answer, 2 bad command line (nothing sent).

#include "simdriver/control/SimControlClient.h"
#include "simdriver/tool/ScenarioCommands.h"

#include <stdio.h>

class SimCtlTool {
public:
    static constexpr int kDone = 0;
    static constexpr int kDriverFailed = 1;
    static constexpr int kBadArguments = 2;

    SimCtlTool(FILE* out, FILE* err) : m_out(out), m_err(err) {}
    int Run(const ToolArguments& args);

private:
    int RunScenarioCommand(const ScenarioCommand& command, const ToolArguments& args);
    int RunReport(const std::string& name);
    int RunAction(bool sent);
    int BadArguments(const std::string& message);
    void PrintUsage();

    SimControlClient m_client;
    FILE* m_out;
    FILE* m_err;
};
