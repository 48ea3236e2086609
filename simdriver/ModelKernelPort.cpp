#include "simdriver/ModelKernelPort.h"

#include "app/ProductIdentity.h"

namespace {

// Advances `text` past `prefix` when it starts with it.
bool Consume(const char16_t*& text, const char16_t* prefix) {
    const char16_t* cursor = text;
    for (; *prefix != u'\0'; ++prefix, ++cursor) {
        if (*cursor != *prefix) {
            return false;
        }
    }
    text = cursor;
    return true;
}

} // namespace

int ModelKernelPort::UnitOfPath(const char16_t* path) {
    if (path == nullptr || !Consume(path, u"\\\\.\\") || !Consume(path, kDeviceLinkBaseName) ||
        !Consume(path, u"00")) {
        return -1;
    }
    const char16_t digit = path[0];
    if (digit < u'1' || digit > u'0' + kSimUnitCount || path[1] != u'\0') {
        return -1;
    }
    return digit - u'1';
}

DeviceHandle ModelKernelPort::Open(const char16_t* path) {
    const int unit = UnitOfPath(path);
    if (unit < 0) {
        ++m_unknownPathOpens;
        return kNoDeviceHandle;
    }
    OpenHandle* entry = Find(0);
    // A full table means the client leaks handles; refusing further opens makes that visible.
    if (entry == nullptr || !m_model.Open(static_cast<std::uint32_t>(unit))) {
        return kNoDeviceHandle;
    }
    entry->handle = m_nextHandle;
    entry->unit = static_cast<std::uint32_t>(unit);
    m_nextHandle += 4;
    return entry->handle;
}

bool ModelKernelPort::Control(DeviceHandle handle, std::uint32_t code, void* buffer,
                              std::uint32_t length) {
    const OpenHandle* entry = handle == 0 ? nullptr : Find(handle);
    if (entry == nullptr) {
        ++m_badRequests;
        return false;
    }
    return m_model.Control(entry->unit, code, static_cast<std::uint8_t*>(buffer), length, length,
                           m_lastBytesReturned);
}

void ModelKernelPort::Close(DeviceHandle handle) {
    OpenHandle* entry = handle == 0 ? nullptr : Find(handle);
    if (entry == nullptr) {
        ++m_badCloses;
        return;
    }
    m_model.Close(entry->unit);
    entry->handle = 0;
}

std::uint32_t ModelKernelPort::OpenHandles() const {
    std::uint32_t count = 0;
    for (const OpenHandle& entry : m_handles) {
        count += entry.handle != 0 ? 1 : 0;
    }
    return count;
}

ModelKernelPort::OpenHandle* ModelKernelPort::Find(DeviceHandle handle) {
    for (OpenHandle& entry : m_handles) {
        if (entry.handle == handle) {
            return &entry;
        }
    }
    return nullptr;
}
