#pragma once
// The fax one-touch and fax speed-dial stores of the register arrays and their
// decoded form. The machine link, the settings file and the editors never
// fill them (every unpack clears them), so a reader finds every record free;
// the CSV export reads them all the same.
#include "machineimage.h"

#include <cstddef>
#include <cstdint>

struct TextRules;

constexpr int faxOneTouchCount = 32;
constexpr int faxSpeedDialCount = 250;
constexpr size_t faxOneTouchRecordSize = 152;
constexpr size_t faxSpeedDialRecordSize = 118;
constexpr size_t faxNumberDigits = 50;

// Offsets within a fax record. Both kinds share the first 112 bytes; a
// one-touch record has 40 more that nothing reads. The destination field holds
// the packed dial digits of a fax entry, or the address of an e-mail entry.
namespace faxrec {
constexpr size_t keyWord = 0, flags = 2, destinationLength = 3, name = 4, nameLength = 24,
                 name2 = 25, name2Length = 45, destination = 46, destinationSize = 66;
} // namespace faxrec

// Bits of the flag byte. A zero flag byte is a free record.
constexpr uint8_t faxFlagRegistered = 0x01;
constexpr uint8_t faxFlagEmail = 0x02;
// A one-touch key that the machine keeps for its own use (a program or group
// key): it is no destination of its own and never exported.
constexpr uint8_t faxFlagReserved = 0x80;

struct DialEntry {
    bool registered;
    bool email;
    char name[20 + 1];
    char name2[20 + 1]; // display text
    char faxNumber[faxNumberDigits + 1];
    char emailAddress[64 + 1];
};

const uint8_t* faxOneTouchRecord(const RegisterArrays& registers, int index);
const uint8_t* faxSpeedDialRecord(const RegisterArrays& registers, int index);

// A record whose flag byte or destination length is 0, or whose lengths do not
// fit their fields, decodes to an all-zero entry.
void decodeDialEntry(const TextRules& rules, const uint8_t* record, DialEntry& entry);
