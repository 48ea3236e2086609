#pragma once
#include "platform/TextPort.h"

#include <map>
#include <string>

class FakeTextPort : public TextPort {
public:
    std::map<std::uint32_t, std::u16string> table;

    bool Load(std::uint32_t id, std::u16string& text) override {
        const auto found = table.find(id);
        if (found == table.end()) {
            return false;
        }
        text = found->second;
        return true;
    }
};
