// The control tool run as a user runs it, against the loaded driver.

#include "tests/e2e/driver/ChildProcess.h"
#include "tests/e2e/driver/DriverTestFixture.h"

#include <cstring>
#include <memory>

namespace {

class TxSimCtlTest : public DriverTestFixture {
protected:
    ChildResult Tool(const std::string& arguments) {
        ChildResult result = ChildProcess::Run(TX_TXSIMCTL_EXE, arguments);
        EXPECT_TRUE(result.ran) << arguments;
        return result;
    }
    std::unique_ptr<SimScenario> Scenario() {
        auto scenario = std::make_unique<SimScenario>();
        EXPECT_TRUE(m_control.GetScenario(*scenario));
        return scenario;
    }
};

TEST_F(TxSimCtlTest, CommandsChangeWhatTheLinksAnswer) {
    ASSERT_EQ(Tool("present 2,4").exitCode, 0u);
    ASSERT_EQ(Tool("status 2 1,2").exitCode, 0u);
    ASSERT_EQ(Tool("rate 4 0x15888").exitCode, 0u); // 88200
    ASSERT_EQ(Tool("fail 4 match-mode").exitCode, 0u);
    EXPECT_FALSE(LinkOpens(1));
    EXPECT_FALSE(LinkOpens(3));
    std::vector<uint8_t> buffer;
    ASSERT_TRUE(Exchange(4, kSimGetSampleRate, buffer));
    EXPECT_EQ(WordAt(buffer, 4), 88200);
    EXPECT_FALSE(Exchange(4, kSimGetMatchMode, buffer));
    for (int32_t status : {1, 2, 2}) {
        ASSERT_TRUE(Exchange(2, kSimSetSettings, buffer));
        EXPECT_EQ(WordAt(buffer, 324), status);
    }
    const ChildResult counters = Tool("counters");
    EXPECT_EQ(counters.exitCode, 0u);
    EXPECT_NE(counters.out.find("operations"), std::string::npos) << counters.out;
    ASSERT_EQ(Tool("reset").exitCode, 0u);
    EXPECT_TRUE(LinkOpens(1));
}

TEST_F(TxSimCtlTest, BadCommandLinesChangeNothing) {
    const char* const bad[] = {
        "",
        "frob",
        "present 5",
        "present 1,1",
        "present 1,",
        "status 1 1,,2",
        "status 1 " /* no list */,
        "rate 1 48k",
        "rate 0 48000",
        "level 1",
        "fail 1 nothing",
        "unplug-at 99999999999",
        "identity 1",
        "short 1 identity 2057",
        "match 1 -",
        "counters now",
    };
    const auto before = Scenario();
    for (const char* arguments : bad) {
        const ChildResult result = Tool(arguments);
        EXPECT_EQ(result.exitCode, 2u) << "'" << arguments << "'";
        const std::string& message = *arguments ? result.err : result.out;
        EXPECT_FALSE(message.empty()) << "'" << arguments << "'";
        if (*arguments) {
            EXPECT_EQ(message.find('\n'), message.size() - 1) << message;
        }
    }
    EXPECT_EQ(std::memcmp(before.get(), Scenario().get(), sizeof(SimScenario)), 0);
}

TEST_F(TxSimCtlTest, HelpListsEveryCommand) {
    const ChildResult help = Tool("help");
    EXPECT_EQ(help.exitCode, 0u);
    for (const char* name :
         {"present", "status", "fail", "nofail", "rate", "stream", "identity", "match", "level",
          "unplug-at", "short", "counters", "trace", "clear", "reset"}) {
        EXPECT_NE(help.out.find(std::string("  ") + name + " "), std::string::npos) << name;
    }
}

} // namespace
