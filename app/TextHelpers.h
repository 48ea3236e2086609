#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/TextPort.h"

// The text helpers every window uses. Portable: texts are UTF-16, strings come through the
// TextPort in the language the platform's resource loader picks.

// The string of the id; false (and an empty out) when the id has no string.
bool LoadText(TextPort& texts, std::uint32_t id, std::u16string& out);

// Replaces every occurrence of the placeholder, left to right, without re-scanning inserted
// text; returns the number of replacements. An empty placeholder replaces nothing.
int ReplacePlaceholder(std::u16string& text, std::u16string_view placeholder,
                       std::u16string_view value);

// The title of both windows with the model name put in; empty when the string is missing.
std::u16string ModelTitle(TextPort& texts);
