#include "tests/win/faults/ProcessFigures.h"

#include <psapi.h>
#include <winternl.h>

#include <cstdio>
#include <vector>

namespace {

constexpr ULONG kSystemHandleInformation = 16;

// One entry of the system's handle list, as the system lays it out for a 32-bit caller.
struct SystemHandleEntry {
    USHORT processId;
    USHORT creatorBackTrace;
    UCHAR objectType;
    UCHAR flags;
    USHORT handle;
    PVOID object;
    ULONG access;
};

std::uint32_t CountSystemHandles(DWORD processId) {
    std::vector<std::uint8_t> list(1u << 20);
    for (int attempt = 0; attempt < 6; ++attempt) {
        ULONG needed = 0;
        const NTSTATUS status = ::NtQuerySystemInformation(
            static_cast<SYSTEM_INFORMATION_CLASS>(kSystemHandleInformation), list.data(),
            static_cast<ULONG>(list.size()), &needed);
        if (status == 0) {
            const ULONG count = *reinterpret_cast<const ULONG*>(list.data());
            const auto* entries =
                reinterpret_cast<const SystemHandleEntry*>(list.data() + sizeof(ULONG));
            std::uint32_t owned = 0;
            for (ULONG i = 0; i < count; ++i) {
                owned += entries[i].processId == static_cast<USHORT>(processId) ? 1 : 0;
            }
            return owned;
        }
        list.resize(list.size() * 2);
    }
    return 0;
}

struct WindowCount {
    DWORD processId;
    std::uint32_t windows;
};

BOOL CALLBACK CountChild(HWND, LPARAM count) {
    ++reinterpret_cast<WindowCount*>(count)->windows;
    return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND window, LPARAM param) {
    auto* count = reinterpret_cast<WindowCount*>(param);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    if (owner == count->processId) {
        ++count->windows;
        ::EnumChildWindows(window, &CountChild, param);
    }
    return TRUE;
}

// Handle values of GDI objects are a 16-bit index with a generation above it; a value without
// the generation names whatever object holds that index.
std::uint32_t ScanGdiObjects() {
    std::uint32_t live = 0;
    for (UINT_PTR index = 1; index <= 0xFFFF; ++index) {
        live += ::GetObjectType(reinterpret_cast<HGDIOBJ>(index)) != 0 ? 1 : 0;
    }
    return live;
}

} // namespace

ProcessFigures ProcessFigures::Read(HANDLE process, DWORD processId) {
    ProcessFigures figures;
    figures.ReadHandles(process, processId);
    figures.ReadGdiObjects(process, processId);
    figures.ReadUserObjects(process, processId);
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof(memory);
    if (::GetProcessMemoryInfo(process, &memory, sizeof(memory))) {
        figures.pagefileBytes = memory.PagefileUsage;
    }
    return figures;
}

void ProcessFigures::ReadHandles(HANDLE process, DWORD processId) {
    DWORD count = 0;
    if (::GetProcessHandleCount(process, &count) && count != 0) {
        handles = count;
        handleSource = "GetProcessHandleCount";
        return;
    }
    handles = CountSystemHandles(processId);
    handleSource = "system handle list";
}

void ProcessFigures::ReadGdiObjects(HANDLE process, DWORD processId) {
    if (const DWORD count = ::GetGuiResources(process, GR_GDIOBJECTS)) {
        gdiObjects = count;
        gdiSource = "GetGuiResources";
    } else if (processId == ::GetCurrentProcessId()) {
        gdiObjects = ScanGdiObjects();
        gdiSource = "handle scan";
    } else {
        gdiSource = "not given by the platform";
    }
}

void ProcessFigures::ReadUserObjects(HANDLE process, DWORD processId) {
    if (const DWORD count = ::GetGuiResources(process, GR_USEROBJECTS)) {
        userObjects = count;
        userSource = "GetGuiResources";
        return;
    }
    WindowCount count{processId, 0};
    ::EnumWindows(&CountTopLevel, reinterpret_cast<LPARAM>(&count));
    userObjects = count.windows;
    userSource = "windows";
}

std::string ProcessFigures::Compare(const ProcessFigures& before, const ProcessFigures& after) {
    char line[512];
    auto gdi = [](const ProcessFigures& f) {
        return f.gdiObjects ? static_cast<long>(*f.gdiObjects) : -1L;
    };
    std::snprintf(line, sizeof(line),
                  "handles %u -> %u (%s); GDI objects %ld -> %ld (%s); USER objects %u -> %u "
                  "(%s); pagefile %llu KB -> %llu KB",
                  before.handles, after.handles, after.handleSource, gdi(before), gdi(after),
                  after.gdiSource, before.userObjects, after.userObjects, after.userSource,
                  static_cast<unsigned long long>(before.pagefileBytes / 1024),
                  static_cast<unsigned long long>(after.pagefileBytes / 1024));
    return line;
}
