#pragma once
// What a process holds, read before and after a long run to show that nothing grows.
//
// Each figure comes from the platform's own counter when it gives one. Wine 8 answers 0 to
// GetProcessHandleCount and to GetGuiResources, so there the handles are counted in the
// system's handle list, the USER objects are approximated by the process's windows (top-level
// and child), and the GDI objects, which only the process itself can look up, are counted by
// asking every handle value of this process for its object type.

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

class ProcessFigures {
public:
    // The figures of a process; process needs query and read access.
    static ProcessFigures Read(HANDLE process, DWORD processId);

    std::uint32_t handles = 0;
    std::optional<std::uint32_t> gdiObjects; // none: the platform does not tell for another process
    std::uint32_t userObjects = 0;
    std::uint64_t pagefileBytes = 0;
    const char* handleSource = "";
    const char* gdiSource = "";
    const char* userSource = "";

    // One line of the figures before and after, for the test's output.
    static std::string Compare(const ProcessFigures& before, const ProcessFigures& after);

private:
    void ReadHandles(HANDLE process, DWORD processId);
    void ReadGdiObjects(HANDLE process, DWORD processId);
    void ReadUserObjects(HANDLE process, DWORD processId);
};
