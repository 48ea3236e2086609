#include "simdriver/tool/ArgumentParser.h"

namespace {

struct CodeNameEntry {
    const char* name;
    uint32_t code;
};

constexpr CodeNameEntry kCodeNames[] = {
    {"get-settings", kSimGetSettings},    {"set-settings", kSimSetSettings},
    {"stream-state", kSimGetStreamState}, {"identity", kSimGetIdentity},
    {"match-mode", kSimGetMatchMode},     {"sample-rate", kSimGetSampleRate},
};

int DigitValue(char c, uint32_t base) {
    int value = -1;
    if (c >= '0' && c <= '9') {
        value = c - '0';
    } else if (base == 16 && c >= 'a' && c <= 'f') {
        value = c - 'a' + 10;
    } else if (base == 16 && c >= 'A' && c <= 'F') {
        value = c - 'A' + 10;
    }
    return value;
}

// Digits only, in the given base, into a 64-bit value that stops growing past 2^32.
bool ParseDigits(const std::string& digits, uint32_t base, uint64_t& value) {
    if (digits.empty()) {
        return false;
    }
    value = 0;
    for (char c : digits) {
        const int digit = DigitValue(c, base);
        if (digit < 0) {
            return false;
        }
        value = value * base + static_cast<uint64_t>(digit);
        if (value > 0xFFFFFFFFull) {
            return false;
        }
    }
    return true;
}

bool ParseMagnitude(const std::string& text, uint64_t& value) {
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        return ParseDigits(text.substr(2), 16, value);
    }
    return ParseDigits(text, 10, value);
}

} // namespace

bool ArgumentParser::ParseUnsigned(const std::string& text, uint32_t& value, uint32_t max) {
    uint64_t magnitude = 0;
    if (!ParseMagnitude(text, magnitude) || magnitude > max) {
        return false;
    }
    value = static_cast<uint32_t>(magnitude);
    return true;
}

bool ArgumentParser::ParseSigned(const std::string& text, int32_t& value) {
    const bool negative = !text.empty() && text[0] == '-';
    uint64_t magnitude = 0;
    if (!ParseMagnitude(negative ? text.substr(1) : text, magnitude)) {
        return false;
    }
    if (magnitude > (negative ? 0x80000000ull : 0x7FFFFFFFull)) {
        return false;
    }
    const int64_t signedValue =
        negative ? -static_cast<int64_t>(magnitude) : static_cast<int64_t>(magnitude);
    value = static_cast<int32_t>(signedValue);
    return true;
}

bool ArgumentParser::ParseUnit(const std::string& text, uint32_t& unit) {
    uint32_t number = 0;
    if (!ParseUnsigned(text, number, kSimUnitCount) || number == 0) {
        return false;
    }
    unit = number - 1;
    return true;
}

bool ArgumentParser::ParseUnitSet(const std::string& text, uint32_t& mask) {
    if (text == "none") {
        mask = 0;
        return true;
    }
    uint32_t result = 0;
    for (const std::string& item : SplitCommas(text)) {
        uint32_t unit = 0;
        if (!ParseUnit(item, unit) || (result & (1u << unit)) != 0) {
            return false;
        }
        result |= 1u << unit;
    }
    mask = result;
    return true;
}

bool ArgumentParser::ParseSignedList(const std::string& text, size_t maxCount,
                                     std::vector<int32_t>& values) {
    const std::vector<std::string> items = SplitCommas(text);
    if (items.size() > maxCount) {
        return false;
    }
    std::vector<int32_t> result;
    for (const std::string& item : items) {
        int32_t value = 0;
        if (!ParseSigned(item, value)) {
            return false;
        }
        result.push_back(value);
    }
    values = result;
    return true;
}

bool ArgumentParser::ParseCode(const std::string& text, uint32_t& code) {
    for (const CodeNameEntry& entry : kCodeNames) {
        if (text == entry.name) {
            code = entry.code;
            return true;
        }
    }
    uint32_t number = 0;
    if (!ParseUnsigned(text, number) || DeviceModel::CodeLength(number) == 0) {
        return false;
    }
    code = number;
    return true;
}

const char* ArgumentParser::CodeName(uint32_t code) {
    for (const CodeNameEntry& entry : kCodeNames) {
        if (entry.code == code) {
            return entry.name;
        }
    }
    return nullptr;
}

// "a,b" -> {"a", "b"}; empty items are kept so that "1,,2" and "1," are refused.
std::vector<std::string> ArgumentParser::SplitCommas(const std::string& text) {
    std::vector<std::string> items;
    size_t start = 0;
    while (true) {
        const size_t comma = text.find(',', start);
        items.push_back(text.substr(start, comma == std::string::npos ? comma : comma - start));
        if (comma == std::string::npos) {
            return items;
        }
        start = comma + 1;
    }
}
