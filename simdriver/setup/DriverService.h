#pragma once
// The kernel service that loads tx90sim.sys. It is created by this 64-bit program, so Wine
// hosts it in its 64-bit driver host (a service created from a 32-bit process would be marked
// as a WOW64 service and fail to load a 64-bit driver), with automatic start, so every new
// session loads the driver before its first program runs.

#include "simdriver/setup/SetupError.h"

#include <string>

class DriverService {
public:
    // Replaces any earlier installation: stops and deletes the service, copies the image into
    // the system's drivers folder, creates and starts the service and waits until the driver
    // answers on its control device.
    static bool Install(const std::wstring& sourceImage, SetupError& error);
    // Stops and deletes the service and deletes the image; what is not there is skipped.
    static bool Remove(SetupError& error);

private:
    static std::wstring InstalledImage();
};
