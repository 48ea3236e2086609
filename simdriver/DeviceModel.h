#pragma once
// The simulated TX-90KL as seen through its device links: up to four units, each with its
// settings record, scripted answers and failures, and counters of what was asked of it.
// Freestanding: no heap, no exceptions, no RTTI and no constructors, so the same object
// lives as a zero-initialised global inside the kernel driver and as a plain member in tests.
// Every operation that touches memory given by a caller is bounded by the lengths it is given.

#include <stdint.h>

constexpr uint32_t kSimUnitCount = 4;
constexpr uint32_t kSimRecordBytes = 328;
constexpr uint32_t kSimIdentityBytes = 2048;
constexpr uint32_t kSimStatusScriptMax = 16;
constexpr uint32_t kSimFailureSlots = 8;
constexpr uint32_t kSimTraceCapacity = 512;
constexpr uint32_t kSimCodeCount = 6;
constexpr uint32_t kSimStatusOffset = 324; // the status word of the settings record
constexpr uint32_t kSimNoPatch = 0xFFFFFFFF;

// The six control codes a unit answers.
constexpr uint32_t kSimGetSettings = 0x2221E8;
constexpr uint32_t kSimSetSettings = 0x2221EC;
constexpr uint32_t kSimGetStreamState = 0x222160;
constexpr uint32_t kSimGetIdentity = 0x22203C;
constexpr uint32_t kSimGetMatchMode = 0x222044;
constexpr uint32_t kSimGetSampleRate = 0x222050;

enum SimOperation : uint32_t { kSimOpen = 1, kSimClose = 2, kSimControl = 3 };

struct SimTraceEntry {
    uint32_t unit;
    uint32_t operation; // SimOperation
    uint32_t code;      // control code; 0 for open and close
    uint32_t accepted;  // 1 when the unit served it (open found the unit / request succeeded)
};

// What one unit is and how it answers. Plain data, so a test or the control tool can build
// it and hand it over whole.
struct SimUnitScenario {
    uint32_t present;
    uint8_t record[kSimRecordBytes]; // answered to reads; writes store into it
    int32_t readStatus;              // the status word of read answers (non-zero: valid)
    int32_t writeStatuses[kSimStatusScriptMax]; // answers to successive writes
    uint32_t writeStatusCount; // 0: always 0; after the script the last entry repeats
    uint32_t storeWrites;      // 1: a write replaces record bytes 0..323
    uint32_t patchOffset;      // a write's answer has this word changed ... (kSimNoPatch: none)
    int32_t patchValue;        // ... to this value (the stored record keeps what was sent)
    uint32_t streamUnitCount;  // stream-state answer: unit count (0: reports none) and rate
    int32_t streamRate;
    uint32_t identityLength;   // reported length, may exceed kSimIdentityBytes
    uint8_t identity[kSimIdentityBytes];
    int32_t matchFlag;
    int32_t sampleRate;
    uint32_t failCodes[kSimFailureSlots]; // control codes this unit fails (0: unused slot)
    uint32_t shortCode;        // answers to this code carry only shortBytes bytes (0: none)
    uint32_t shortBytes;
};

struct SimScenario {
    SimUnitScenario units[kSimUnitCount];
    // Every unit goes away just before operation number unplugAt (opens, closes and
    // requests counted from 1 across all units since the last reset); 0: never.
    uint32_t unplugAt;
};

struct SimCounters {
    uint32_t opens[kSimUnitCount];        // successful opens
    uint32_t closes[kSimUnitCount];
    uint32_t failedOpens[kSimUnitCount];  // open attempts on an absent unit
    // requests served, per code in the order of the kSim... codes above
    uint32_t requests[kSimUnitCount][kSimCodeCount];
    uint32_t operations;                  // all opens, closes and requests since reset
    uint32_t traceTotal;                  // entries ever traced (the trace keeps the first
                                          // kSimTraceCapacity)
};

class DeviceModel {
public:
    // The embedded default: one TX-90KL at 48000 Hz on link 1 that stores what it is sent
    // and answers status 0; counters and trace cleared.
    void Reset();
    // Replaces the scenario; counters and trace are kept, the status scripts start again
    // (editing the scenario in place does not restart them).
    void SetScenario(const SimScenario& scenario);
    const SimScenario& Scenario() const { return m_scenario; }
    SimScenario& EditScenario() { return m_scenario; }
    void ClearCounters();

    // What a host does on behalf of a client. unit is 0..3 (link n is unit n-1).
    bool Open(uint32_t unit);
    void Close(uint32_t unit);
    // One request: buffer holds inLength bytes going in and has room for outLength bytes
    // coming back. False (nothing answered) for an absent unit, an unknown code, a length
    // that is not the code's exact length, or a scripted failure. bytesReturned tells how
    // many bytes of the answer are valid.
    bool Control(uint32_t unit, uint32_t code, uint8_t* buffer, uint32_t inLength,
                 uint32_t outLength, uint32_t& bytesReturned);

    bool IsPresent(uint32_t unit) const;
    const SimCounters& Counters() const { return m_counters; }
    uint32_t TraceCount() const; // entries kept, at most kSimTraceCapacity
    const SimTraceEntry& TraceAt(uint32_t index) const;

    // Exact buffer length of a control code, 0 for an unknown code.
    static uint32_t CodeLength(uint32_t code);
    // Position of a code in SimCounters::requests; kSimCodeCount for an unknown code.
    static uint32_t CodeIndex(uint32_t code);

    // Scenario building blocks, shared by Reset, tests and the control tool.
    // The embedded default scenario: unit 0 present, units 1 to 3 default but absent.
    static void FillDefaultScenario(SimScenario& scenario);
    // A default unit (rate table, field defaults, status answers, 48000 Hz), absent.
    static void FillDefaultUnit(SimUnitScenario& unit);
    // Little-endian word of the unit's record; an offset past the record is ignored / reads 0.
    static void SetRecordWord(SimUnitScenario& unit, uint32_t offset, int32_t value);
    static int32_t RecordWord(const SimUnitScenario& unit, uint32_t offset);
    // Identity bytes from a null-terminated text, cut at kSimIdentityBytes; the rest zeroed.
    static void SetIdentity(SimUnitScenario& unit, const char* text);

private:
    void CountOperation();
    void Trace(uint32_t unit, uint32_t operation, uint32_t code, bool accepted);
    void Serve(uint32_t unit, uint32_t index, uint8_t* buffer, uint32_t limit);
    bool FailsCode(uint32_t unit, uint32_t code) const;
    int32_t NextWriteStatus(uint32_t unit);

    SimScenario m_scenario;
    SimCounters m_counters;
    SimTraceEntry m_trace[kSimTraceCapacity];
    uint32_t m_writesAnswered[kSimUnitCount]; // position in each unit's status script
};
