#pragma once
// What the settings window's buffer size display shows: the size line and the two meter rows.
// Read with window messages, so it works on a window of this process or of another one.

#include <windows.h>

#include <ostream>
#include <string>

struct DisplayTexts {
    std::wstring size;
    std::wstring realTime;
    std::wstring stability;

    bool operator==(const DisplayTexts&) const = default;

    static DisplayTexts Read(HWND settings);
    // As the window template shows it before the first refresh.
    static DisplayTexts Template();
    // The English size line for a number of samples and the meter for a slider position with
    // the smaller-buffer switch off.
    static DisplayTexts English(int samples, int position);
};
std::ostream& operator<<(std::ostream& out, const DisplayTexts& display);
