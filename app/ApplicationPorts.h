#pragma once
#include "platform/PlatformPorts.h"

// The program's seams, wired once to the Win32 backends.
PlatformPorts& ApplicationPorts();
