#pragma once
// Strict parsing of the control tool's arguments: a text is accepted only when all of it is
// one well-formed value within range; nothing is guessed, clipped or half-read.

#include "simdriver/DeviceModel.h"

#include <stdint.h>
#include <string>
#include <vector>

class ArgumentParser {
public:
    // The unit control codes in the order of SimCounters::requests.
    static constexpr uint32_t kUnitCodes[kSimCodeCount] = {kSimGetSettings,    kSimSetSettings,
                                                           kSimGetStreamState, kSimGetIdentity,
                                                           kSimGetMatchMode,   kSimGetSampleRate};

    // Decimal, or hexadecimal with 0x; no sign, no blanks; value <= max.
    static bool ParseUnsigned(const std::string& text, uint32_t& value, uint32_t max = 0xFFFFFFFFu);
    // Decimal or 0x hexadecimal with an optional leading '-', within the int32 range.
    static bool ParseSigned(const std::string& text, int32_t& value);
    // A unit by its link number 1..4, returned as 0..3.
    static bool ParseUnit(const std::string& text, uint32_t& unit);
    // "1,3" or "none": a bit per unit (bit 0 = link 1). Repeats are refused.
    static bool ParseUnitSet(const std::string& text, uint32_t& mask);
    // "1,1,0": 1 to maxCount signed values separated by commas.
    static bool ParseSignedList(const std::string& text, size_t maxCount,
                                std::vector<int32_t>& values);
    // A unit control code by name (get-settings, set-settings, stream-state, identity,
    // match-mode, sample-rate) or by number.
    static bool ParseCode(const std::string& text, uint32_t& code);
    // The name of a unit control code, or null.
    static const char* CodeName(uint32_t code);

private:
    static std::vector<std::string> SplitCommas(const std::string& text);
};
