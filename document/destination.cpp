#include "destination.h"

#include "bytes.h"
#include "textrules.h"

#include <cstring>

namespace {

// Copies a length-prefixed field into a zero-terminated string of the given
// capacity; the caller has checked the length against that capacity.
void copyField(char* out, size_t capacity, const uint8_t* field, size_t length) {
    size_t n = length < capacity ? length : capacity;
    std::memcpy(out, field, n);
    out[n] = '\0';
}

void storeField(uint8_t* record, size_t at, size_t lengthAt, const char* text, size_t capacity) {
    size_t n = strnlen(text, capacity);
    std::memcpy(record + at, text, n);
    record[lengthAt] = static_cast<uint8_t>(n);
}

uint16_t keyWordFor(int keyIndex) {
    return static_cast<uint16_t>(0x8000 + keyIndex + 1);
}

bool longLengthsInRange(const uint8_t* r) {
    if (r[rec::nameLength] > nameCapacity || r[rec::name2Length] > nameCapacity ||
        r[rec::userNameLength] > accountCapacity || r[rec::passwordLength] > accountCapacity ||
        r[rec::addressLength] > addressCapacity || r[rec::directoryLength] > directoryCapacity)
        return false;
    for (int i = 0; i < notificationCount; ++i)
        if (r[rec::notifyLength + rec::notifyStride * i] > addressCapacity) return false;
    return true;
}

void decodeNames(const TextRules& rules, const uint8_t* r, DestinationEntry& e) {
    copyField(e.name, nameCapacity, r + rec::name, r[rec::nameLength]);
    size_t n2 = r[rec::name2Length];
    if (n2 > nameCapacity) n2 = nameCapacity;
    name2ToDisplay(rules, r + rec::name2, n2, e.name2, sizeof e.name2);
}

void encodeNames(const TextRules& rules, uint8_t* r, const DestinationEntry& e) {
    storeField(r, rec::name, rec::nameLength, e.name, nameCapacity);
    uint8_t stored[256];
    char display[nameCapacity + 1];
    copyField(display, nameCapacity, reinterpret_cast<const uint8_t*>(e.name2),
              strnlen(e.name2, nameCapacity));
    size_t n = displayToName2(rules, display, stored, sizeof stored);
    if (n > nameCapacity) n = nameCapacity;
    std::memcpy(r + rec::name2, stored, n);
    r[rec::name2Length] = static_cast<uint8_t>(n);
}

// Returns false when the address holds a zero byte inside its stated length.
bool decodeAddress(const uint8_t* r, DestinationEntry& e) {
    size_t len = r[rec::addressLength];
    copyField(e.address, addressCapacity, r + rec::address, len);
    return std::strlen(e.address) == len;
}

void decodeShort(const TextRules& rules, uint8_t* r, DestinationEntry& e, int keyIndex) {
    if (r[rec::type] != typeEmail) r[rec::type] = typeEmail;
    if (r[rec::nameLength] > nameCapacity || r[rec::name2Length] > nameCapacity ||
        r[rec::addressLength] > addressCapacity)
        return;
    if (!decodeAddress(r, e)) {
        std::memset(r, 0, shortRecordSize);
        std::memset(&e, 0, sizeof e);
        return;
    }
    writeLe16(r + rec::keyWord, r[rec::addressLength] ? keyWordFor(keyIndex) : 0);
    decodeNames(rules, r, e);
    e.type = r[rec::type];
}

void decodeLong(const TextRules& rules, uint8_t* r, DestinationEntry& e, int keyIndex) {
    if (r[rec::type] == typeNone || r[rec::type] == typeEmail) r[rec::type] = typeFtp;
    // Other type bytes are decoded too; every copy below stays within its field.
    if ((r[rec::type] == typeFtp || r[rec::type] == typeSmb) && !longLengthsInRange(r)) return;
    if (!decodeAddress(r, e)) {
        std::memset(r, 0, shortRecordSize);
        std::memset(&e, 0, sizeof e);
        return;
    }
    if (r[rec::addressLength] == 0) {
        writeLe16(r + rec::keyWord, 0);
        r[rec::accountMode] = 1;
        writeLe16(r + rec::port, defaultFtpPort);
    } else {
        writeLe16(r + rec::keyWord, keyWordFor(keyIndex));
    }
    decodeNames(rules, r, e);
    e.type = r[rec::type];
    if (e.type == typeFtp) e.useProxy = r[rec::useProxy];
    e.port = readLe16(r + rec::port);
    e.notify = r[rec::notify];
    e.accountMode = r[rec::accountMode];
    copyField(e.directory, directoryCapacity, r + rec::directory, r[rec::directoryLength]);
    for (int i = 0; i < notificationCount; ++i)
        copyField(e.notifyAddress[i], addressCapacity,
                  r + rec::notifyAddress + rec::notifyStride * i,
                  r[rec::notifyLength + rec::notifyStride * i]);
    copyField(e.userName, accountCapacity, r + rec::userName, r[rec::userNameLength]);
    copyField(e.password, accountCapacity, r + rec::password, r[rec::passwordLength]);
}

} // namespace

bool isLongKey(int keyIndex) {
    return keyIndex >= shortKeyCount;
}

size_t destinationRecordSize(int keyIndex) {
    return isLongKey(keyIndex) ? longRecordSize : shortRecordSize;
}

uint8_t* destinationRecord(RegisterArrays& registers, int keyIndex) {
    if (isLongKey(keyIndex))
        return registers.longDestinations + (keyIndex - shortKeyCount) * longRecordSize;
    return registers.shortDestinations + keyIndex * shortRecordSize;
}

bool isRegistered(const RegisterArrays& registers, int keyIndex) {
    const uint8_t* r = destinationRecord(const_cast<RegisterArrays&>(registers), keyIndex);
    return readLe16(r + rec::keyWord) != 0;
}

void decodeDestination(const TextRules& rules, RegisterArrays& registers, DestinationEntry& entry,
                       int keyIndex) {
    std::memset(&entry, 0, sizeof entry);
    uint8_t* r = destinationRecord(registers, keyIndex);
    if (isLongKey(keyIndex))
        decodeLong(rules, r, entry, keyIndex);
    else
        decodeShort(rules, r, entry, keyIndex);
}

int encodeDestination(const TextRules& rules, RegisterArrays& registers, int keyIndex,
                      DestinationEntry& entry) {
    const bool isLong = isLongKey(keyIndex);
    if (!isLong && (entry.type == typeFtp || entry.type == typeSmb)) return 0;
    if (isLong && entry.type == typeEmail) return 0;
    uint8_t* r = destinationRecord(registers, keyIndex);
    std::memset(r, 0, destinationRecordSize(keyIndex));
    if (!isLong)
        entry.type = typeEmail;
    else if (entry.type == typeNone)
        entry.type = typeFtp;
    r[rec::type] = entry.type;
    storeField(r, rec::address, rec::addressLength, entry.address, addressCapacity);
    writeLe16(r + rec::keyWord, r[rec::addressLength] ? keyWordFor(keyIndex) : 0);
    encodeNames(rules, r, entry);
    if (!isLong) return 1;
    if (entry.type == typeFtp) {
        r[rec::useProxy] = entry.useProxy;
        writeLe16(r + rec::port, static_cast<uint16_t>(entry.port));
    } else {
        writeLe16(r + rec::port, defaultFtpPort);
    }
    storeField(r, rec::directory, rec::directoryLength, entry.directory, directoryCapacity);
    for (int i = 0; i < notificationCount; ++i)
        storeField(r, rec::notifyAddress + rec::notifyStride * i,
                   rec::notifyLength + rec::notifyStride * i, entry.notifyAddress[i],
                   addressCapacity);
    storeField(r, rec::userName, rec::userNameLength, entry.userName, accountCapacity);
    storeField(r, rec::password, rec::passwordLength, entry.password, accountCapacity);
    r[rec::notify] = entry.notify;
    r[rec::accountMode] = entry.accountMode;
    return 1;
}

void normaliseDestinations(const TextRules& rules, RegisterArrays& registers) {
    DestinationEntry entry;
    for (int k = 0; k < dialBlockCount; ++k)
        decodeDestination(rules, registers, entry, k);
}
