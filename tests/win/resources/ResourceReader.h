#pragma once
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

// Reads the raw resources of a module, exactly as stored, without the loader's language choice
// or the dialog manager's interpretation in between. Every read is bounds-checked: a malformed
// resource gives no result rather than a read past its end.
class ResourceReader {
public:
    struct DialogItem {
        DWORD helpId = 0;
        DWORD exStyle = 0;
        DWORD style = 0;
        short x = 0, y = 0, cx = 0, cy = 0;
        DWORD id = 0;
        WORD classOrdinal = 0; // 0 when the class is given by name
        std::wstring className;
        std::wstring text;
        WORD extraBytes = 0;
    };

    struct DialogTemplate {
        WORD version = 0;
        WORD signature = 0;
        DWORD helpId = 0;
        DWORD exStyle = 0;
        DWORD style = 0;
        short x = 0, y = 0, cx = 0, cy = 0;
        bool hasMenu = false;
        bool hasClass = false;
        std::wstring title;
        WORD pointSize = 0;
        WORD weight = 0;
        BYTE italic = 0;
        BYTE charset = 0;
        std::wstring typeface;
        std::vector<DialogItem> items;
    };

    explicit ResourceReader(HMODULE module) : m_module(module) {}

    // The string of the id from the string table stored under exactly this language.
    std::optional<std::wstring> String(UINT id, LANGID language) const;

    // The extended dialog template of the id (any language).
    std::optional<DialogTemplate> Dialog(UINT id) const;

private:
    HMODULE m_module;
};
