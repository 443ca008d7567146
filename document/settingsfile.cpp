#include "settingsfile.h"

#include "bytes.h"
#include "fileio.h"

#include <cstring>
#include <memory>
#include <string>

namespace {

constexpr size_t maxSignatureFields = 8;
constexpr size_t maxFieldLength = 19;

size_t splitFields(const char* text, size_t size, std::string* fields) {
    size_t count = 0;
    std::string current;
    for (size_t i = 0; i <= size; ++i) {
        char c = i < size ? text[i] : '\0';
        if (c == '\0' || c == '|') {
            if (count == maxSignatureFields) return count + 1; // too many to be ours
            fields[count++] = current;
            current.clear();
            if (c == '\0') break;
        } else if (current.size() < maxFieldLength) {
            current += c;
        }
    }
    return count;
}

bool beginsWith(const std::string& s, const std::string& prefix) {
    return s.compare(0, prefix.size(), prefix) == 0;
}

// How many of the missing bytes of a short file may read as zero: the built-in
// template stops inside the length field of its last, empty item.
constexpr size_t maxZeroTail = 3;

// True when the items tile the body up to its last 8 bytes, so the last item is
// a bare header: missing bytes are then part of its length field, not its data
// (a register record whose final bytes are missing must not load as zeros).
bool endsInEmptyItem(const uint8_t* items, size_t bodyLength) {
    if (bodyLength < itemHeaderSize) return false;
    uint8_t ignored = 0;
    MergeResult prefix = checkFileItems(items, bodyLength - itemHeaderSize, ignored);
    bool tiled = prefix.ok() || prefix.status == MergeStatus::Unclosed;
    return tiled && prefix.consumed == bodyLength - itemHeaderSize;
}

} // namespace

const char* fileStatusText(FileStatus status) {
    switch (status) {
    case FileStatus::Ok:
        return "ok";
    case FileStatus::CannotOpen:
        return "the file cannot be opened";
    case FileStatus::Empty:
        return "the file is empty";
    case FileStatus::NotSettingsFile:
        return "the file is not a settings file";
    case FileStatus::BadSignature:
        return "the file belongs to another program or model";
    case FileStatus::BadHeader:
        return "the file's header is damaged";
    case FileStatus::BadItems:
        return "the file's item list is damaged or incomplete";
    case FileStatus::BadConfigItem:
        return "the file's configuration record is damaged";
    case FileStatus::TooLarge:
        return "the file is too large to be a settings file";
    case FileStatus::WriteFailed:
        return "the file could not be written";
    }
    return "unknown";
}

int checkSignature(const char* fileSignature, const char* ownSignature, size_t size) {
    std::string mine[maxSignatureFields + 1], theirs[maxSignatureFields + 1];
    size_t n = splitFields(ownSignature, strnlen(ownSignature, signatureSize + 1), mine);
    size_t m = splitFields(fileSignature, strnlen(fileSignature, size), theirs);
    if (n != m) return 0;
    for (size_t i = 0; i < n; ++i) {
        if (i == 1) {
            if (theirs[i] != mine[i] && theirs[i] != "ZOD") return 0; // "KOD" is the sibling's
        } else if (!beginsWith(theirs[i], mine[i])) {
            return 0;
        }
    }
    return 1;
}

bool usableSignature(const char* ownSignature) {
    const size_t length = strnlen(ownSignature, signatureSize + 1);
    return length >= 3 && length <= signatureSize && std::memcmp(ownSignature, "QEB", 3) == 0 &&
           checkSignature(ownSignature, ownSignature, length) == 1;
}

namespace {

// A settings file's body once header, items and configuration item are known good.
struct CheckedBody {
    const uint8_t* items;
    uint32_t length;
    std::vector<uint8_t> padded; // holds a short body read as zero-filled
    uint8_t dialRegistersOnly;
    const uint8_t* config;
    uint32_t configLength;
};

// Decides whether the bytes load, without touching any document.
FileStatus checkSettingsBytes(const uint8_t* data, size_t size, const char* ownSignature,
                              CheckedBody& out) {
    if (size == 0) return FileStatus::Empty;
    if (size < 3 || std::memcmp(data, "QEB", 3) != 0) return FileStatus::NotSettingsFile;
    if (size < signatureSize || !checkSignature(reinterpret_cast<const char*>(data), ownSignature))
        return FileStatus::BadSignature;
    if (size > maxSettingsFileSize) return FileStatus::TooLarge;
    if (size < fileHeaderSize) return FileStatus::BadHeader;
    uint32_t code = readLe32(data + signatureSize);
    uint32_t bodyLength = readLe32(data + signatureSize + 4);
    if (code != settingsMessageCode || bodyLength > maxSettingsFileSize - fileHeaderSize)
        return FileStatus::BadHeader;

    const size_t stored = size - fileHeaderSize;
    if (bodyLength > stored + maxZeroTail) return FileStatus::BadItems;
    out.items = data + fileHeaderSize;
    out.length = bodyLength;
    if (bodyLength > stored) {
        out.padded.assign(bodyLength, 0);
        std::memcpy(out.padded.data(), out.items, stored);
        out.items = out.padded.data();
    }
    out.dialRegistersOnly = 0;
    MergeResult walk = checkFileItems(out.items, bodyLength, out.dialRegistersOnly);
    if (!walk.ok()) return FileStatus::BadItems;
    if (bodyLength > stored && !(out.dialRegistersOnly && walk.consumed == bodyLength &&
                                 endsInEmptyItem(out.items, bodyLength)))
        return FileStatus::BadItems;

    out.config = nullptr;
    out.configLength = 0;
    if (!out.dialRegistersOnly) {
        // The configuration item follows the list, within the bytes really stored.
        ByteReader reader(out.items + walk.consumed, stored - walk.consumed);
        uint32_t id = reader.le32();
        uint32_t length = reader.le32();
        out.config = reader.ok() && id == configItemId && length <= configRecordSize
                         ? reader.bytes(length)
                         : nullptr;
        if (!out.config) return FileStatus::BadConfigItem;
        out.configLength = length;
    }
    return FileStatus::Ok;
}

} // namespace

FileStatus loadSettingsBytes(Document& doc, const uint8_t* data, size_t size,
                             const char* ownSignature) {
    CheckedBody body;
    FileStatus status = checkSettingsBytes(data, size, ownSignature, body);
    if (status != FileStatus::Ok) return status;
    // Checked above, so the merge cannot stop half-way through the document.
    // Open starts from a cleared flag, so a closing item marked "not present"
    // (which leaves the flag alone) gives a full document, as the check decided.
    initImage(doc.image);
    doc.dialRegistersOnly = 0;
    mergeFileItems(doc.image, body.items, body.length, doc.dialRegistersOnly);
    if (body.config) storeConfigRecord(doc, body.config, body.configLength);
    return FileStatus::Ok;
}

FileStatus openSettingsFile(Document& doc, const char* path, const char* ownSignature) {
    std::vector<uint8_t> bytes;
    IoStatus io = readFileBounded(path, maxSettingsFileSize, bytes);
    if (io == IoStatus::TooLarge) return FileStatus::TooLarge;
    if (io != IoStatus::Ok) return FileStatus::CannotOpen;
    return loadSettingsBytes(doc, bytes.data(), bytes.size(), ownSignature);
}

void buildSettingsFile(const Document& doc, std::vector<uint8_t>& out, const char* ownSignature) {
    const bool registersOnly = doc.dialRegistersOnly != 0;
    const size_t listSize = itemListSize(doc.image, registersOnly);
    out.resize(fileHeaderSize + listSize + (registersOnly ? 0 : configItemSize));
    std::memset(out.data(), 0, signatureSize);
    std::memcpy(out.data(), ownSignature, strnlen(ownSignature, signatureSize));
    uint8_t* body = out.data() + fileHeaderSize;
    size_t n = buildItemList(doc.image, registersOnly, body, listSize);
    if (!doc.dialRegistersOnly) {
        writeLe32(body + n, configItemId);
        writeLe32(body + n + 4, configRecordSize);
        std::memcpy(body + n + itemHeaderSize, doc.config, configRecordSize);
        n += configItemSize;
    }
    writeLe32(out.data() + signatureSize, settingsMessageCode);
    writeLe32(out.data() + signatureSize + 4, static_cast<uint32_t>(n));
}

FileStatus saveSettingsFile(const Document& doc, const char* path, const char* ownSignature) {
    if (!usableSignature(ownSignature)) return FileStatus::BadSignature;
    std::vector<uint8_t> bytes;
    buildSettingsFile(doc, bytes, ownSignature);
    IoStatus io = writeFileReplacing(path, bytes.data(), bytes.size());
    return io == IoStatus::Ok ? FileStatus::Ok : FileStatus::WriteFailed;
}

FileStatus importAddressBookBytes(Document& doc, const uint8_t* data, size_t size,
                                  const char* ownSignature) {
    if (size == 0) return FileStatus::Empty;
    if (size < 3 || std::memcmp(data, "QEB", 3) != 0) return FileStatus::NotSettingsFile;
    if (size < signatureSize || !checkSignature(reinterpret_cast<const char*>(data), ownSignature))
        return FileStatus::BadSignature;
    if (size < fileHeaderSize) return FileStatus::BadHeader;
    auto staged = std::make_unique<MachineImage>(doc.image);
    MergeResult merged = mergeDialItems(*staged, data + fileHeaderSize, size - fileHeaderSize);
    if (!merged.ok()) return FileStatus::BadItems;
    std::memcpy(doc.image.blocks, staged->blocks, sizeof(ImageBlock) * dialBlockCount);
    return FileStatus::Ok;
}

FileStatus importAddressBook(Document& doc, const char* path, const char* ownSignature) {
    std::vector<uint8_t> bytes;
    IoStatus io = readFileBounded(path, maxSettingsFileSize, bytes);
    if (io == IoStatus::TooLarge) return FileStatus::TooLarge;
    if (io != IoStatus::Ok) return FileStatus::CannotOpen;
    return importAddressBookBytes(doc, bytes.data(), bytes.size(), ownSignature);
}

std::vector<uint8_t> makeDefaultTemplate() {
    const size_t itemCount = 82;
    std::vector<uint8_t> out(fileHeaderSize + itemCount * itemHeaderSize, 0);
    std::memcpy(out.data(), templateSignature, sizeof templateSignature - 1);
    writeLe32(out.data() + signatureSize, settingsMessageCode);
    writeLe32(out.data() + signatureSize + 4, static_cast<uint32_t>(itemCount * itemHeaderSize));
    uint8_t* p = out.data() + fileHeaderSize;
    for (uint32_t id = 0x12000; id < 0x12020; ++id, p += itemHeaderSize)
        writeLe32(p, id);
    for (uint32_t id = firstDialBlockId; id <= lastDialBlockId; ++id, p += itemHeaderSize)
        writeLe32(p, id);
    out.resize(templateSize); // the template ends one byte short of its stated length
    return out;
}

FileStatus newDocument(Document& doc, const uint8_t* templateData, size_t size,
                       const char* ownSignature) {
    FileStatus status = loadSettingsBytes(doc, templateData, size, ownSignature);
    if (status != FileStatus::Ok) return status;
    doc.dialRegistersOnly = 1;
    unpackImage(doc);
    return FileStatus::Ok;
}
