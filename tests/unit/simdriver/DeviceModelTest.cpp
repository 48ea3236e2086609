#include "simdriver/DeviceModel.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr uint8_t kFiller = 0xAA;
constexpr uint32_t kAllCodes[] = {kSimGetSettings, kSimSetSettings,  kSimGetStreamState,
                                  kSimGetIdentity, kSimGetMatchMode, kSimGetSampleRate};

int32_t WordAt(const std::vector<uint8_t>& bytes, uint32_t offset) {
    return static_cast<int32_t>(bytes[offset] | (bytes[offset + 1] << 8) |
                                (bytes[offset + 2] << 16) |
                                (static_cast<uint32_t>(bytes[offset + 3]) << 24));
}

void SetWordAt(std::vector<uint8_t>& bytes, uint32_t offset, int32_t value) {
    for (uint32_t i = 0; i < 4; ++i) {
        bytes[offset + i] = static_cast<uint8_t>(static_cast<uint32_t>(value) >> (8 * i));
    }
}

struct Answer {
    bool ok;
    uint32_t returned;
    std::vector<uint8_t> bytes;
};

// The model is large (several pages), so tests keep it on the heap.
class DeviceModelTest : public ::testing::Test {
protected:
    void SetUp() override { model.Reset(); }

    Answer Ask(uint32_t unit, uint32_t code, std::vector<uint8_t> bytes) {
        uint32_t returned = 12345;
        const auto length = static_cast<uint32_t>(bytes.size());
        const bool ok = model.Control(unit, code, bytes.data(), length, length, returned);
        return {ok, returned, bytes};
    }
    Answer Ask(uint32_t unit, uint32_t code) {
        return Ask(unit, code, std::vector<uint8_t>(DeviceModel::CodeLength(code), kFiller));
    }
    int32_t WriteStatus(uint32_t unit = 0) {
        const Answer answer = Ask(unit, kSimSetSettings);
        EXPECT_TRUE(answer.ok);
        return WordAt(answer.bytes, kSimStatusOffset);
    }
    SimUnitScenario& Unit(uint32_t unit) { return model.EditScenario().units[unit]; }

    std::unique_ptr<DeviceModel> holder = std::make_unique<DeviceModel>();
    DeviceModel& model = *holder;
};

TEST_F(DeviceModelTest, DefaultIsOneUnitWithTheDocumentedRecord) {
    EXPECT_TRUE(model.IsPresent(0));
    for (uint32_t unit = 1; unit < kSimUnitCount; ++unit) {
        EXPECT_FALSE(model.IsPresent(unit)) << unit;
    }
    const Answer answer = Ask(0, kSimGetSettings);
    ASSERT_TRUE(answer.ok);
    EXPECT_EQ(answer.returned, kSimRecordBytes);
    const int32_t rates[7][4] = {
        {32000, 109, -32, 3}, {44100, 134, -44, 3},   {48000, 143, -48, 3},  {88200, 229, -88, 3},
        {96000, 245, -96, 2}, {176400, 416, -176, 2}, {192000, 449, -192, 2}};
    for (uint32_t row = 0; row < 10; ++row) {
        for (uint32_t word = 0; word < 7; ++word) {
            const int32_t expected = row < 7 && word < 4 ? rates[row][word] : 0;
            EXPECT_EQ(WordAt(answer.bytes, row * 28 + word * 4), expected) << row << "," << word;
        }
    }
    const int32_t fields[] = {0, 0, 5, 1, 1, 0, 1, 0, 0, 1, 0, 1}; // 280 .. 324 (status)
    for (uint32_t i = 0; i < 12; ++i) {
        EXPECT_EQ(WordAt(answer.bytes, 280 + 4 * i), fields[i]) << 280 + 4 * i;
    }
}

TEST_F(DeviceModelTest, EachCodeAnswersItsFieldsAndZeroesTheRest) {
    Unit(0).streamUnitCount = 3;
    Unit(0).streamRate = 96000;
    Unit(0).identityLength = 5000; // reported as is, above the data area
    Unit(0).matchFlag = -2;
    Unit(0).sampleRate = 44100;

    const Answer stream = Ask(0, kSimGetStreamState);
    std::vector<uint8_t> expected(32, 0);
    SetWordAt(expected, 4, 3);
    SetWordAt(expected, 8, 96000);
    EXPECT_EQ(stream.bytes, expected);
    EXPECT_EQ(stream.returned, 32u);

    const Answer identity = Ask(0, kSimGetIdentity);
    expected.assign(2056, 0);
    SetWordAt(expected, 4, 5000);
    std::memcpy(expected.data() + 8, "TX-90KL#0001", 12);
    EXPECT_EQ(identity.bytes, expected);
    EXPECT_EQ(identity.returned, 2056u);

    const Answer match = Ask(0, kSimGetMatchMode);
    EXPECT_EQ(match.bytes, (std::vector<uint8_t>{0xFE, 0xFF, 0xFF, 0xFF}));

    const Answer rate = Ask(0, kSimGetSampleRate);
    expected.assign(8, 0);
    SetWordAt(expected, 4, 44100);
    EXPECT_EQ(rate.bytes, expected);
}

TEST_F(DeviceModelTest, RequestsWithAWrongLengthOrCodeFailUntouched) {
    struct Case {
        uint32_t code;
        int32_t inDelta; // added to the code's length
        int32_t outDelta;
    };
    std::vector<Case> cases;
    for (uint32_t code : kAllCodes) {
        cases.push_back({code, -1, -1});
        cases.push_back({code, 1, 1});
        cases.push_back({code, 0, 1});
        cases.push_back({code, -1, 0});
    }
    for (const Case& c : cases) {
        const uint32_t length = DeviceModel::CodeLength(c.code);
        std::vector<uint8_t> buffer(length + 1, kFiller);
        uint32_t returned = 99;
        EXPECT_FALSE(model.Control(0, c.code, buffer.data(), length + c.inDelta,
                                   length + c.outDelta, returned))
            << std::hex << c.code << std::dec << " " << c.inDelta << " " << c.outDelta;
        EXPECT_EQ(returned, 0u);
        EXPECT_EQ(buffer, std::vector<uint8_t>(length + 1, kFiller));
    }
    for (uint32_t code : {0u, 0x2221F0u, 0x222040u, kSimGetSettings ^ 0x4000u}) {
        std::vector<uint8_t> buffer(328, kFiller);
        uint32_t returned = 99;
        EXPECT_EQ(DeviceModel::CodeLength(code), 0u);
        EXPECT_FALSE(model.Control(0, code, buffer.data(), 328, 328, returned)) << code;
        EXPECT_EQ(returned, 0u);
    }
    uint32_t returned = 99;
    EXPECT_FALSE(model.Control(0, kSimGetMatchMode, nullptr, 4, 4, returned));
    for (uint32_t code : kAllCodes) {
        EXPECT_EQ(model.Counters().requests[0][DeviceModel::CodeIndex(code)], 0u) << code;
    }
}

TEST_F(DeviceModelTest, WriteStatusScriptsRunPerUnitAndRepeatTheLastEntry) {
    EXPECT_EQ(WriteStatus(), 0); // no script: always 0
    EXPECT_EQ(WriteStatus(), 0);

    SimScenario scenario = model.Scenario();
    scenario.units[0].writeStatuses[0] = 1;
    scenario.units[0].writeStatuses[1] = 3;
    scenario.units[0].writeStatuses[2] = -1;
    scenario.units[0].writeStatusCount = 3;
    scenario.units[1] = scenario.units[0];
    model.SetScenario(scenario); // restarts the scripts despite the writes above
    for (int32_t expected : {1, 3}) {
        EXPECT_EQ(WriteStatus(0), expected);
    }
    EXPECT_EQ(WriteStatus(1), 1); // unit 1 has its own position
    for (int32_t expected : {-1, -1, -1}) {
        EXPECT_EQ(WriteStatus(0), expected);
    }

    // A count beyond the script's room is held to it.
    scenario.units[0].writeStatusCount = 1000;
    for (uint32_t i = 0; i < kSimStatusScriptMax; ++i) {
        scenario.units[0].writeStatuses[i] = static_cast<int32_t>(i + 10);
    }
    model.SetScenario(scenario);
    for (uint32_t i = 0; i < kSimStatusScriptMax + 3; ++i) {
        const uint32_t entry = i < kSimStatusScriptMax ? i : kSimStatusScriptMax - 1;
        EXPECT_EQ(WriteStatus(0), static_cast<int32_t>(entry + 10)) << i;
    }
}

TEST_F(DeviceModelTest, WritesStoreTheRecordAndAnswerWhatWasSentWithPatch) {
    std::vector<uint8_t> sent(328);
    for (uint32_t i = 0; i < 328; ++i) {
        sent[i] = static_cast<uint8_t>(i * 7 + 1);
    }
    Unit(0).patchOffset = 288;
    Unit(0).patchValue = 2;
    Unit(0).readStatus = 4;
    const Answer written = Ask(0, kSimSetSettings, sent);
    ASSERT_TRUE(written.ok);
    std::vector<uint8_t> expected = sent;
    SetWordAt(expected, 288, 2);
    SetWordAt(expected, kSimStatusOffset, 0);
    EXPECT_EQ(written.bytes, expected);

    // The record keeps what was sent (not the patch, nor the status word sent in); reads
    // answer it with the read status.
    EXPECT_EQ(DeviceModel::RecordWord(model.Scenario().units[0], kSimStatusOffset), 0);
    expected = sent;
    SetWordAt(expected, kSimStatusOffset, 4);
    EXPECT_EQ(Ask(0, kSimGetSettings).bytes, expected);

    // Offsets that name no whole word before the status are no patch.
    for (uint32_t offset : {kSimStatusOffset, 290u, 328u, kSimNoPatch}) {
        Unit(0).patchOffset = offset;
        Unit(0).patchValue = 0x55555555;
        std::vector<uint8_t> answer = Ask(0, kSimSetSettings, sent).bytes;
        SetWordAt(answer, kSimStatusOffset, WordAt(sent, kSimStatusOffset));
        EXPECT_EQ(answer, sent) << offset;
    }

    // A unit that does not store keeps its record.
    Unit(0).storeWrites = 0;
    const std::vector<uint8_t> before = Ask(0, kSimGetSettings).bytes;
    Ask(0, kSimSetSettings, std::vector<uint8_t>(328, 0));
    EXPECT_EQ(Ask(0, kSimGetSettings).bytes, before);
}

TEST_F(DeviceModelTest, ScriptedFailuresHitOnlyTheirCodeAndUnit) {
    for (uint32_t failing : kAllCodes) {
        model.Reset();
        Unit(1).present = 1;
        Unit(0).failCodes[kSimFailureSlots - 1] = failing;
        for (uint32_t code : kAllCodes) {
            const Answer answer = Ask(0, code);
            EXPECT_EQ(answer.ok, code != failing) << std::hex << failing << " " << code;
            if (code == failing) {
                EXPECT_EQ(answer.returned, 0u);
                EXPECT_EQ(answer.bytes, std::vector<uint8_t>(answer.bytes.size(), kFiller));
            }
            EXPECT_TRUE(Ask(1, code).ok);
        }
        EXPECT_EQ(model.Counters().requests[0][DeviceModel::CodeIndex(failing)], 0u);
        EXPECT_EQ(model.Counters().requests[1][DeviceModel::CodeIndex(failing)], 1u);
    }
}

TEST_F(DeviceModelTest, ShortAnswersWriteOnlyTheirBytesAndKeepTheTail) {
    auto reference = std::make_unique<DeviceModel>();
    for (uint32_t code : kAllCodes) {
        const uint32_t length = DeviceModel::CodeLength(code);
        for (uint32_t shortBytes : {0u, 5u, length - 1, length, length + 10}) {
            reference->Reset();
            model.Reset();
            Unit(0).shortCode = code;
            Unit(0).shortBytes = shortBytes;
            uint32_t fullReturned = 0;
            std::vector<uint8_t> full(length, kFiller);
            ASSERT_TRUE(reference->Control(0, code, full.data(), length, length, fullReturned));

            const Answer answer = Ask(0, code);
            ASSERT_TRUE(answer.ok);
            const uint32_t kept = shortBytes < length ? shortBytes : length;
            EXPECT_EQ(answer.returned, kept) << std::hex << code << std::dec << " " << shortBytes;
            for (uint32_t i = 0; i < length; ++i) {
                ASSERT_EQ(answer.bytes[i], i < kept ? full[i] : kFiller)
                    << std::hex << code << std::dec << " " << shortBytes << " byte " << i;
            }
        }
    }
}

TEST_F(DeviceModelTest, AbsentAndUnknownUnitsRefuseEverything) {
    for (uint32_t unit : {1u, 3u, 4u, 0xFFFFFFFFu}) {
        EXPECT_FALSE(model.Open(unit)) << unit;
        EXPECT_FALSE(Ask(unit, kSimGetSampleRate).ok) << unit;
        model.Close(unit);
        EXPECT_EQ(model.TraceAt(model.TraceCount() - 1).accepted, unit < kSimUnitCount ? 1u : 0u);
    }
    const SimCounters& counters = model.Counters();
    EXPECT_EQ(counters.failedOpens[1], 1u);
    EXPECT_EQ(counters.failedOpens[3], 1u);
    EXPECT_EQ(counters.closes[1], 1u); // a close always reaches a known unit
    EXPECT_EQ(counters.failedOpens[0] + counters.opens[0] + counters.closes[0], 0u);
    EXPECT_EQ(counters.operations, 12u);
}

TEST_F(DeviceModelTest, UnplugRemovesEveryUnitFromTheCountedOperationOn) {
    Unit(2).present = 1;
    model.EditScenario().unplugAt = 4;
    EXPECT_TRUE(model.Open(0));                // 1
    EXPECT_TRUE(model.Open(2));                // 2
    EXPECT_TRUE(Ask(2, kSimGetMatchMode).ok);  // 3
    EXPECT_FALSE(Ask(0, kSimGetMatchMode).ok); // 4: gone
    EXPECT_FALSE(model.IsPresent(2));
    model.Close(0);              // 5: a handle from before is still closed
    EXPECT_FALSE(model.Open(2)); // 6
    EXPECT_EQ(model.Counters().closes[0], 1u);
    EXPECT_EQ(model.Counters().failedOpens[2], 1u);

    Unit(1).present = 1; // plugged in again later: stays
    EXPECT_TRUE(model.Open(1));
    EXPECT_TRUE(model.IsPresent(1));
}

TEST_F(DeviceModelTest, CountersAndTraceRecordEveryOperationInOrder) {
    model.Open(0);
    Ask(0, kSimGetSettings);
    Ask(0, kSimGetSettings, std::vector<uint8_t>(12));
    model.Close(0);
    model.Open(1);
    const SimTraceEntry expected[] = {{0, kSimOpen, 0, 1},
                                      {0, kSimControl, kSimGetSettings, 1},
                                      {0, kSimControl, kSimGetSettings, 0},
                                      {0, kSimClose, 0, 1},
                                      {1, kSimOpen, 0, 0}};
    ASSERT_EQ(model.TraceCount(), 5u);
    for (uint32_t i = 0; i < 5; ++i) {
        const SimTraceEntry& entry = model.TraceAt(i);
        EXPECT_EQ(std::memcmp(&entry, &expected[i], sizeof entry), 0)
            << i << ": " << entry.unit << " " << entry.operation << " " << entry.code << " "
            << entry.accepted;
    }
    const SimCounters& counters = model.Counters();
    EXPECT_EQ(counters.opens[0], 1u);
    EXPECT_EQ(counters.closes[0], 1u);
    EXPECT_EQ(counters.failedOpens[1], 1u);
    EXPECT_EQ(counters.requests[0][0], 1u);
    EXPECT_EQ(counters.operations, 5u);

    for (uint32_t i = 0; i < kSimTraceCapacity; ++i) {
        model.Open(0);
    }
    EXPECT_EQ(model.TraceCount(), kSimTraceCapacity);
    EXPECT_EQ(model.Counters().traceTotal, kSimTraceCapacity + 5);
    EXPECT_EQ(model.TraceAt(4).unit, 1u); // the first entries are the ones kept
    EXPECT_EQ(model.TraceAt(kSimTraceCapacity).operation, 0u);
    EXPECT_EQ(model.TraceAt(0xFFFFFFFF).operation, 0u);

    model.ClearCounters();
    EXPECT_EQ(model.TraceCount(), 0u);
    EXPECT_EQ(model.Counters().opens[0], 0u);
    EXPECT_TRUE(model.IsPresent(0)); // the scenario stays
}

TEST_F(DeviceModelTest, ScenarioHelpersStayWithinTheirFields) {
    SimUnitScenario& unit = Unit(0);
    DeviceModel::SetRecordWord(unit, 324, -5);
    EXPECT_EQ(DeviceModel::RecordWord(unit, 324), -5);
    DeviceModel::SetRecordWord(unit, 325, 7); // would run past the record: ignored
    EXPECT_EQ(DeviceModel::RecordWord(unit, 324), -5);
    EXPECT_EQ(DeviceModel::RecordWord(unit, 325), 0);

    const std::string longText(kSimIdentityBytes + 40, 'k');
    DeviceModel::SetIdentity(unit, longText.c_str());
    EXPECT_EQ(unit.identityLength, kSimIdentityBytes);
    DeviceModel::SetIdentity(unit, "ab");
    EXPECT_EQ(unit.identityLength, 2u);
    EXPECT_EQ(unit.identity[2], 0); // the longer text before is gone
    DeviceModel::SetIdentity(unit, nullptr);
    EXPECT_EQ(unit.identityLength, 0u);

    model.SetScenario(model.Scenario()); // self-assignment is harmless
    EXPECT_TRUE(model.IsPresent(0));
}

} // namespace
