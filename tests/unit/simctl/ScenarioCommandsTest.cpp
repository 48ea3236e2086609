#include "simdriver/tool/ScenarioCommands.h"
#include "simdriver/tool/ReportPrinter.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

namespace {

class ScenarioCommandsTest : public ::testing::Test {
protected:
    void SetUp() override { DeviceModel::FillDefaultScenario(*m_scenario); }

    // -1 when applied; else the index of the bad argument. Checks that a refusal changed
    // nothing.
    int Apply(const std::string& name, const ToolArguments& args) {
        const ScenarioCommand* command = ScenarioCommands::Find(name);
        EXPECT_NE(command, nullptr) << name;
        if (!command) {
            return -2;
        }
        auto before = std::make_unique<SimScenario>(*m_scenario);
        const int result = command->apply(args, *m_scenario);
        if (result >= 0) {
            EXPECT_EQ(std::memcmp(before.get(), m_scenario.get(), sizeof(SimScenario)), 0)
                << name << " changed the scenario although it refused its arguments";
        }
        return result;
    }
    SimUnitScenario& Unit(uint32_t link) { return m_scenario->units[link - 1]; }

    std::unique_ptr<SimScenario> m_scenario = std::make_unique<SimScenario>();
};

TEST_F(ScenarioCommandsTest, EditsTheNamedUnit) {
    EXPECT_EQ(Apply("present", {"2,4"}), -1);
    EXPECT_EQ(Apply("status", {"2", "1,3,-1"}), -1);
    EXPECT_EQ(Apply("rate", {"4", "44100"}), -1);
    EXPECT_EQ(Apply("stream", {"4", "3", "96000"}), -1);
    EXPECT_EQ(Apply("identity", {"3", "abc", "5000"}), -1);
    EXPECT_EQ(Apply("level", {"2", "9"}), -1);
    EXPECT_EQ(Apply("fail", {"1", "identity"}), -1);
    EXPECT_EQ(Apply("fail", {"1", "identity"}), -1); // once only
    EXPECT_EQ(Apply("short", {"2", "stream-state", "6"}), -1);
    EXPECT_EQ(Apply("patch", {"3", "288", "7"}), -1);
    EXPECT_EQ(Apply("unplug-at", {"12"}), -1);

    EXPECT_EQ(Unit(1).present + Unit(2).present + Unit(3).present + Unit(4).present, 2u);
    EXPECT_TRUE(Unit(2).present && Unit(4).present);
    EXPECT_EQ(Unit(2).writeStatusCount, 3u);
    EXPECT_EQ(Unit(2).writeStatuses[2], -1);
    EXPECT_EQ(Unit(4).sampleRate, 44100);
    EXPECT_EQ(Unit(4).streamUnitCount, 3u);
    EXPECT_EQ(Unit(4).streamRate, 96000);
    EXPECT_EQ(Unit(3).identityLength, 5000u);
    EXPECT_EQ(std::memcmp(Unit(3).identity, "abc\0", 4), 0);
    EXPECT_EQ(DeviceModel::RecordWord(Unit(2), kSimLevelOffset), 9);
    EXPECT_EQ(DeviceModel::RecordWord(Unit(1), kSimLevelOffset), 5);
    int failing = 0;
    for (uint32_t code : Unit(1).failCodes) {
        failing += code == kSimGetIdentity;
    }
    EXPECT_EQ(failing, 1);
    EXPECT_EQ(Unit(2).shortCode, kSimGetStreamState);
    EXPECT_EQ(Unit(3).patchOffset, 288u);
    EXPECT_EQ(m_scenario->unplugAt, 12u);

    EXPECT_EQ(Apply("nofail", {"1"}), -1);
    EXPECT_EQ(Apply("patch", {"3", "off"}), -1);
    EXPECT_EQ(Unit(1).failCodes[0], 0u);
    EXPECT_EQ(Unit(3).patchOffset, kSimNoPatch);
}

struct BadCase {
    const char* name;
    ToolArguments args;
    int badIndex;
};

TEST_F(ScenarioCommandsTest, NamesTheFirstBadArgumentAndChangesNothing) {
    const BadCase cases[] = {
        {"present", {"1,5"}, 0},
        {"status", {"0", "1"}, 0},
        {"status", {"1", "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17"}, 1},
        {"rate", {"1", "48 000"}, 1},
        {"stream", {"1", "-1", "48000"}, 1},
        {"stream", {"1", "2", "fast"}, 2},
        {"identity", {"1", std::string(kSimIdentityBytes + 1, 'x')}, 1},
        {"identity", {"1", "abc", "-5"}, 2},
        {"level", {"1", "nine"}, 1},
        {"word", {"1", "2", "0"}, 1},   // not word-aligned
        {"word", {"1", "324", "0"}, 1}, // the status word is the driver's
        {"store", {"1", "2"}, 1},
        {"patch", {"1", "off", "3"}, 1},
        {"short", {"1", "get-settings", "329"}, 2},
        {"short", {"1", "nothing", "3"}, 1},
        {"fail", {"5", "all"}, 0},
        {"unplug-at", {"-1"}, 0},
    };
    for (const BadCase& c : cases) {
        EXPECT_EQ(Apply(c.name, c.args), c.badIndex) << c.name << " " << c.args.back();
    }
}

TEST_F(ScenarioCommandsTest, EveryCommandIsListedWithItsUsage) {
    size_t count = 0;
    for (const ScenarioCommand* c = ScenarioCommands::begin(); c != ScenarioCommands::end();
         ++c, ++count) {
        EXPECT_EQ(ScenarioCommands::Find(c->name), c);
        EXPECT_GE(c->maxArgs, c->minArgs);
        EXPECT_GT(std::strlen(c->help), 0u);
    }
    EXPECT_GE(count, 10u);
    EXPECT_EQ(ScenarioCommands::Find("Present"), nullptr);
}

TEST_F(ScenarioCommandsTest, ReportsShowWhatWasSet) {
    Apply("status", {"1", "1,2"});
    Apply("short", {"1", "identity", "6"});
    const std::string scenario = ReportPrinter::Scenario(*m_scenario);
    EXPECT_NE(scenario.find("unit 1: present, rate 48000"), std::string::npos) << scenario;
    EXPECT_NE(scenario.find("write statuses 1,2"), std::string::npos) << scenario;
    EXPECT_NE(scenario.find("identity cut to 6 bytes"), std::string::npos) << scenario;

    std::vector<SimTraceEntry> trace = {
        {0, kSimOpen, 0, 1}, {0, kSimControl, 0x222050, 0}, {0, kSimControl, 0x222804, 0}};
    const std::string text = ReportPrinter::Trace(trace, 700);
    EXPECT_NE(text.find("sample-rate  refused"), std::string::npos) << text;
    EXPECT_NE(text.find("0x222804"), std::string::npos) << text;
    EXPECT_NE(text.find("697 more not kept"), std::string::npos) << text;
}

} // namespace
