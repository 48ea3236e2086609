#include "simdriver/kernel/SimDriver.h"

#include "simdriver/control/SimControlServer.h"

namespace {

class ScopedLock {
public:
    explicit ScopedLock(KMUTEX& mutex) : m_mutex(mutex) {
        KeWaitForSingleObject(&m_mutex, Executive, KernelMode, FALSE, nullptr);
    }
    ~ScopedLock() { KeReleaseMutex(&m_mutex, FALSE); }
    ScopedLock(const ScopedLock&) = delete;
    ScopedLock& operator=(const ScopedLock&) = delete;

private:
    KMUTEX& m_mutex;
};

} // namespace

NTSTATUS SimDriver::Start(PDRIVER_OBJECT driver) {
    KeInitializeMutex(&m_lock, 0);
    m_model.Reset();
    NTSTATUS status = m_devices.Create(driver);
    if (NT_SUCCESS(status)) {
        m_devices.SyncLinks(m_model);
    }
    return status;
}

void SimDriver::Stop() {
    m_devices.Destroy();
}

NTSTATUS SimDriver::Dispatch(PDEVICE_OBJECT device, PIRP irp) {
    const uint32_t unit = static_cast<const SimDeviceTag*>(device->DeviceExtension)->unit;
    ULONG_PTR information = 0;
    NTSTATUS status;
    {
        ScopedLock lock(m_lock);
        status = Serve(unit, irp, information);
        // Any operation may change presence: a control command, or the unplug rule.
        m_devices.SyncLinks(m_model);
    }
    irp->IoStatus.Status = status;
    irp->IoStatus.Information = information;
    IoCompleteRequest(irp, IO_NO_INCREMENT);
    return status;
}

NTSTATUS SimDriver::Serve(uint32_t unit, PIRP irp, ULONG_PTR& information) {
    const UCHAR major = IoGetCurrentIrpStackLocation(irp)->MajorFunction;
    const bool isUnit = unit < kSimUnitCount;
    switch (major) {
    case IRP_MJ_CREATE:
        // Wine hands out a handle whatever this says; the link decides presence.
        return !isUnit || m_model.Open(unit) ? STATUS_SUCCESS : STATUS_DEVICE_NOT_CONNECTED;
    case IRP_MJ_CLOSE:
        if (isUnit) {
            m_model.Close(unit);
        }
        return STATUS_SUCCESS;
    case IRP_MJ_DEVICE_CONTROL:
        return isUnit ? ServeUnitRequest(unit, irp, information)
                      : ServeControlRequest(irp, information);
    default:
        return STATUS_INVALID_DEVICE_REQUEST;
    }
}

NTSTATUS SimDriver::ServeUnitRequest(uint32_t unit, PIRP irp, ULONG_PTR& information) {
    const auto& request = IoGetCurrentIrpStackLocation(irp)->Parameters.DeviceIoControl;
    const uint32_t code = request.IoControlCode;
    const uint32_t length = DeviceModel::CodeLength(code);
    // The system buffer is only as large as the longer of the two lengths the client gave:
    // unless both are the code's exact length the model gets no buffer, and refuses (and
    // traces) the request without touching memory.
    const bool exact =
        length != 0 && request.InputBufferLength == length && request.OutputBufferLength == length;
    uint8_t* buffer = exact ? static_cast<uint8_t*>(irp->AssociatedIrp.SystemBuffer) : nullptr;
    uint32_t returned = 0;
    if (m_model.Control(unit, code, buffer, request.InputBufferLength, request.OutputBufferLength,
                        returned)) {
        information = returned <= length ? returned : length;
        return STATUS_SUCCESS;
    }
    if (length == 0) {
        return STATUS_INVALID_DEVICE_REQUEST;
    }
    if (!exact) {
        return STATUS_INVALID_PARAMETER;
    }
    return m_model.IsPresent(unit) ? STATUS_UNSUCCESSFUL : STATUS_DEVICE_NOT_CONNECTED;
}

NTSTATUS SimDriver::ServeControlRequest(PIRP irp, ULONG_PTR& information) {
    const auto& request = IoGetCurrentIrpStackLocation(irp)->Parameters.DeviceIoControl;
    uint32_t returned = 0;
    const SimControlResult result = SimControlServer::Serve(
        m_model, request.IoControlCode, static_cast<uint8_t*>(irp->AssociatedIrp.SystemBuffer),
        request.InputBufferLength, request.OutputBufferLength, returned);
    switch (result) {
    case SimControlResult::kServed:
        information = returned;
        return STATUS_SUCCESS;
    case SimControlResult::kBadLength:
        return STATUS_INVALID_PARAMETER;
    default:
        return STATUS_INVALID_DEVICE_REQUEST;
    }
}
