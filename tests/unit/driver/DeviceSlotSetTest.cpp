#include "ModelFixture.h"

#include "driver/ControlCodes.h"

#include <array>
#include <vector>

namespace {

using DeviceSlotSetTest = ModelFixture;

TEST(DeviceSlots, FourLinksNumberedFromOne) {
    struct NoKernel : KernelPort {
        DeviceHandle Open(const char16_t*) override { return kNoDeviceHandle; }
        bool Control(DeviceHandle, std::uint32_t, void*, std::uint32_t) override { return false; }
        void Close(DeviceHandle) override {}
    } kernel;
    DeviceSlotSet slots(kernel);
    slots.BuildSlots();
    const std::u16string expected[] = {u"\\\\.\\Qzwm4406001", u"\\\\.\\Qzwm4406002",
                                       u"\\\\.\\Qzwm4406003", u"\\\\.\\Qzwm4406004"};
    for (std::size_t i = 0; i < DeviceSlotSet::kSlotCount; ++i) {
        EXPECT_EQ(slots.Slots()[i].index, static_cast<std::int32_t>(i));
        EXPECT_EQ(std::u16string(slots.Slots()[i].path), expected[i]);
    }
}

TEST(ControlCodes, ValuesAndLengthsMatchTheDriver) {
    const std::array<std::uint32_t, 6> codes = {
        IOCTL_DRV_GET_SETTINGS, IOCTL_DRV_SET_SETTINGS,   IOCTL_DRV_GET_STREAM_STATE,
        IOCTL_DRV_GET_IDENTITY, IOCTL_DRV_GET_MATCH_MODE, IOCTL_DRV_GET_SAMPLE_RATE};
    const std::array<std::uint32_t, 6> lengths = {
        kSettingsRequestBytes, kSettingsRequestBytes,  kStreamStateRequestBytes,
        kIdentityRequestBytes, kMatchModeRequestBytes, kSampleRateRequestBytes};
    for (std::size_t i = 0; i < codes.size(); ++i) {
        EXPECT_EQ(DeviceModel::CodeLength(codes[i]), lengths[i]) << std::hex << codes[i];
    }
}

TEST_F(DeviceSlotSetTest, PresenceOpensAndClosesEveryLink) {
    struct Case {
        std::vector<std::size_t> present;
        bool any;
        const char* trace;
    };
    const Case cases[] = {
        {{}, false, "x0 x1 x2 x3"},
        {{3}, true, "x0 x1 x2 o3 c3"},
        {{0, 1, 2, 3}, true, "o0 c0 o1 c1 o2 c2 o3 c3"},
    };
    for (const Case& c : cases) {
        Present({});
        for (std::size_t unit : c.present) {
            Unit(unit).present = 1;
        }
        model.ClearCounters();
        EXPECT_EQ(slots.AnySlotPresent(), c.any) << c.trace;
        EXPECT_EQ(TraceText(), c.trace);
    }
}

TEST_F(DeviceSlotSetTest, ALinkIsFoundAgainByEveryCall) {
    Present({});
    EXPECT_FALSE(slots.AnySlotPresent());
    Present({1});
    EXPECT_TRUE(slots.AnySlotPresent());
    EXPECT_TRUE(slots.Probe(1));
    Present({});
    EXPECT_FALSE(slots.Probe(1));
}

TEST_F(DeviceSlotSetTest, SendRequestClosesWhateverHappened) {
    struct Case {
        bool present;
        bool fails;
        bool result;
        const char* trace;
    };
    const Case cases[] = {
        {false, false, false, "x0"},
        {true, true, false, "o0 G0! c0"},
        {true, false, true, "o0 G0 c0"},
    };
    for (const Case& c : cases) {
        model.Reset();
        Unit(0).present = c.present ? 1 : 0;
        if (c.fails) {
            Fail(0, IOCTL_DRV_GET_SETTINGS);
        }
        std::array<std::uint8_t, kSettingsRequestBytes> buffer{};
        EXPECT_EQ(
            slots.SendRequest(0, IOCTL_DRV_GET_SETTINGS, buffer.data(), kSettingsRequestBytes),
            c.result)
            << c.trace;
        EXPECT_EQ(TraceText(), c.trace);
    }
    std::array<std::uint8_t, kSettingsRequestBytes> buffer{};
    EXPECT_FALSE(
        slots.SendRequest(4, IOCTL_DRV_GET_SETTINGS, buffer.data(), kSettingsRequestBytes));
    EXPECT_FALSE(slots.Probe(DeviceSlotSet::kSlotCount));
}

} // namespace
