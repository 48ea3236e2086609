#pragma once
#include "platform/FilePort.h"

class Win32FilePort : public FilePort {
public:
    bool FindFirst(const char16_t* path, bool& isDirectory) override;
};
