// Driver answers to the settings read and write: the working record, the clamp and the folded
// status must stay sound whatever the driver sends back.

#include "FuzzDevices.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzDevices devices(data, size);
    const DeviceSlotSet& slots = devices.slots;

    WorkingRecord record;
    slots.ReadSettings(record);
    record.ClampOffsets();
    const std::int32_t bound = LevelBound(record.BufferLevel());
    Require(std::abs(record.OffsetA()) <= bound && std::abs(record.OffsetB()) <= bound);
    Require(record.OffsetAEnabled() != 0 || record.OffsetA() == 0);

    const WorkingRecord before = record;
    DriverStatus status = -1;
    if (slots.WriteSettings(record, status)) {
        Require(status == kStatusInEffect || status == kStatusDeviceInUse ||
                status == kStatusReconnect);
    }
    Require(std::equal(before.Bytes(), before.Bytes() + WorkingRecord::kBytes, record.Bytes()));
    Require(devices.kernel.AllClosed());
    return 0;
}
