#include "simdriver/DeviceModel.h"

// Kept free of library calls (apart from what the compiler may emit for plain copies), so the
// same object file serves the kernel driver and the user-mode tests.

namespace {

struct CodeInfo {
    uint32_t code;
    uint32_t length;
};

// Same order as SimCounters::requests.
constexpr CodeInfo kCodes[kSimCodeCount] = {
    {kSimGetSettings, kSimRecordBytes},
    {kSimSetSettings, kSimRecordBytes},
    {kSimGetStreamState, 32},
    {kSimGetIdentity, 8 + kSimIdentityBytes},
    {kSimGetMatchMode, 4},
    {kSimGetSampleRate, 8},
};
enum CodeIndexValue : uint32_t {
    kGetSettingsIndex,
    kSetSettingsIndex,
    kGetStreamStateIndex,
    kGetIdentityIndex,
    kGetMatchModeIndex,
    kGetSampleRateIndex,
};

constexpr uint32_t kRateRows = 7;
constexpr uint32_t kRateRowBytes = 28;
constexpr int32_t kRateTable[kRateRows][4] = {
    {32000, 109, -32, 3}, {44100, 134, -44, 3},   {48000, 143, -48, 3},   {88200, 229, -88, 3},
    {96000, 245, -96, 2}, {176400, 416, -176, 2}, {192000, 449, -192, 2},
};

struct FieldDefault {
    uint32_t offset;
    int32_t value;
};
constexpr FieldDefault kFieldDefaults[] = {
    {280, 0}, // asioDirectMonitor
    {284, 0}, // smallerAsioBuffer
    {288, 5}, // bufferLevel
    {292, 1}, // driverWord1
    {296, 1}, // offsetAEnabled
    {300, 0}, // offsetA
    {304, 1}, // offsetBEnabled
    {308, 0}, // offsetB
    {312, 0}, // midiInLightLoad
    {316, 1}, // driverWord2
    {320, 0}, // driverWord3
};

constexpr char kDefaultIdentity[] = "TX-90KL#0001";
constexpr int32_t kDefaultRate = 48000;
constexpr uint32_t kStoredBytes = kSimStatusOffset; // a write stores everything but the status
constexpr SimTraceEntry kNoTraceEntry{};

void ZeroBytes(void* target, uint32_t count) {
    uint8_t* bytes = static_cast<uint8_t*>(target);
    for (uint32_t i = 0; i < count; ++i) {
        bytes[i] = 0;
    }
}

// Answer writers: only the first `limit` bytes of an answer reach the caller's buffer.
void PutBytes(uint8_t* buffer, uint32_t limit, uint32_t offset, const uint8_t* source,
              uint32_t count) {
    for (uint32_t i = 0; i < count && offset + i < limit; ++i) {
        buffer[offset + i] = source[i];
    }
}

void PutZeros(uint8_t* buffer, uint32_t limit, uint32_t count) {
    ZeroBytes(buffer, count < limit ? count : limit);
}

void PutWord(uint8_t* buffer, uint32_t limit, uint32_t offset, int32_t value) {
    const uint32_t bits = static_cast<uint32_t>(value);
    const uint8_t bytes[4] = {static_cast<uint8_t>(bits), static_cast<uint8_t>(bits >> 8),
                              static_cast<uint8_t>(bits >> 16), static_cast<uint8_t>(bits >> 24)};
    PutBytes(buffer, limit, offset, bytes, 4);
}

} // namespace

uint32_t DeviceModel::CodeIndex(uint32_t code) {
    for (uint32_t i = 0; i < kSimCodeCount; ++i) {
        if (kCodes[i].code == code) {
            return i;
        }
    }
    return kSimCodeCount;
}

uint32_t DeviceModel::CodeLength(uint32_t code) {
    const uint32_t index = CodeIndex(code);
    return index < kSimCodeCount ? kCodes[index].length : 0;
}

void DeviceModel::SetRecordWord(SimUnitScenario& unit, uint32_t offset, int32_t value) {
    if (offset <= kSimRecordBytes - 4) {
        PutWord(unit.record, kSimRecordBytes, offset, value);
    }
}

int32_t DeviceModel::RecordWord(const SimUnitScenario& unit, uint32_t offset) {
    if (offset > kSimRecordBytes - 4) {
        return 0;
    }
    const uint8_t* bytes = unit.record + offset;
    return static_cast<int32_t>(bytes[0] | (bytes[1] << 8) | (bytes[2] << 16) |
                                (static_cast<uint32_t>(bytes[3]) << 24));
}

void DeviceModel::SetIdentity(SimUnitScenario& unit, const char* text) {
    ZeroBytes(unit.identity, kSimIdentityBytes);
    uint32_t length = 0;
    while (text != nullptr && length < kSimIdentityBytes && text[length] != '\0') {
        unit.identity[length] = static_cast<uint8_t>(text[length]);
        ++length;
    }
    unit.identityLength = length;
}

void DeviceModel::FillDefaultUnit(SimUnitScenario& unit) {
    ZeroBytes(&unit, sizeof unit);
    for (uint32_t row = 0; row < kRateRows; ++row) {
        for (uint32_t word = 0; word < 4; ++word) {
            SetRecordWord(unit, row * kRateRowBytes + word * 4, kRateTable[row][word]);
        }
    }
    for (const FieldDefault& field : kFieldDefaults) {
        SetRecordWord(unit, field.offset, field.value);
    }
    unit.readStatus = 1;
    unit.storeWrites = 1;
    unit.patchOffset = kSimNoPatch;
    unit.streamUnitCount = 1;
    unit.streamRate = kDefaultRate;
    SetIdentity(unit, kDefaultIdentity);
    unit.matchFlag = 1;
    unit.sampleRate = kDefaultRate;
}

void DeviceModel::FillDefaultScenario(SimScenario& scenario) {
    for (SimUnitScenario& unit : scenario.units) {
        FillDefaultUnit(unit);
    }
    scenario.units[0].present = 1;
    scenario.unplugAt = 0;
}

void DeviceModel::Reset() {
    FillDefaultScenario(m_scenario);
    ZeroBytes(m_writesAnswered, sizeof m_writesAnswered);
    ClearCounters();
}

void DeviceModel::SetScenario(const SimScenario& scenario) {
    if (&scenario != &m_scenario) {
        m_scenario = scenario;
    }
    ZeroBytes(m_writesAnswered, sizeof m_writesAnswered);
}

void DeviceModel::ClearCounters() {
    ZeroBytes(&m_counters, sizeof m_counters);
    ZeroBytes(m_trace, sizeof m_trace);
}

bool DeviceModel::IsPresent(uint32_t unit) const {
    return unit < kSimUnitCount && m_scenario.units[unit].present != 0;
}

uint32_t DeviceModel::TraceCount() const {
    return m_counters.traceTotal < kSimTraceCapacity ? m_counters.traceTotal : kSimTraceCapacity;
}

const SimTraceEntry& DeviceModel::TraceAt(uint32_t index) const {
    return index < TraceCount() ? m_trace[index] : kNoTraceEntry;
}

void DeviceModel::CountOperation() {
    ++m_counters.operations;
    if (m_scenario.unplugAt != 0 && m_counters.operations == m_scenario.unplugAt) {
        for (SimUnitScenario& unit : m_scenario.units) {
            unit.present = 0;
        }
    }
}

void DeviceModel::Trace(uint32_t unit, uint32_t operation, uint32_t code, bool accepted) {
    const uint32_t slot = m_counters.traceTotal;
    if (slot < kSimTraceCapacity) {
        m_trace[slot] = SimTraceEntry{unit, operation, code, accepted ? 1u : 0u};
    }
    if (slot != 0xFFFFFFFF) {
        m_counters.traceTotal = slot + 1;
    }
}

bool DeviceModel::Open(uint32_t unit) {
    CountOperation();
    const bool present = IsPresent(unit);
    if (present) {
        ++m_counters.opens[unit];
    } else if (unit < kSimUnitCount) {
        ++m_counters.failedOpens[unit];
    }
    Trace(unit, kSimOpen, 0, present);
    return present;
}

void DeviceModel::Close(uint32_t unit) {
    CountOperation();
    // A handle opened before the unit went away is still closed.
    const bool known = unit < kSimUnitCount;
    if (known) {
        ++m_counters.closes[unit];
    }
    Trace(unit, kSimClose, 0, known);
}

bool DeviceModel::Control(uint32_t unit, uint32_t code, uint8_t* buffer, uint32_t inLength,
                          uint32_t outLength, uint32_t& bytesReturned) {
    bytesReturned = 0;
    CountOperation();
    const uint32_t index = CodeIndex(code);
    const uint32_t length = CodeLength(code);
    const bool served = IsPresent(unit) && index < kSimCodeCount && buffer != nullptr &&
                        inLength == length && outLength == length && !FailsCode(unit, code);
    if (served) {
        const SimUnitScenario& scenario = m_scenario.units[unit];
        const bool shortened = scenario.shortCode == code && scenario.shortBytes < length;
        const uint32_t limit = shortened ? scenario.shortBytes : length;
        Serve(unit, index, buffer, limit);
        bytesReturned = limit;
        ++m_counters.requests[unit][index];
    }
    Trace(unit, kSimControl, code, served);
    return served;
}

bool DeviceModel::FailsCode(uint32_t unit, uint32_t code) const {
    for (uint32_t failing : m_scenario.units[unit].failCodes) {
        if (failing == code) {
            return true;
        }
    }
    return false;
}

int32_t DeviceModel::NextWriteStatus(uint32_t unit) {
    const SimUnitScenario& scenario = m_scenario.units[unit];
    const uint32_t count = scenario.writeStatusCount < kSimStatusScriptMax
                               ? scenario.writeStatusCount
                               : kSimStatusScriptMax;
    if (count == 0) {
        return 0;
    }
    const uint32_t answered = m_writesAnswered[unit];
    if (answered < count) {
        m_writesAnswered[unit] = answered + 1;
        return scenario.writeStatuses[answered];
    }
    return scenario.writeStatuses[count - 1];
}

// Writes the answer of an accepted request; the caller's bytes from `limit` on stay as sent.
void DeviceModel::Serve(uint32_t unit, uint32_t index, uint8_t* buffer, uint32_t limit) {
    SimUnitScenario& scenario = m_scenario.units[unit];
    switch (index) {
    case kGetSettingsIndex:
        PutBytes(buffer, limit, 0, scenario.record, kSimRecordBytes);
        PutWord(buffer, limit, kSimStatusOffset, scenario.readStatus);
        break;
    case kSetSettingsIndex:
        if (scenario.storeWrites != 0) {
            for (uint32_t i = 0; i < kStoredBytes; ++i) {
                scenario.record[i] = buffer[i];
            }
        }
        PutWord(buffer, limit, kSimStatusOffset, NextWriteStatus(unit));
        if (scenario.patchOffset < kSimStatusOffset && scenario.patchOffset % 4 == 0) {
            PutWord(buffer, limit, scenario.patchOffset, scenario.patchValue);
        }
        break;
    case kGetStreamStateIndex:
        PutZeros(buffer, limit, kCodes[index].length);
        PutWord(buffer, limit, 4, static_cast<int32_t>(scenario.streamUnitCount));
        PutWord(buffer, limit, 8, scenario.streamRate);
        break;
    case kGetIdentityIndex:
        PutZeros(buffer, limit, kCodes[index].length);
        PutWord(buffer, limit, 4, static_cast<int32_t>(scenario.identityLength));
        PutBytes(buffer, limit, 8, scenario.identity, kSimIdentityBytes);
        break;
    case kGetMatchModeIndex:
        PutWord(buffer, limit, 0, scenario.matchFlag);
        break;
    case kGetSampleRateIndex:
        PutZeros(buffer, limit, kCodes[index].length);
        PutWord(buffer, limit, 4, scenario.sampleRate);
        break;
    default:
        break;
    }
}
