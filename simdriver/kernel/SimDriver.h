#pragma once
// The substitute driver: the device model behind the unit devices and the control device.
// Every request is completed before its dispatch routine returns; a client that opened a
// link with FILE_FLAG_OVERLAPPED and passes no OVERLAPPED structure relies on that.
// One global instance; it has no constructor and starts zeroed.

#include "simdriver/DeviceModel.h"
#include "simdriver/kernel/UnitDevices.h"

#include <ntddk.h>

class SimDriver {
public:
    NTSTATUS Start(PDRIVER_OBJECT driver);
    void Stop();
    // IRP_MJ_CREATE, IRP_MJ_CLOSE and IRP_MJ_DEVICE_CONTROL; completes the IRP.
    NTSTATUS Dispatch(PDEVICE_OBJECT device, PIRP irp);

private:
    NTSTATUS Serve(uint32_t unit, PIRP irp, ULONG_PTR& information);
    NTSTATUS ServeUnitRequest(uint32_t unit, PIRP irp, ULONG_PTR& information);
    NTSTATUS ServeControlRequest(PIRP irp, ULONG_PTR& information);

    DeviceModel m_model;
    UnitDevices m_devices;
    KMUTEX m_lock; // clients in several processes may reach the model at once
};
