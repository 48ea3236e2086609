#pragma once
#include "platform/ShellPort.h"

class Win32ShellPort : public ShellPort {
public:
    void OpenDocument(const char16_t* path) override;
};
