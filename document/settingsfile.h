#pragma once
// The settings file (.DAT): a signature, a header and the image as an item list,
// followed by the machine configuration item in a full document.
#include "machineimage.h"

#include <cstddef>
#include <cstdint>
#include <vector>

constexpr char programSignature[] = "QEBCODE001|ZOT|TAROVENQEBNS|ALL";
constexpr char templateSignature[] = "QEBCODE001|ZOD|TAROVENQEBNS|ALL";
constexpr size_t signatureSize = 69;
constexpr uint32_t settingsMessageCode = 0x102;
constexpr size_t fileHeaderSize = signatureSize + 8;
constexpr size_t templateSize = 732;
// No real settings file comes near this; anything larger is not one of ours.
constexpr size_t maxSettingsFileSize = fileHeaderSize + maxItemListSize + configItemSize;

enum class FileStatus {
    Ok,
    CannotOpen,
    Empty,
    NotSettingsFile, // does not start with "QEB"
    BadSignature,
    BadHeader,     // message code or body length out of place
    BadItems,      // the item list is truncated, oversized or unclosed
    BadConfigItem, // the configuration item is missing or too long
    TooLarge,
    WriteFailed,
};
const char* fileStatusText(FileStatus status);

int checkSignature(const char* signature, size_t size = signatureSize);

// Parses a whole settings file into `image`; on failure nothing is written.
struct ParsedSettings {
    uint8_t dialRegistersOnly;
    bool hasConfig;
    uint8_t config[configRecordSize];
};
FileStatus parseSettingsFile(const uint8_t* data, size_t size, MachineImage& image,
                             ParsedSettings& parsed);

// Loads a settings file into the document. On failure the document is as it was.
FileStatus openSettingsFile(Document& doc, const char* path);
FileStatus loadSettingsBytes(Document& doc, const uint8_t* data, size_t size);
// The caller has run packImage.
FileStatus saveSettingsFile(const Document& doc, const char* path);
void buildSettingsFile(const Document& doc, std::vector<uint8_t>& out);
// Takes the 50 keys of another settings file into the image; on failure the
// image is as it was. The caller raises importPending and unpacks.
FileStatus importAddressBook(Document& doc, const char* path);
FileStatus importAddressBookBytes(Document& doc, const uint8_t* data, size_t size);

// The built-in empty register-only document ("DEFAULTFILE", 732 bytes).
std::vector<uint8_t> makeDefaultTemplate();
// New: the template loaded as a register-only document, then unpacked.
FileStatus newDocument(Document& doc, const uint8_t* templateData, size_t size);
