#include "simdriver/control/SimControlClient.h"

#include "app/ProductIdentity.h"

#include <windows.h>

#include <string>

namespace {

std::wstring ControlPath() {
    std::wstring path = L"\\\\.\\";
    for (const char16_t* p = kDeviceLinkBaseName; *p; ++p) {
        path += static_cast<wchar_t>(*p);
    }
    for (const char16_t* p = kSimControlLinkSuffix; *p; ++p) {
        path += static_cast<wchar_t>(*p);
    }
    return path;
}

HANDLE OpenControl() {
    return CreateFileW(ControlPath().c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                       OPEN_EXISTING, 0, nullptr);
}

} // namespace

bool SimControlClient::IsReachable() const {
    HANDLE handle = OpenControl();
    if (handle == INVALID_HANDLE_VALUE) {
        return false;
    }
    CloseHandle(handle);
    return true;
}

bool SimControlClient::Send(uint32_t code, const void* in, uint32_t inLength, void* out,
                            uint32_t outLength) const {
    HANDLE handle = OpenControl();
    if (handle == INVALID_HANDLE_VALUE) {
        return false;
    }
    DWORD returned = 0;
    BOOL ok = DeviceIoControl(handle, code, const_cast<void*>(in), inLength, out, outLength,
                              &returned, nullptr);
    CloseHandle(handle);
    return ok && returned == outLength;
}

bool SimControlClient::Reset() const {
    return Send(kSimCtlReset, nullptr, 0, nullptr, 0);
}

bool SimControlClient::ClearCounters() const {
    return Send(kSimCtlClearCounters, nullptr, 0, nullptr, 0);
}

bool SimControlClient::SetScenario(const SimScenario& scenario) const {
    return Send(kSimCtlSetScenario, &scenario, sizeof scenario, nullptr, 0);
}

bool SimControlClient::GetScenario(SimScenario& scenario) const {
    return Send(kSimCtlGetScenario, nullptr, 0, &scenario, sizeof scenario);
}

bool SimControlClient::GetCounters(SimCounters& counters) const {
    return Send(kSimCtlGetCounters, nullptr, 0, &counters, sizeof counters);
}

bool SimControlClient::GetTracePage(uint32_t first, SimTracePage& page) const {
    SimTraceQuery query{first};
    return Send(kSimCtlGetTrace, &query, sizeof query, &page, sizeof page);
}

bool SimControlClient::ReadTrace(std::vector<SimTraceEntry>& entries, uint32_t& total) const {
    entries.clear();
    std::vector<SimTracePage> page(1);
    do {
        if (!GetTracePage(static_cast<uint32_t>(entries.size()), page[0])) {
            return false;
        }
        const uint32_t count = page[0].count <= kSimTracePageEntries ? page[0].count : 0;
        entries.insert(entries.end(), page[0].entries, page[0].entries + count);
        total = page[0].total;
        if (count == 0) {
            break;
        }
    } while (entries.size() < page[0].kept);
    return true;
}
