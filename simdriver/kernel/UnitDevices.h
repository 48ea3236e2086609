#pragma once
// The driver's device objects: one per unit (\Device\Qzwm440600n) and the control device
// (\Device\Qzwm4406ctl). A unit's link \DosDevices\Qzwm440600n exists exactly while the model
// says that unit is present: under Wine an open that the driver refuses still gets a handle,
// so the link is the only way a client can find a unit absent.

#include "simdriver/DeviceModel.h"

#include <ntddk.h>

// Stored in every device object's extension.
struct SimDeviceTag {
    uint32_t unit; // 0..3, or kSimControlUnit
};
constexpr uint32_t kSimControlUnit = kSimUnitCount;

class UnitDevices {
public:
    // Creates the four unit devices and the control device with its link. On failure
    // everything created so far is removed again.
    NTSTATUS Create(PDRIVER_OBJECT driver);
    // Creates or deletes unit links until they match the model's presence.
    void SyncLinks(const DeviceModel& model);
    void Destroy();

private:
    NTSTATUS CreateOne(PDRIVER_OBJECT driver, uint32_t unit);
    void SetLink(uint32_t unit, bool wanted);

    PDEVICE_OBJECT m_devices[kSimUnitCount + 1];
    bool m_linked[kSimUnitCount + 1];
};
