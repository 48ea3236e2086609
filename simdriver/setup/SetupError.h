#pragma once
// The one-line reason a setup step failed, with the system's error code.

#include <string>

struct SetupError {
    std::wstring what; // empty: no failure
    unsigned long code = 0;

    bool Failed() const { return !what.empty(); }
    bool Set(const std::wstring& message, unsigned long errorCode) {
        what = message;
        code = errorCode;
        return false;
    }
};
