#pragma once
// The FAX TX and FAX RX pages' rules that need no window: the density levels
// and quality codes, the memory-RX times as the machine packs them, which
// times are set, the password and time checks, and which forward mode the RX
// page keeps after the Forward Location dialog.
#include <cstdint>
#include <string>

// --- FAX TX: density is stored as level x 8; a stored value that is no
// multiple of 8 up to 32 leaves the slider's level as it was.
int faxDensityLevelOf(uint8_t faxDensity, int currentLevel);
uint8_t faxDensityOf(int level);
// Quality codes 0, 1, 2, 4, 5, 6 stand at list positions 0..5; 3 is never
// stored and any other code shows position 0.
int faxQualityPosition(uint8_t code);
uint8_t faxQualityCode(int position);

// --- FAX RX memory reception
constexpr uint8_t memoryRxOn = 128;
constexpr uint8_t onTimeSet = 128;
constexpr uint8_t offTimeSet = 64;
constexpr int passwordDigits = 4;
constexpr int timeDigits = 2;

// Hour in bits 15-11, minute in bits 10-5: (hour x 64 + minute) x 32.
uint16_t packRxTime(int hour, int minute);
int rxTimeHour(uint16_t packed);
int rxTimeMinute(uint16_t packed);

// The four time edits in page order: on hour, on minute, off hour, off minute.
enum RxTimeEdit { onHour, onMinute, offHour, offMinute, rxTimeEditCount };
struct RxTimes {
    std::string text[rxTimeEditCount]; // as typed, digits only
    bool anyFilled() const;
    int value(int edit) const; // an empty edit reads as 0
};
// 128 when an on-time edit is filled, plus 64 when an off-time edit is.
uint8_t rxTimeFlags(const RxTimes& times);
// The first edit whose value is out of range (hours 0-23, minutes 0-59), or
// -1 when all pass. `high` is the bound the message names.
struct RxTimeCheck {
    int edit;
    int high;
    bool passed() const { return edit < 0; }
};
RxTimeCheck checkRxTimes(const RxTimes& times);

// The stored password as text: four digits, or empty when it is all zero.
std::string storedRxPassword(const char stored[passwordDigits]);
void storeRxPassword(char stored[passwordDigits], const std::string& typed);
// One to three digits: no password, and not four digits either.
bool rxPasswordIncomplete(const std::string& typed);

// --- forward mode
constexpr uint8_t forwardOn = 0;
constexpr uint8_t forwardOnPrint = 32;
constexpr uint8_t forwardOff = 64;
// After the Forward Location dialog that a click on `clicked` (ON or
// ON(Print)) opened while the mode was `before`: a cancelled dialog puts a
// different mode back; otherwise the clicked mode holds if there is a
// destination, and forwarding is off when there is none.
uint8_t forwardModeAfterDialog(uint8_t clicked, uint8_t before, bool cancelled,
                               bool holdsDestination);
