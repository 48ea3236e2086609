#pragma once
#include <cstdint>
#include <string>

// The string table in the language the platform's resource loader picks for the user.
class TextPort {
public:
    virtual ~TextPort() = default;
    // False when the id has no string.
    virtual bool Load(std::uint32_t id, std::u16string& text) = 0;
};
