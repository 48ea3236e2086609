#pragma once
#include "platform/FilePort.h"
#include "platform/KernelPort.h"
#include "platform/RegistryPort.h"
#include "platform/ShellPort.h"
#include "platform/TextPort.h"

// The seams, wired once by the application (Win32 backends) or by a test (fakes).
struct PlatformPorts {
    KernelPort& kernel;
    RegistryPort& registry;
    FilePort& files;
    ShellPort& shell;
    TextPort& texts;
};
