// The substitute driver as the applet meets it: the six codes answer as the scenario says, links
// come and go with their units, and malformed requests are refused without touching memory.

#include "tests/e2e/driver/DriverTestFixture.h"

#include <windows.h>

#include <cstring>

namespace {

using Word = std::pair<size_t, int32_t>;

struct AnswerCase {
    const char* name;
    void (*edit)(SimUnitScenario& unit);
    uint32_t code;
    bool answered;
    std::vector<Word> words; // expected words of the answer at their offsets
};

void Default(SimUnitScenario&) {}

const AnswerCase kAnswerCases[] = {
    {"settings by default",
     Default,
     kSimGetSettings,
     true,
     {{56, 48000}, {60, 143}, {280, 0}, {288, 5}, {292, 1}, {316, 1}, {324, 1}}},
    {"settings not valid",
     [](SimUnitScenario& u) { u.readStatus = 0; },
     kSimGetSettings,
     true,
     {{288, 5}, {324, 0}}},
    {"write answered with status 0", Default, kSimSetSettings, true, {{324, 0}}},
    {"write answer with a changed word",
     [](SimUnitScenario& u) {
         u.patchOffset = 288;
         u.patchValue = 9;
     },
     kSimSetSettings,
     true,
     {{288, 9}, {324, 0}}},
    {"stream state by default", Default, kSimGetStreamState, true, {{4, 1}, {8, 48000}}},
    {"stream state of two units",
     [](SimUnitScenario& u) {
         u.streamUnitCount = 2;
         u.streamRate = 44100;
     },
     kSimGetStreamState,
     true,
     {{4, 2}, {8, 44100}}},
    {"identity by default",
     Default,
     kSimGetIdentity,
     true,
     {{4, 12}, {8, 0x392D5854} /* "TX-9" */}},
    {"identity longer than its block",
     [](SimUnitScenario& u) { u.identityLength = 5000; },
     kSimGetIdentity,
     true,
     {{4, 5000}}},
    {"match flag by default", Default, kSimGetMatchMode, true, {{0, 1}}},
    {"match flag zero",
     [](SimUnitScenario& u) { u.matchFlag = 0; },
     kSimGetMatchMode,
     true,
     {{0, 0}}},
    {"sample rate",
     [](SimUnitScenario& u) { u.sampleRate = 96000; },
     kSimGetSampleRate,
     true,
     {{4, 96000}}},
    {"scripted failure",
     [](SimUnitScenario& u) { u.failCodes[3] = kSimGetSampleRate; },
     kSimGetSampleRate,
     false,
     {}},
    {"short answer leaves the rest as sent",
     [](SimUnitScenario& u) {
         u.shortCode = kSimGetIdentity;
         u.shortBytes = 6;
     },
     kSimGetIdentity,
     true,
     {{0, 0}, {4, static_cast<int32_t>(0xABAB000C)}, {8, static_cast<int32_t>(0xABABABAB)}}},
};

class AnswerTest : public DriverTestFixture, public ::testing::WithParamInterface<AnswerCase> {};

TEST_P(AnswerTest, AnswersAsConfigured) {
    const AnswerCase& c = GetParam();
    Configure([&](SimScenario& s) { c.edit(s.units[0]); });
    std::vector<uint8_t> buffer;
    ASSERT_EQ(Exchange(1, c.code, buffer), c.answered);
    for (const Word& word : c.words) {
        EXPECT_EQ(WordAt(buffer, word.first), word.second) << "offset " << word.first;
    }
    const SimCounters counters = Counters();
    EXPECT_EQ(counters.requests[0][DeviceModel::CodeIndex(c.code)], c.answered ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(Codes, AnswerTest, ::testing::ValuesIn(kAnswerCases),
                         [](const auto& info) {
                             std::string name = info.param.name;
                             for (char& ch : name) {
                                 ch = isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
                             }
                             return name;
                         });

using DriverLinkTest = DriverTestFixture;

TEST_F(DriverLinkTest, WritesFollowTheStatusScriptAndAreStored) {
    Configure([](SimScenario& s) {
        s.units[0].writeStatuses[0] = 1;
        s.units[0].writeStatuses[1] = 3;
        s.units[0].writeStatusCount = 2;
    });
    const int32_t expected[] = {1, 3, 3};
    for (int32_t status : expected) {
        std::vector<uint8_t> buffer;
        ASSERT_TRUE(Exchange(1, kSimGetSettings, buffer));
        buffer[288] = 7; // bufferLevel
        const DeviceHandle handle = m_kernel.Open(LinkPath(1).c_str());
        ASSERT_NE(handle, kNoDeviceHandle);
        EXPECT_TRUE(m_kernel.Control(handle, kSimSetSettings, buffer.data(), kSimRecordBytes));
        m_kernel.Close(handle);
        EXPECT_EQ(WordAt(buffer, 324), status);
    }
    std::vector<uint8_t> buffer;
    ASSERT_TRUE(Exchange(1, kSimGetSettings, buffer));
    EXPECT_EQ(WordAt(buffer, 288), 7);
}

TEST_F(DriverLinkTest, EachLinkReachesItsOwnUnit) {
    Configure([](SimScenario& s) {
        s.units[2].present = 1;
        s.units[2].sampleRate = 44100;
        s.units[3].present = 1;
        s.units[3].sampleRate = 88200;
    });
    const int32_t rates[] = {48000, 0, 44100, 88200};
    for (uint32_t link = 1; link <= kSimUnitCount; ++link) {
        std::vector<uint8_t> buffer;
        EXPECT_EQ(Exchange(link, kSimGetSampleRate, buffer), rates[link - 1] != 0);
        if (rates[link - 1] != 0) {
            EXPECT_EQ(WordAt(buffer, 4), rates[link - 1]) << "link " << link;
        }
    }
}

TEST_F(DriverLinkTest, LinksAppearAndVanishWithTheirUnits) {
    const uint32_t masks[] = {0x1, 0xA, 0x0, 0xF, 0x4, 0x1};
    for (uint32_t mask : masks) {
        Configure([&](SimScenario& s) {
            for (uint32_t unit = 0; unit < kSimUnitCount; ++unit) {
                s.units[unit].present = (mask >> unit) & 1u;
            }
        });
        for (uint32_t link = 1; link <= kSimUnitCount; ++link) {
            const bool present = (mask >> (link - 1)) & 1u;
            SetLastError(0);
            EXPECT_EQ(LinkOpens(link), present) << "mask " << mask << ", link " << link;
            if (!present) {
                EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
            }
        }
    }
}

TEST_F(DriverLinkTest, AHandleHeldAcrossAnUnplugFailsButStillCloses) {
    const DeviceHandle handle = m_kernel.Open(LinkPath(1).c_str());
    ASSERT_NE(handle, kNoDeviceHandle);
    Configure([](SimScenario& s) { s.units[0].present = 0; });
    EXPECT_FALSE(LinkOpens(1));
    uint8_t buffer[8] = {};
    EXPECT_FALSE(m_kernel.Control(handle, kSimGetSampleRate, buffer, sizeof buffer));
    m_kernel.Close(handle);
    EXPECT_EQ(SettledCounters([](const SimCounters& c) { return c.closes[0] == 1; }).closes[0], 1u);
}

struct UnplugCase {
    uint32_t unplugAt;
    bool requestAnswered;
};

class UnplugTest : public DriverTestFixture, public ::testing::WithParamInterface<UnplugCase> {};

// Operations count from 1: open, request, close of one exchange are 1, 2 and 3.
TEST_P(UnplugTest, UnplugRuleRemovesEveryLink) {
    Configure([](SimScenario& s) {
        s.units[1].present = 1;
        s.unplugAt = GetParam().unplugAt;
    });
    std::vector<uint8_t> buffer;
    EXPECT_EQ(Exchange(1, kSimGetMatchMode, buffer), GetParam().requestAnswered);
    SettledCounters([](const SimCounters& c) { return c.closes[0] == 1; });
    EXPECT_FALSE(LinkOpens(1));
    EXPECT_FALSE(LinkOpens(2));
}

INSTANTIATE_TEST_SUITE_P(Operations, UnplugTest,
                         ::testing::Values(UnplugCase{2, false}, UnplugCase{3, true}));

struct MalformedCase {
    uint32_t code;
    DWORD inLength;
    DWORD outLength;
};

class MalformedRequestTest : public DriverTestFixture,
                             public ::testing::WithParamInterface<MalformedCase> {};

TEST_P(MalformedRequestTest, IsRefusedWithoutTouchingTheBuffers) {
    const MalformedCase& c = GetParam();
    std::vector<uint8_t> in(4096, 0x11);
    std::vector<uint8_t> out(4096, kFill);
    HANDLE handle = CreateFileW(reinterpret_cast<const wchar_t*>(LinkPath(1).c_str()),
                                GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                FILE_FLAG_OVERLAPPED, nullptr);
    ASSERT_NE(handle, INVALID_HANDLE_VALUE);
    DWORD returned = 0;
    EXPECT_FALSE(DeviceIoControl(handle, c.code, in.data(), c.inLength, out.data(), c.outLength,
                                 &returned, nullptr));
    CloseHandle(handle);
    EXPECT_EQ(returned, 0u);
    EXPECT_EQ(std::count(out.begin(), out.end(), kFill), static_cast<long>(out.size()));
    const SimCounters counters = Counters();
    for (uint32_t index = 0; index < kSimCodeCount; ++index) {
        EXPECT_EQ(counters.requests[0][index], 0u);
    }
    std::vector<SimTraceEntry> trace;
    uint32_t total = 0;
    ASSERT_TRUE(m_control.ReadTrace(trace, total));
    ASSERT_EQ(trace.size(), 3u);
    EXPECT_EQ(trace[1].operation, static_cast<uint32_t>(kSimControl));
    EXPECT_EQ(trace[1].accepted, 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Lengths, MalformedRequestTest,
    ::testing::Values(
        MalformedCase{kSimGetSettings, 327, 327}, MalformedCase{kSimGetSettings, 329, 329},
        MalformedCase{kSimSetSettings, 328, 0}, MalformedCase{kSimSetSettings, 0, 328},
        MalformedCase{kSimGetIdentity, 2056, 4096}, MalformedCase{kSimGetMatchMode, 4096, 4},
        MalformedCase{0x222004, 328, 328}, // not a code the device knows
        MalformedCase{kSimCtlGetCounters, 0, sizeof(SimCounters)}));

TEST_F(DriverLinkTest, TraceRecordsOpenRequestAndClose) {
    std::vector<uint8_t> buffer;
    ASSERT_TRUE(Exchange(1, kSimGetSettings, buffer));
    EXPECT_FALSE(LinkOpens(2)); // no link: never reaches the driver
    std::vector<SimTraceEntry> trace;
    uint32_t total = 0;
    ASSERT_TRUE(m_control.ReadTrace(trace, total));
    const SimTraceEntry expected[] = {
        {0, kSimOpen, 0, 1}, {0, kSimControl, kSimGetSettings, 1}, {0, kSimClose, 0, 1}};
    ASSERT_EQ(trace.size(), 3u);
    EXPECT_EQ(total, 3u);
    EXPECT_EQ(std::memcmp(trace.data(), expected, sizeof expected), 0);
}

} // namespace
