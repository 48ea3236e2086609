#include "LanguageTable.h"

#ifndef SUBLANG_JAPANESE_JAPAN
#define SUBLANG_JAPANESE_JAPAN 0x01
#endif

namespace {

const LanguageRow kRows[] = {
    {"de", MAKELANGID(LANG_GERMAN, SUBLANG_NEUTRAL), L"__MODEL__ Treibereinstellungen",
     L"__MODEL__-Treiber __VERSION__", L"Readme\\Readme_DE.htm"},
    {"es", MAKELANGID(LANG_SPANISH, SUBLANG_NEUTRAL), L"__MODEL__ Configuración del controlador",
     L"Controlador __MODEL__ __VERSION__", L"Readme\\Readme_ES.htm"},
    {"fr", MAKELANGID(LANG_FRENCH, SUBLANG_NEUTRAL), L"__MODEL__ Paramètres du pilote",
     L"Pilote __MODEL__ __VERSION__", L"Readme\\Readme_FR.htm"},
    {"it", MAKELANGID(LANG_ITALIAN, SUBLANG_NEUTRAL), L"__MODEL__ Impostazioni del driver",
     L"__MODEL__ Driver __VERSION__", L"Readme\\Readme_IT.htm"},
    {"nl", MAKELANGID(LANG_DUTCH, SUBLANG_NEUTRAL), L"__MODEL__ Stuurprogramma-instellingen",
     L"__MODEL__ Stuurprogramma __VERSION__", L"Readme\\Readme_NL.htm"},
    {"pt", MAKELANGID(LANG_PORTUGUESE, SUBLANG_NEUTRAL), L"__MODEL__ Configurações do Driver",
     L"__MODEL__ Driver __VERSION__", L"Readme\\Readme_PT.htm"},
    {"en", MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), L"__MODEL__ Driver Settings",
     L"__MODEL__ Driver __VERSION__", L"Readme\\Readme_EN.htm"},
    {"ja", MAKELANGID(LANG_JAPANESE, SUBLANG_JAPANESE_JAPAN), L"__MODEL__ Driver の設定",
     L"__MODEL__ Driver __VERSION__", L"Readme\\Readme_JP.htm"},
};

// clang-format off
const UINT kStringIds[] = {
    IDS_STR_TITLE,        IDS_CONF_WAVE,         IDS_CONF_MIDI_CABLE,  IDS_PROP_VER,
    IDS_PROP_COPYR,       IDS_README_NAME,       IDS_MSG_NODEV,        IDS_GRP_BUF_SIZE,
    IDS_ABB_MIN,          IDS_ABB_MAX,           IDS_GRP_DIGITAL_OUT,  IDS_BN_AC3,
    IDS_GRP_AUDIO_PORT,   IDS_GRP_ASIO,          IDS_BN_ASIO_SMALLER,  IDS_BN_ASIO_MON,
    IDS_STATIC_STEINBERG, IDS_GRP_MIDI_IN_TYPE,  IDS_BN_MIDI_IN_TYPE,  IDS_OK,
    IDS_CANCEL,           IDS_APPLY,             IDS_README,           IDS_STATIC_REALTIME,
    IDS_STATIC_STABILITY, IDS_FMT_ASIO_BUF_SIZE, IDS_GRP_PERFORMANCE,  IDS_BN_MULTI_WDM,
    IDS_APP_TITLE,
};
// clang-format on

const LanguageRow* Find(const std::string& locale) {
    for (const LanguageRow& row : kRows) {
        if (locale.rfind(row.localePrefix, 0) == 0) {
            return &row;
        }
    }
    return nullptr;
}

} // namespace

std::span<const LanguageRow> LanguageTable::Rows() {
    return kRows;
}

const LanguageRow& LanguageTable::English() {
    return kRows[6];
}

std::span<const UINT> LanguageTable::StringIds() {
    return kStringIds;
}

const LanguageRow& LanguageTable::ForLocale(const std::string& locale) {
    const LanguageRow* row = Find(locale);
    return row ? *row : English();
}

WORD LanguageTable::PrimaryLanguage(const std::string& locale) {
    if (const LanguageRow* row = Find(locale)) {
        return PRIMARYLANGID(row->language);
    }
    if (locale.rfind("sv", 0) == 0) {
        return LANG_SWEDISH;
    }
    return LANG_NEUTRAL;
}
