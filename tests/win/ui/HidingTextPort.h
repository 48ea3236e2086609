#pragma once
// The program's own string table, with some strings missing on demand.

#include "platform/win32/Win32TextPort.h"

#include <set>

class HidingTextPort : public TextPort {
public:
    bool Load(std::uint32_t id, std::u16string& text) override {
        return hidden.count(id) == 0 && m_table.Load(id, text);
    }

    // Set before a window runs.
    std::set<std::uint32_t> hidden;

private:
    Win32TextPort m_table;
};
