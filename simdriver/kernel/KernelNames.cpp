#include "simdriver/kernel/KernelNames.h"

#include "app/ProductIdentity.h"
#include "simdriver/control/ControlProtocol.h"

namespace {

void Append(KernelName& name, uint32_t& length, const char16_t* text) {
    for (; *text && length + 1 < kKernelNameChars; ++text) {
        name.text[length++] = static_cast<wchar_t>(*text);
    }
}

} // namespace

void ComposeKernelName(KernelName& name, const wchar_t* prefix, uint32_t unit) {
    uint32_t length = 0;
    for (; *prefix && length + 1 < kKernelNameChars; ++prefix) {
        name.text[length++] = *prefix;
    }
    Append(name, length, kDeviceLinkBaseName);
    if (unit < kSimUnitCount) {
        const char16_t suffix[] = {u'0', u'0', static_cast<char16_t>(u'1' + unit), 0};
        Append(name, length, suffix);
    } else {
        Append(name, length, kSimControlLinkSuffix);
    }
    name.text[length] = 0;
    RtlInitUnicodeString(&name.string, name.text);
}
