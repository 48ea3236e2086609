#pragma once
// The four device links over a kernel seam that answers with the fuzzer's bytes.

#include "FuzzKernelPort.h"

#include "driver/DeviceSlotSet.h"

class FuzzDevices {
public:
    FuzzDevices(const std::uint8_t* data, std::size_t size)
        : input(data, size), kernel(input), slots(kernel) {
        slots.BuildSlots();
    }

    FuzzInput input;
    FuzzKernelPort kernel;
    DeviceSlotSet slots;
};
