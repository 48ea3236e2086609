#pragma once
// On Windows wchar_t is a UTF-16 code unit, so the portable char16_t texts map onto the
// platform's wide strings without conversion.
static_assert(sizeof(wchar_t) == sizeof(char16_t));

inline const wchar_t* AsWide(const char16_t* text) {
    return reinterpret_cast<const wchar_t*>(text);
}
inline wchar_t* AsWide(char16_t* text) { return reinterpret_cast<wchar_t*>(text); }
inline const char16_t* AsUtf16(const wchar_t* text) {
    return reinterpret_cast<const char16_t*>(text);
}
