#include "tests/e2e/driver/DriverTestFixture.h"

#include "app/ProductIdentity.h"

void DriverTestFixture::SetUp() {
    ASSERT_TRUE(m_control.Reset())
        << "the simulated driver does not answer: run inside tools/bench with the driver built";
}

void DriverTestFixture::TearDown() {
    const SimCounters counters = SettledCounters([](const SimCounters& c) {
        for (uint32_t unit = 0; unit < kSimUnitCount; ++unit) {
            if (c.opens[unit] != c.closes[unit]) {
                return false;
            }
        }
        return true;
    });
    for (uint32_t unit = 0; unit < kSimUnitCount; ++unit) {
        EXPECT_EQ(counters.opens[unit], counters.closes[unit]) << "link " << unit + 1;
    }
    m_control.Reset();
}

std::u16string DriverTestFixture::LinkPath(uint32_t link) {
    return u"\\\\.\\" + std::u16string(kDeviceLinkBaseName) + u"00" +
           static_cast<char16_t>(u'0' + link);
}

bool DriverTestFixture::Exchange(uint32_t link, uint32_t code, std::vector<uint8_t>& buffer) {
    const uint32_t length = DeviceModel::CodeLength(code);
    buffer.assign(length + kGuardBytes, kFill);
    const DeviceHandle handle = m_kernel.Open(LinkPath(link).c_str());
    if (handle == kNoDeviceHandle) {
        return false;
    }
    const bool answered = m_kernel.Control(handle, code, buffer.data(), length);
    m_kernel.Close(handle);
    for (size_t i = length; i < buffer.size(); ++i) {
        EXPECT_EQ(buffer[i], kFill) << "written past the request's " << length << " bytes";
    }
    return answered;
}

bool DriverTestFixture::LinkOpens(uint32_t link) {
    const DeviceHandle handle = m_kernel.Open(LinkPath(link).c_str());
    if (handle == kNoDeviceHandle) {
        return false;
    }
    m_kernel.Close(handle);
    return true;
}

SimCounters DriverTestFixture::Counters() {
    SimCounters counters{};
    EXPECT_TRUE(m_control.GetCounters(counters));
    return counters;
}

int32_t DriverTestFixture::WordAt(const std::vector<uint8_t>& buffer, size_t offset) {
    uint32_t word = 0;
    for (size_t i = 0; i < 4 && offset + i < buffer.size(); ++i) {
        word |= static_cast<uint32_t>(buffer[offset + i]) << (8 * i);
    }
    return static_cast<int32_t>(word);
}
