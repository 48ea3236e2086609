#pragma once
// Serves the control device's requests on a model. Freestanding, like the model: the kernel
// driver calls it inside its dispatch routine and host tests call it directly.

#include "simdriver/control/ControlProtocol.h"

enum class SimControlResult { kServed, kUnknownCode, kBadLength };

class SimControlServer {
public:
    // buffer holds inLength bytes going in and has room for outLength bytes coming back (the
    // one buffered-I/O buffer). It is touched only after both lengths have been found exact.
    // returned: bytes of the answer, 0 unless served.
    static SimControlResult Serve(DeviceModel& model, uint32_t code, uint8_t* buffer,
                                  uint32_t inLength, uint32_t outLength, uint32_t& returned);

private:
    static void FillTracePage(const DeviceModel& model, uint32_t first, SimTracePage& page);
};
