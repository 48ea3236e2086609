#include "driver/DeviceSlot.h"

#include "app/ProductIdentity.h"

#include <algorithm>
#include <string>

namespace {
// "\\.\<base>00<n>", the form the driver gives its links.
std::u16string LinkPath(std::int32_t number) {
    std::u16string text = u"\\\\.\\";
    text += kDeviceLinkBaseName;
    text += u"00";
    const std::string digits = std::to_string(number);
    text.append(digits.begin(), digits.end());
    return text;
}
} // namespace

void DeviceSlot::Build(std::int32_t slotIndex) {
    index = slotIndex;
    const std::u16string text = LinkPath(slotIndex + 1);
    const std::size_t units = std::min(text.size(), kPathUnits - 1);
    std::copy_n(text.begin(), units, path);
    std::fill(path + units, path + kPathUnits, u'\0');
}

bool DeviceSlot::Probe(KernelPort& kernel) const {
    const DeviceHandle handle = kernel.Open(path);
    if (handle == kNoDeviceHandle) {
        return false;
    }
    kernel.Close(handle);
    return true;
}

bool DeviceSlot::SendRequest(KernelPort& kernel, std::uint32_t code, void* buffer,
                             std::uint32_t length) const {
    const DeviceHandle handle = kernel.Open(path);
    if (handle == kNoDeviceHandle) {
        return false;
    }
    const bool completed = kernel.Control(handle, code, buffer, length);
    kernel.Close(handle);
    return completed;
}
