#include "simdriver/setup/SetupProgram.h"

int wmain(int argc, wchar_t** argv) {
    const std::vector<std::wstring> args(argv + 1, argv + argc);
    SetupProgram setup(stdout, stderr);
    return setup.Run(args);
}
