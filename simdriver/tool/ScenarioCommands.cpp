#include "simdriver/tool/ScenarioCommands.h"

#include "simdriver/tool/ArgumentParser.h"

namespace {

constexpr int kApplied = -1;

// Parses args[0] as a unit; the handlers below take the unit's scenario from it.
bool UnitOf(const ToolArguments& args, SimScenario& scenario, SimUnitScenario*& unit) {
    uint32_t index = 0;
    if (!ArgumentParser::ParseUnit(args[0], index)) {
        return false;
    }
    unit = &scenario.units[index];
    return true;
}

int Present(const ToolArguments& args, SimScenario& scenario) {
    uint32_t mask = 0;
    if (!ArgumentParser::ParseUnitSet(args[0], mask)) {
        return 0;
    }
    for (uint32_t unit = 0; unit < kSimUnitCount; ++unit) {
        scenario.units[unit].present = (mask >> unit) & 1u;
    }
    return kApplied;
}

int WriteStatuses(const ToolArguments& args, SimScenario& scenario) {
    SimUnitScenario* unit = nullptr;
    std::vector<int32_t> values;
    if (!UnitOf(args, scenario, unit)) {
        return 0;
    }
    if (!ArgumentParser::ParseSignedList(args[1], kSimStatusScriptMax, values)) {
        return 1;
    }
    for (size_t i = 0; i < kSimStatusScriptMax; ++i) {
        unit->writeStatuses[i] = i < values.size() ? values[i] : 0;
    }
    unit->writeStatusCount = static_cast<uint32_t>(values.size());
    return kApplied;
}

// UNIT VALUE into one signed field of the unit.
int SetSignedField(const ToolArguments& args, SimScenario& scenario,
                   int32_t SimUnitScenario::*field) {
    SimUnitScenario* unit = nullptr;
    int32_t value = 0;
    if (!UnitOf(args, scenario, unit)) {
        return 0;
    }
    if (!ArgumentParser::ParseSigned(args[1], value)) {
        return 1;
    }
    unit->*field = value;
    return kApplied;
}

int ReadStatus(const ToolArguments& args, SimScenario& scenario) {
    return SetSignedField(args, scenario, &SimUnitScenario::readStatus);
}

int Match(const ToolArguments& args, SimScenario& scenario) {
    return SetSignedField(args, scenario, &SimUnitScenario::matchFlag);
}

int Fail(const ToolArguments& args, SimScenario& scenario) {
    SimUnitScenario* unit = nullptr;
    if (!UnitOf(args, scenario, unit)) {
        return 0;
    }
    uint32_t code = 0;
    if (args[1] == "all") {
        for (uint32_t i = 0; i < kSimFailureSlots; ++i) {
            unit->failCodes[i] = i < kSimCodeCount ? ArgumentParser::kUnitCodes[i] : 0;
        }
        return kApplied;
    }
    if (!ArgumentParser::ParseCode(args[1], code)) {
        return 1;
    }
    uint32_t* free = nullptr;
    for (uint32_t& slot : unit->failCodes) {
        if (slot == code) {
            return kApplied;
        }
        if (slot == 0 && free == nullptr) {
            free = &slot;
        }
    }
    if (free == nullptr) {
        return 1;
    }
    *free = code;
    return kApplied;
}

int NoFail(const ToolArguments& args, SimScenario& scenario) {
    SimUnitScenario* unit = nullptr;
    if (!UnitOf(args, scenario, unit)) {
        return 0;
    }
    for (uint32_t& slot : unit->failCodes) {
        slot = 0;
    }
    return kApplied;
}

int Rate(const ToolArguments& args, SimScenario& scenario) {
    int result = SetSignedField(args, scenario, &SimUnitScenario::sampleRate);
    if (result == kApplied) {
        SetSignedField(args, scenario, &SimUnitScenario::streamRate);
    }
    return result;
}

int Stream(const ToolArguments& args, SimScenario& scenario) {
    SimUnitScenario* unit = nullptr;
    uint32_t count = 0;
    int32_t rate = 0;
    if (!UnitOf(args, scenario, unit)) {
        return 0;
    }
    if (!ArgumentParser::ParseUnsigned(args[1], count)) {
        return 1;
    }
    if (!ArgumentParser::ParseSigned(args[2], rate)) {
        return 2;
    }
    unit->streamUnitCount = count;
    unit->streamRate = rate;
    return kApplied;
}

int Identity(const ToolArguments& args, SimScenario& scenario) {
    SimUnitScenario* unit = nullptr;
    uint32_t length = 0;
    if (!UnitOf(args, scenario, unit)) {
        return 0;
    }
    if (args[1].size() > kSimIdentityBytes || args[1].find('\0') != std::string::npos) {
        return 1;
    }
    if (args.size() > 2 && !ArgumentParser::ParseUnsigned(args[2], length)) {
        return 2;
    }
    DeviceModel::SetIdentity(*unit, args[1].c_str());
    if (args.size() > 2) {
        unit->identityLength = length;
    }
    return kApplied;
}

// UNIT OFFSET VALUE: a word of the record (bytes 0..323; the status word is the driver's).
int Word(const ToolArguments& args, SimScenario& scenario) {
    SimUnitScenario* unit = nullptr;
    uint32_t offset = 0;
    int32_t value = 0;
    if (!UnitOf(args, scenario, unit)) {
        return 0;
    }
    if (!ArgumentParser::ParseUnsigned(args[1], offset, kSimStatusOffset - 4) || offset % 4) {
        return 1;
    }
    if (!ArgumentParser::ParseSigned(args[2], value)) {
        return 2;
    }
    DeviceModel::SetRecordWord(*unit, offset, value);
    return kApplied;
}

int Level(const ToolArguments& args, SimScenario& scenario) {
    const int result = Word({args[0], std::to_string(kSimLevelOffset), args[1]}, scenario);
    return result == 2 ? 1 : result;
}

int Store(const ToolArguments& args, SimScenario& scenario) {
    SimUnitScenario* unit = nullptr;
    uint32_t flag = 0;
    if (!UnitOf(args, scenario, unit)) {
        return 0;
    }
    if (!ArgumentParser::ParseUnsigned(args[1], flag, 1)) {
        return 1;
    }
    unit->storeWrites = flag;
    return kApplied;
}

int Patch(const ToolArguments& args, SimScenario& scenario) {
    SimUnitScenario* unit = nullptr;
    if (!UnitOf(args, scenario, unit)) {
        return 0;
    }
    if (args[1] == "off" && args.size() == 2) {
        unit->patchOffset = kSimNoPatch;
        return kApplied;
    }
    uint32_t offset = 0;
    int32_t value = 0;
    if (!ArgumentParser::ParseUnsigned(args[1], offset, kSimStatusOffset - 4) || offset % 4) {
        return 1;
    }
    if (args.size() != 3 || !ArgumentParser::ParseSigned(args[2], value)) {
        return 2;
    }
    unit->patchOffset = offset;
    unit->patchValue = value;
    return kApplied;
}

int Short(const ToolArguments& args, SimScenario& scenario) {
    SimUnitScenario* unit = nullptr;
    if (!UnitOf(args, scenario, unit)) {
        return 0;
    }
    if (args[1] == "off" && args.size() == 2) {
        unit->shortCode = 0;
        unit->shortBytes = 0;
        return kApplied;
    }
    uint32_t code = 0;
    uint32_t bytes = 0;
    if (!ArgumentParser::ParseCode(args[1], code)) {
        return 1;
    }
    if (args.size() != 3 ||
        !ArgumentParser::ParseUnsigned(args[2], bytes, DeviceModel::CodeLength(code))) {
        return 2;
    }
    unit->shortCode = code;
    unit->shortBytes = bytes;
    return kApplied;
}

int UnplugAt(const ToolArguments& args, SimScenario& scenario) {
    return ArgumentParser::ParseUnsigned(args[0], scenario.unplugAt) ? kApplied : 0;
}

constexpr ScenarioCommand kCommands[] = {
    {"present", "UNITS|none", "units present, e.g. 1,3 (all others absent)", 1, 1, Present},
    {"status", "UNIT S1[,S2...]", "statuses answered to successive writes (last repeats)", 2, 2,
     WriteStatuses},
    {"read-status", "UNIT N", "status word of read answers (0: record not valid)", 2, 2,
     ReadStatus},
    {"fail", "UNIT CODE|all", "the unit fails requests with this code", 2, 2, Fail},
    {"nofail", "UNIT", "the unit fails no request", 1, 1, NoFail},
    {"rate", "UNIT HZ", "the unit's sample rate (sample-rate and stream-state answers)", 2, 2,
     Rate},
    {"stream", "UNIT COUNT RATE", "stream-state answer (COUNT 0: reports none)", 3, 3, Stream},
    {"identity", "UNIT TEXT [LENGTH]", "identity bytes; LENGTH overrides the reported length", 2, 3,
     Identity},
    {"match", "UNIT FLAG", "match flag answered by the unit", 2, 2, Match},
    {"level", "UNIT N", "buffer level word of the record (0..9 = slider 1..10)", 2, 2, Level},
    {"word", "UNIT OFFSET VALUE", "any word of the record (offset 0..320)", 3, 3, Word},
    {"store", "UNIT 0|1", "whether writes are stored into the record", 2, 2, Store},
    {"patch", "UNIT OFFSET VALUE|off", "write answers carry this word changed", 2, 3, Patch},
    {"short", "UNIT CODE BYTES|off", "answers to CODE carry only BYTES bytes", 2, 3, Short},
    {"unplug-at", "K", "all units go away before operation K (0: never)", 1, 1, UnplugAt},
};

} // namespace

const ScenarioCommand* ScenarioCommands::Find(const std::string& name) {
    for (const ScenarioCommand& command : kCommands) {
        if (name == command.name) {
            return &command;
        }
    }
    return nullptr;
}

const ScenarioCommand* ScenarioCommands::begin() {
    return kCommands;
}

const ScenarioCommand* ScenarioCommands::end() {
    return kCommands + sizeof kCommands / sizeof kCommands[0];
}
