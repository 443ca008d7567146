#include "faxstores.h"

#include "textrules.h"

#include <cstring>

namespace {

constexpr size_t nameBytes = 20;
constexpr size_t emailBytes = 64;

void copyField(char* to, const uint8_t* from, size_t length) {
    std::memcpy(to, from, length);
    to[length] = '\0';
}

} // namespace

const uint8_t* faxOneTouchRecord(const RegisterArrays& registers, int index) {
    return registers.faxOneTouchStore + static_cast<size_t>(index) * faxOneTouchRecordSize;
}

const uint8_t* faxSpeedDialRecord(const RegisterArrays& registers, int index) {
    return registers.faxSpeedDialStore + static_cast<size_t>(index) * faxSpeedDialRecordSize;
}

void decodeDialEntry(const TextRules& rules, const uint8_t* record, DialEntry& entry) {
    std::memset(&entry, 0, sizeof entry);
    const uint8_t flags = record[faxrec::flags];
    const size_t length = record[faxrec::destinationLength];
    if (flags == 0 || length == 0) return;
    const bool email = (flags & faxFlagEmail) != 0;
    const size_t nameLength = record[faxrec::nameLength];
    const size_t name2Length = record[faxrec::name2Length];
    if (nameLength > nameBytes || name2Length > nameBytes ||
        length > (email ? emailBytes : faxNumberDigits))
        return;
    entry.registered = true;
    entry.email = email;
    copyField(entry.name, record + faxrec::name, nameLength);
    name2ToDisplay(rules, record + faxrec::name2, name2Length, entry.name2, sizeof entry.name2);
    if (email)
        copyField(entry.emailAddress, record + faxrec::destination, length);
    else
        decodeDialDigits(entry.faxNumber, record + faxrec::destination, length);
}
