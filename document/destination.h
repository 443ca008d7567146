#pragma once
// One speed-dial key in machine layout (DestinationRecord) and decoded for
// editing (DestinationEntry). Keys 001-040 are short e-mail records, keys
// 041-050 long FTP/SMB records.
#include "machineimage.h"

#include <cstddef>
#include <cstdint>

struct TextRules;

enum DestinationType : uint8_t { typeNone = 0, typeEmail = 1, typeFtp = 2, typeSmb = 3 };

constexpr size_t nameCapacity = 20;
constexpr size_t addressCapacity = 64;
constexpr size_t directoryCapacity = 128;
constexpr size_t accountCapacity = 20;
constexpr int notificationCount = 10;
constexpr uint16_t defaultFtpPort = 21;

// Offsets within a DestinationRecord.
namespace rec {
constexpr size_t keyWord = 0, type = 2, name = 3, nameLength = 25, name2 = 26, name2Length = 48,
                 address = 49, addressLength = 115, directory = 116, directoryLength = 246,
                 useProxy = 247, port = 248, notify = 250, notifyAddress = 251, notifyStride = 67,
                 notifyLength = 317, accountMode = 921, userName = 922, userNameLength = 988,
                 password = 989, passwordLength = 1055;
} // namespace rec

struct DestinationEntry {
    uint8_t type;
    char name[nameCapacity + 1];
    char name2[nameCapacity + 1]; // display text
    char address[addressCapacity + 1];
    char directory[directoryCapacity + 1];
    uint8_t useProxy;
    uint32_t port;
    uint8_t notify;
    char notifyAddress[notificationCount][addressCapacity + 1];
    uint8_t accountMode; // 1 anonymous, 0 private site
    char userName[accountCapacity + 1];
    char password[accountCapacity + 1];
};

// The record of key keyIndex + 1 inside the register arrays.
uint8_t* destinationRecord(RegisterArrays& registers, int keyIndex);
size_t destinationRecordSize(int keyIndex);
bool isLongKey(int keyIndex);
bool isRegistered(const RegisterArrays& registers, int keyIndex);

// Decodes and normalises the record in place (types forced, key word
// rewritten, broken records cleared). The entry stays empty for a free or
// broken record.
void decodeDestination(const TextRules& rules, RegisterArrays& registers, DestinationEntry& entry,
                       int keyIndex);
// Returns 0 and writes nothing when the entry's type does not fit the key.
int encodeDestination(const TextRules& rules, RegisterArrays& registers, int keyIndex,
                      DestinationEntry& entry);
// Decodes all 50 keys once, as after a Download or an import.
void normaliseDestinations(const TextRules& rules, RegisterArrays& registers);
