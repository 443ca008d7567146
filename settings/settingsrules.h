#pragma once
// The machine-settings pages' rules that need no window: how list positions,
// sliders, addresses and typed numbers map to the stored settings.
#include <cstddef>
#include <cstdint>
#include <string>

#include "textrules.h"

struct SettingsRecord;

// --- IPv4 addresses, four octets in dotted order (the first octet first).
enum Ipv4Verdict {
    ipv4FirstOctetBad = 0, // 0, 127 or 255: the first octet is at fault
    ipv4LastOctetBad = 3,  // 0: the last octet is at fault
    ipv4Valid = 4,
};
Ipv4Verdict ipv4OctetVerdict(const uint8_t address[4]);
bool ipv4Blank(const uint8_t address[4]);
// The address control's packed value (first octet in the top byte) and back.
uint32_t ipv4Packed(const uint8_t address[4]);
void ipv4Unpack(uint32_t packed, uint8_t address[4]);

// --- Time zones: the list holds "+00:00" .. "+12:00" (positions 0..24), then
// "-00:30" .. "-12:00" (25..48); the machine's codes skip 25..32.
constexpr int timeZoneCount = 49;
uint8_t timeZoneOfPosition(int position);
// -1 for a code the list does not show.
int positionOfTimeZone(uint8_t code);

// --- Administrator numbers: six decimal digits, 000000-999999. A typed text
// stands for a number only when it has exactly six characters.
constexpr size_t adminNumberDigits = 6;
bool adminNumberMatches(const std::string& typed, uint32_t value, uint32_t adminNumber);

// --- Sliders: every slider of both sheets, by its control.
struct SliderSpec {
    int control;
    uint16_t offset; // of its field in SettingsRecord
    uint8_t width;   // of its field: 1 or 4 bytes
    int low, high, pageStep;
    int label;       // the static beside it, 0 for none
    unsigned unit;   // string of "min" or "sec" for "%d %s"; 0: the count plus one, "%d"
};
const SliderSpec* sliderSpec(int control);
// Scroll codes as the trackbar sends them (SB_LINELEFT ...); `thumb` is the
// slider's own position. Home and End go to the range's ends. Returns the
// new value, clamped to the range; an unknown code returns `current`.
int sliderStep(const SliderSpec& slider, int code, int current, int thumb);
// The text of the label beside the slider for `value`.
std::string sliderLabel(const SliderSpec& slider, int value, const std::string& unit);

// Reads and writes a field of the settings record of 1, 2 or 4 bytes.
uint32_t fieldValue(const SettingsRecord& settings, uint16_t offset, uint8_t width);
void setFieldValue(SettingsRecord& settings, uint16_t offset, uint8_t width, uint32_t value);

// The filter of typed server names, addresses, accounts and passwords:
// removes the first byte outside 0x20..0x7F.
FilterResult filterServerText(const std::string& text);

// What the Machine Status dialog shows of the configuration record (102 bytes).
struct EquipmentText {
    int bypass; // 1 installed, 0 not, -1 a value with no text
    std::string memory, controller, engine, serial;
};
EquipmentText equipmentTextOf(const uint8_t* config);
