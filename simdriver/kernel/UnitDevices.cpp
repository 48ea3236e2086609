#include "simdriver/kernel/UnitDevices.h"

#include "simdriver/kernel/KernelNames.h"

namespace {

void ComposeDeviceName(KernelName& name, uint32_t unit) {
    ComposeKernelName(name, L"\\Device\\", unit);
}

void ComposeLinkName(KernelName& name, uint32_t unit) {
    ComposeKernelName(name, L"\\DosDevices\\", unit);
}

} // namespace

NTSTATUS UnitDevices::Create(PDRIVER_OBJECT driver) {
    for (uint32_t unit = 0; unit <= kSimControlUnit; ++unit) {
        NTSTATUS status = CreateOne(driver, unit);
        if (!NT_SUCCESS(status)) {
            Destroy();
            return status;
        }
    }
    SetLink(kSimControlUnit, true);
    if (!m_linked[kSimControlUnit]) {
        Destroy();
        return STATUS_UNSUCCESSFUL;
    }
    return STATUS_SUCCESS;
}

NTSTATUS UnitDevices::CreateOne(PDRIVER_OBJECT driver, uint32_t unit) {
    KernelName name;
    ComposeDeviceName(name, unit);
    PDEVICE_OBJECT device = nullptr;
    NTSTATUS status = IoCreateDevice(driver, sizeof(SimDeviceTag), &name.string,
                                     FILE_DEVICE_UNKNOWN, 0, FALSE, &device);
    if (!NT_SUCCESS(status)) {
        return status;
    }
    static_cast<SimDeviceTag*>(device->DeviceExtension)->unit = unit;
    device->Flags |= DO_BUFFERED_IO;
    device->Flags &= ~DO_DEVICE_INITIALIZING;
    m_devices[unit] = device;
    return STATUS_SUCCESS;
}

void UnitDevices::SetLink(uint32_t unit, bool wanted) {
    if (m_linked[unit] == wanted || m_devices[unit] == nullptr) {
        return;
    }
    KernelName link;
    ComposeLinkName(link, unit);
    if (wanted) {
        KernelName device;
        ComposeDeviceName(device, unit);
        m_linked[unit] = NT_SUCCESS(IoCreateSymbolicLink(&link.string, &device.string));
    } else {
        IoDeleteSymbolicLink(&link.string);
        m_linked[unit] = false;
    }
}

void UnitDevices::SyncLinks(const DeviceModel& model) {
    for (uint32_t unit = 0; unit < kSimUnitCount; ++unit) {
        SetLink(unit, model.IsPresent(unit));
    }
}

void UnitDevices::Destroy() {
    for (uint32_t unit = 0; unit <= kSimControlUnit; ++unit) {
        SetLink(unit, false);
        if (m_devices[unit] != nullptr) {
            IoDeleteDevice(m_devices[unit]);
            m_devices[unit] = nullptr;
        }
    }
}
