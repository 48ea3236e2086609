#include "simdriver/ModelKernelPort.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>

namespace {

class ModelKernelPortTest : public ::testing::Test {
protected:
    void SetUp() override { model.Reset(); }

    std::unique_ptr<DeviceModel> holder = std::make_unique<DeviceModel>();
    DeviceModel& model = *holder;
    ModelKernelPort port{model};
};

TEST_F(ModelKernelPortTest, OnlyTheFourDeviceLinksNameUnits) {
    struct Case {
        const char16_t* path;
        int unit;
    };
    const Case cases[] = {
        {u"\\\\.\\Qzwm4406001", 0},
        {u"\\\\.\\Qzwm4406002", 1},
        {u"\\\\.\\Qzwm4406003", 2},
        {u"\\\\.\\Qzwm4406004", 3},
        {u"\\\\.\\Qzwm4406000", -1},
        {u"\\\\.\\Qzwm4406005", -1},
        {u"\\\\.\\Qzwm44060011", -1},
        {u"\\\\.\\Qzwm440600", -1},
        {u"\\\\.\\Qzwm440601", -1},
        {u"\\\\.\\qzwm4406001", -1},
        {u"Qzwm4406001", -1},
        {u"\\\\?\\Qzwm4406001", -1},
        {u"", -1},
        {nullptr, -1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ModelKernelPort::UnitOfPath(c.path), c.unit) << c.unit;
    }
}

TEST_F(ModelKernelPortTest, OpensReachTheModelOnlyForLinks) {
    model.EditScenario().units[2].present = 1;
    EXPECT_EQ(port.Open(u"\\\\.\\Qzwm4406009"), kNoDeviceHandle);
    EXPECT_EQ(port.Open(nullptr), kNoDeviceHandle);
    EXPECT_EQ(port.UnknownPathOpens(), 2u);
    EXPECT_EQ(model.Counters().operations, 0u);

    EXPECT_EQ(port.Open(u"\\\\.\\Qzwm4406002"), kNoDeviceHandle); // unit 1 absent
    EXPECT_EQ(model.Counters().failedOpens[1], 1u);

    const DeviceHandle handle = port.Open(u"\\\\.\\Qzwm4406003");
    ASSERT_NE(handle, kNoDeviceHandle);
    uint8_t rate[8] = {};
    EXPECT_TRUE(port.Control(handle, kSimGetSampleRate, rate, sizeof rate));
    EXPECT_EQ(rate[4] | rate[5] << 8 | rate[6] << 16, 48000);
    EXPECT_EQ(port.LastBytesReturned(), 8u);
    EXPECT_FALSE(port.Control(handle, kSimGetSampleRate, rate, 4)); // length rules hold
    port.Close(handle);
    EXPECT_EQ(model.Counters().requests[2][DeviceModel::CodeIndex(kSimGetSampleRate)], 1u);
    EXPECT_EQ(model.Counters().opens[2], model.Counters().closes[2]);
    EXPECT_EQ(port.OpenHandles(), 0u);
    EXPECT_EQ(port.BadCloses(), 0u);
}

TEST_F(ModelKernelPortTest, HandlesAreDistinctAndStaleOnesAreCaught) {
    const DeviceHandle first = port.Open(u"\\\\.\\Qzwm4406001");
    const DeviceHandle second = port.Open(u"\\\\.\\Qzwm4406001");
    ASSERT_NE(first, kNoDeviceHandle);
    EXPECT_NE(first, second);
    EXPECT_EQ(port.OpenHandles(), 2u);

    port.Close(first);
    port.Close(first); // double close
    port.Close(0);
    port.Close(kNoDeviceHandle);
    EXPECT_EQ(port.BadCloses(), 3u);
    EXPECT_EQ(model.Counters().closes[0], 1u);

    const DeviceHandle third = port.Open(u"\\\\.\\Qzwm4406001");
    EXPECT_NE(third, first); // a reused table entry gets a new value: the stale handle stays bad
    uint8_t flag[4] = {};
    EXPECT_FALSE(port.Control(first, kSimGetMatchMode, flag, 4));
    EXPECT_EQ(port.BadRequests(), 1u);
    EXPECT_TRUE(port.Control(third, kSimGetMatchMode, flag, 4));
    port.Close(second);
    port.Close(third);
    EXPECT_EQ(port.OpenHandles(), 0u);
    EXPECT_EQ(model.Counters().opens[0], model.Counters().closes[0]);
}

TEST_F(ModelKernelPortTest, AFullHandleTableRefusesOpensUntilOneCloses) {
    std::set<DeviceHandle> handles;
    for (uint32_t i = 0; i < ModelKernelPort::kHandleCapacity; ++i) {
        handles.insert(port.Open(u"\\\\.\\Qzwm4406001"));
    }
    EXPECT_EQ(handles.size(), ModelKernelPort::kHandleCapacity);
    EXPECT_EQ(handles.count(kNoDeviceHandle), 0u);
    EXPECT_EQ(port.Open(u"\\\\.\\Qzwm4406001"), kNoDeviceHandle);
    EXPECT_EQ(model.Counters().opens[0], ModelKernelPort::kHandleCapacity);

    port.Close(*handles.begin());
    EXPECT_NE(port.Open(u"\\\\.\\Qzwm4406001"), kNoDeviceHandle);
}

TEST_F(ModelKernelPortTest, AHandleOutlivingItsUnitFailsRequestsButCloses) {
    const DeviceHandle handle = port.Open(u"\\\\.\\Qzwm4406001");
    model.EditScenario().units[0].present = 0;
    uint8_t flag[4] = {};
    EXPECT_FALSE(port.Control(handle, kSimGetMatchMode, flag, 4));
    EXPECT_EQ(port.BadRequests(), 0u); // the handle itself is valid
    port.Close(handle);
    EXPECT_EQ(model.Counters().closes[0], 1u);
    EXPECT_EQ(port.OpenHandles(), 0u);
}

} // namespace
