#pragma once
#include <windows.h>

#include <span>
#include <string>

#include "app/ResourceIds.h"

// The eight string tables and the entries whose form differs between the languages.
struct LanguageRow {
    const char* localePrefix; // language part of a Unix locale name
    LANGID language;          // language id the table is stored under
    const wchar_t* title;
    const wchar_t* version;
    const wchar_t* readme;
};

class LanguageTable {
public:
    static std::span<const LanguageRow> Rows();
    static const LanguageRow& English();
    // Every id each table must hold.
    static std::span<const UINT> StringIds();
    // The row whose table a user with this Unix locale gets: English for a language without
    // a table of its own.
    static const LanguageRow& ForLocale(const std::string& locale);
    // The primary language Wine gives the user for this Unix locale.
    static WORD PrimaryLanguage(const std::string& locale);
};
