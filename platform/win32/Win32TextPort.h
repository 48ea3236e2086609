#pragma once
#include "platform/TextPort.h"

// Strings of the program's own string table (the module that started the process, or the
// module given), in the language the resource loader picks.
class Win32TextPort : public TextPort {
public:
    Win32TextPort();
    explicit Win32TextPort(void* module);
    bool Load(std::uint32_t id, std::u16string& text) override;

private:
    void* m_module;
};
