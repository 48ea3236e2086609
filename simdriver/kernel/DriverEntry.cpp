// Entry points of tx90sim.sys.

#include "simdriver/kernel/SimDriver.h"

namespace {

SimDriver g_driver;

NTSTATUS NTAPI DispatchServed(PDEVICE_OBJECT device, PIRP irp) {
    return g_driver.Dispatch(device, irp);
}

NTSTATUS NTAPI DispatchRefused(PDEVICE_OBJECT, PIRP irp) {
    irp->IoStatus.Status = STATUS_INVALID_DEVICE_REQUEST;
    irp->IoStatus.Information = 0;
    IoCompleteRequest(irp, IO_NO_INCREMENT);
    return STATUS_INVALID_DEVICE_REQUEST;
}

void NTAPI Unload(PDRIVER_OBJECT) {
    g_driver.Stop();
}

} // namespace

extern "C" NTSTATUS NTAPI DriverEntry(PDRIVER_OBJECT driver, PUNICODE_STRING) {
    for (ULONG major = 0; major <= IRP_MJ_MAXIMUM_FUNCTION; ++major) {
        driver->MajorFunction[major] = DispatchRefused;
    }
    driver->MajorFunction[IRP_MJ_CREATE] = DispatchServed;
    driver->MajorFunction[IRP_MJ_CLOSE] = DispatchServed;
    driver->MajorFunction[IRP_MJ_DEVICE_CONTROL] = DispatchServed;
    driver->DriverUnload = Unload;
    return g_driver.Start(driver);
}
