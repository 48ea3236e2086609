#include "app/ApplicationPorts.h"

#include "platform/win32/Win32FilePort.h"
#include "platform/win32/Win32KernelPort.h"
#include "platform/win32/Win32RegistryPort.h"
#include "platform/win32/Win32ShellPort.h"
#include "platform/win32/Win32TextPort.h"

PlatformPorts& ApplicationPorts() {
    static Win32KernelPort kernel;
    static Win32RegistryPort registry;
    static Win32FilePort files;
    static Win32ShellPort shell;
    static Win32TextPort texts;
    static PlatformPorts ports{kernel, registry, files, shell, texts};
    return ports;
}
