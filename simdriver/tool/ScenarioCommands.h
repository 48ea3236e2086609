#pragma once
// The control tool's commands that change the simulated device's scenario. Each takes its
// arguments as texts and edits a scenario; nothing is changed unless every argument is valid.

#include "simdriver/DeviceModel.h"

#include <string>
#include <vector>

// Offset of the buffer level word in the settings record.
constexpr uint32_t kSimLevelOffset = 288;

using ToolArguments = std::vector<std::string>;

struct ScenarioCommand {
    const char* name;
    const char* usage; // the arguments, as shown in the usage text
    const char* help;
    size_t minArgs;
    size_t maxArgs;
    // Returns -1 when applied, else the index of the first argument that is not valid.
    int (*apply)(const ToolArguments& args, SimScenario& scenario);
};

class ScenarioCommands {
public:
    static const ScenarioCommand* Find(const std::string& name);
    static const ScenarioCommand* begin();
    static const ScenarioCommand* end();
};
