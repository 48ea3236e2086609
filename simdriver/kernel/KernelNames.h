#pragma once
// Kernel object names of the driver's devices, composed from the device link base name.

#include <ntddk.h>
#include <stdint.h>

constexpr uint32_t kKernelNameChars = 48;

struct KernelName {
    wchar_t text[kKernelNameChars];
    UNICODE_STRING string; // points into text
};

// prefix + link base name + ("00" and the unit number 1..4, or "ctl" for the control unit).
void ComposeKernelName(KernelName& name, const wchar_t* prefix, uint32_t unit);
