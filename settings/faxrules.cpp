#include "faxrules.h"

#include <cstring>

namespace {

const uint8_t qualityCodes[] = {0, 1, 2, 4, 5, 6};
constexpr int qualityCount = static_cast<int>(sizeof qualityCodes);
constexpr int densityLevels = 5;

} // namespace

int faxDensityLevelOf(uint8_t faxDensity, int currentLevel) {
    if (faxDensity % 8 == 0 && faxDensity / 8 < densityLevels) return faxDensity / 8;
    return currentLevel;
}

uint8_t faxDensityOf(int level) {
    if (level < 0) level = 0;
    if (level >= densityLevels) level = densityLevels - 1;
    return static_cast<uint8_t>(level * 8);
}

int faxQualityPosition(uint8_t code) {
    for (int p = 0; p < qualityCount; ++p)
        if (qualityCodes[p] == code) return p;
    return 0;
}

uint8_t faxQualityCode(int position) {
    if (position < 0 || position >= qualityCount) return qualityCodes[0];
    return qualityCodes[position];
}

uint16_t packRxTime(int hour, int minute) {
    return static_cast<uint16_t>((hour * 64 + minute) * 32);
}

int rxTimeHour(uint16_t packed) {
    return packed >> 11;
}

int rxTimeMinute(uint16_t packed) {
    return (packed >> 5) & 0x3F;
}

bool RxTimes::anyFilled() const {
    for (const std::string& t : text)
        if (!t.empty()) return true;
    return false;
}

int RxTimes::value(int edit) const {
    int v = 0;
    // At most two digits are typed; reading stops at anything else.
    for (char c : text[edit]) {
        if (c < '0' || c > '9' || v > 99) break;
        v = v * 10 + (c - '0');
    }
    return v;
}

uint8_t rxTimeFlags(const RxTimes& times) {
    uint8_t flags = 0;
    if (!times.text[onHour].empty() || !times.text[onMinute].empty()) flags |= onTimeSet;
    if (!times.text[offHour].empty() || !times.text[offMinute].empty()) flags |= offTimeSet;
    return flags;
}

RxTimeCheck checkRxTimes(const RxTimes& times) {
    for (int edit = 0; edit < rxTimeEditCount; ++edit) {
        const int high = edit == onHour || edit == offHour ? 23 : 59;
        if (times.value(edit) > high) return {edit, high};
    }
    return {-1, 0};
}

std::string storedRxPassword(const char stored[passwordDigits]) {
    size_t n = 0;
    while (n < passwordDigits && stored[n] != '\0')
        ++n;
    return std::string(stored, n);
}

void storeRxPassword(char stored[passwordDigits], const std::string& typed) {
    std::memset(stored, 0, passwordDigits);
    if (typed.size() == passwordDigits) std::memcpy(stored, typed.data(), passwordDigits);
}

bool rxPasswordIncomplete(const std::string& typed) {
    return !typed.empty() && typed.size() < passwordDigits;
}

uint8_t forwardModeAfterDialog(uint8_t clicked, uint8_t before, bool cancelled,
                               bool holdsDestination) {
    if (cancelled && before != clicked &&
        (before == forwardOn || before == forwardOnPrint || before == forwardOff))
        return before;
    return holdsDestination ? clicked : forwardOff;
}
