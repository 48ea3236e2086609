#pragma once
// Runs a program of the build to its end and keeps its exit code and output, for the tests of
// the control tool and the setup program.

#include <string>

struct ChildResult {
    bool ran = false;
    unsigned long exitCode = 0;
    std::string out;
    std::string err;
};

class ChildProcess {
public:
    // program: a path of the build tree as the build system knows it (a Unix path is reached
    // through Wine's drive Z:); arguments are appended as they are.
    static ChildResult Run(const std::string& program, const std::string& arguments);
    static std::wstring WindowsPath(const std::string& path);
};
