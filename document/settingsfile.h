#pragma once
// The settings file (.DAT): a signature, a header and the image as an item list,
// followed by the machine configuration item in a full document.
#include "machineimage.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// The signature of the built-in empty document. Files of the program itself
// carry the program's signature text, which each caller passes in: zotwell
// takes it from its resource module, so a language module may change it.
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

// 1 when the file's signature (at most `size` bytes, zero-padded) matches the
// program's own signature text: the same fields, each beginning with the
// program's, and a second field that is the program's word or "ZOD".
int checkSignature(const char* fileSignature, const char* ownSignature,
                   size_t size = signatureSize);
// True when files written with `ownSignature` would open again: it begins
// with "QEB", fits the signature field and matches itself.
bool usableSignature(const char* ownSignature);

// Loads a settings file into the document. On failure the document is as it was.
FileStatus openSettingsFile(Document& doc, const char* path, const char* ownSignature);
FileStatus loadSettingsBytes(Document& doc, const uint8_t* data, size_t size,
                             const char* ownSignature);
// The caller has run packImage. A signature that is not usable writes nothing
// (BadSignature): the file could not be opened again.
FileStatus saveSettingsFile(const Document& doc, const char* path, const char* ownSignature);
// The signature is cut to the field's 69 bytes.
void buildSettingsFile(const Document& doc, std::vector<uint8_t>& out, const char* ownSignature);
// Takes the 50 keys of another settings file into the image; on failure the
// image is as it was. The caller raises importPending and unpacks.
FileStatus importAddressBook(Document& doc, const char* path, const char* ownSignature);
FileStatus importAddressBookBytes(Document& doc, const uint8_t* data, size_t size,
                                  const char* ownSignature);

// The built-in empty register-only document ("DEFAULTFILE", 732 bytes).
std::vector<uint8_t> makeDefaultTemplate();
// New: the template loaded as a register-only document, then unpacked.
FileStatus newDocument(Document& doc, const uint8_t* templateData, size_t size,
                       const char* ownSignature);
