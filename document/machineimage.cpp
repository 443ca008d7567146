#include "machineimage.h"

#include "bytes.h"

#include <cstring>

#define SETTING(id, kind, width, member)                                                           \
    { id, ValueKind::kind, width, offsetof(ImageSettings, member), #member }

const SettingBlock settingBlocks[settingBlockCount] = {
    SETTING(0x10306, U8, 1, ipAddressMode),
    SETTING(0x10308, Bytes, 4, ipAddress),
    SETTING(0x10309, Bytes, 4, subnetMask),
    SETTING(0x1030A, Bytes, 4, gatewayAddress),
    SETTING(0x1030C, U8, 1, dnsMode),
    SETTING(0x1030E, Bytes, 4, dnsServer),
    SETTING(0x10310, U8, 1, lpdEnabled),
    SETTING(0x10422, Bytes, 66, ntpServer),
    SETTING(0x10423, U32, 4, ntpPort),
    SETTING(0x10420, U8, 1, autoGetTime),
    SETTING(0x1030B, U32, 4, networkPort),
    SETTING(0x10312, U8, 1, snmpEnabled),
    SETTING(0x1043A, U8, 1, webLanguage),
    SETTING(0x10401, Bytes, 22, senderName),
    SETTING(0x10403, Bytes, 66, emailAddress),
    SETTING(0x10405, Bytes, 66, smtpServer),
    SETTING(0x10406, U32, 4, smtpPort),
    SETTING(0x10407, U32, 4, smtpTimeout),
    SETTING(0x10408, U8, 1, textInsert),
    SETTING(0x1040A, Bytes, 22, defaultSubject),
    SETTING(0x1040B, U8, 1, popBeforeSmtp),
    SETTING(0x1040C, U32, 4, popBeforeSmtpWait),
    SETTING(0x10426, U8, 1, smtpAuthentication),
    SETTING(0x10428, Bytes, 66, smtpAccount),
    SETTING(0x1042A, Bytes, 34, smtpPassword),
    SETTING(0x10412, Bytes, 66, pop3Server),
    SETTING(0x10413, U32, 4, pop3Port),
    SETTING(0x10414, U32, 4, pop3Timeout),
    SETTING(0x10416, Bytes, 66, pop3Account),
    SETTING(0x10418, Bytes, 34, pop3Password),
    SETTING(0x10522, U8, 1, timeZone),
    SETTING(0x10523, U8, 1, daylightSaving),
    SETTING(0x10524, U32, 4, daylightMinutes),
    SETTING(0x10435, Bytes, 4, ftpProxyAddress),
    SETTING(0x10436, U32, 4, ftpProxyPort),
    SETTING(0x10437, U32, 4, ftpTimeout),
    SETTING(0x10438, U8, 1, smbSend),
    SETTING(0x10439, U8, 1, smbAuthentication),
    SETTING(0x10313, U8, 1, sleepShift),
    SETTING(0x1031C, U8, 1, showPrinterOwner),
    SETTING(0x20600, U32, 4, adminNumber),
};
#undef SETTING

namespace {

uint8_t* member(ImageSettings& s, const SettingBlock& b) {
    return reinterpret_cast<uint8_t*>(&s) + b.memberOffset;
}

// Image values are little-endian whatever the host is.
void valueToMember(const uint8_t* value, const SettingBlock& b, ImageSettings& s) {
    uint8_t* m = member(s, b);
    if (b.kind == ValueKind::U32) {
        uint32_t v = readLe32(value);
        std::memcpy(m, &v, sizeof v);
    } else {
        std::memcpy(m, value, b.width);
    }
}

void memberToValue(ImageSettings& s, const SettingBlock& b, uint8_t* value) {
    const uint8_t* m = member(s, b);
    if (b.kind == ValueKind::U32) {
        uint32_t v;
        std::memcpy(&v, m, sizeof v);
        writeLe32(value, v);
    } else {
        std::memcpy(value, m, b.width);
    }
}

// True when the block's length says the item carries data bytes.
bool carriesData(uint32_t length) {
    return length != 0 && length != lengthNotPresent;
}

enum class Stop { Continue, Closed };

// Reads one item at `reader` into the image. Unknown identifiers (index -1)
// are skipped by their own length.
// Reads the next item's header; false, with the result to return, when the
// list ends there (no bytes left, or too few for a header).
bool nextItemHeader(ByteReader& reader, uint32_t& id, uint32_t& length, MergeResult& end) {
    if (reader.remaining() < itemHeaderSize) {
        end = {reader.remaining() ? MergeStatus::ItemTruncated : MergeStatus::Unclosed,
               reader.position()};
        return false;
    }
    id = reader.le32();
    length = reader.le32();
    return true;
}

// Unknown identifiers (index -1) are skipped by their own length. Without an
// image the item is only checked.
MergeStatus mergeOneItem(MachineImage* image, ByteReader& reader, int index, uint32_t length) {
    if (!carriesData(length)) {
        if (image && index >= 0) {
            image->blocks[index].blockLength = length;
            // An empty item empties the block: a text sent as length 0 must
            // not read back as the text it replaced.
            if (length == 0) std::memset(image->blocks[index].data, 0, blockDataSize);
        }
        return MergeStatus::Ok;
    }
    if (index >= 0 && length > blockDataSize) return MergeStatus::ItemTooLong;
    const uint8_t* data = reader.bytes(length);
    if (!data) return MergeStatus::ItemTruncated;
    if (image && index >= 0) {
        ImageBlock& block = image->blocks[index];
        block.blockLength = length;
        std::memcpy(block.data, data, length);
        // A text goes without its terminator: what followed a longer text
        // before is not part of the block any more.
        std::memset(block.data + length, 0, blockDataSize - length);
    }
    return MergeStatus::Ok;
}

MergeResult walkFileItems(MachineImage* image, const uint8_t* items, size_t totalLength,
                          uint8_t& dialRegistersOnly) {
    ByteReader reader(items, totalLength);
    for (;;) {
        uint32_t id, len;
        MergeResult end;
        if (!nextItemHeader(reader, id, len, end)) return end;
        if (id == endBlockId && len == lengthNotPresent) {
            if (image) image->blocks[blockCount - 1].blockLength = len;
            return {MergeStatus::Ok, reader.position()};
        }
        MergeStatus s = mergeOneItem(image, reader, blockIndex(id, 0, blockCount), len);
        if (s != MergeStatus::Ok) return {s, reader.position()};
        if (id == endBlockId) {
            dialRegistersOnly = 0;
            return {MergeStatus::Ok, reader.position()};
        }
        if (reader.remaining() == 0 && id == lastDialBlockId) {
            dialRegistersOnly = 1;
            return {MergeStatus::Ok, reader.position()};
        }
    }
}

} // namespace

namespace {

// Settings identifiers lie in a narrow band (plus the closing item), so a small
// table finds their block without a search; every item of every merge asks.
constexpr uint32_t settingIdBase = 0x10300;
constexpr uint32_t settingIdSpan = 0x230;

struct SettingIdTable {
    int8_t block[settingIdSpan];
    SettingIdTable() {
        for (int8_t& b : block)
            b = -1;
        for (int i = 0; i < settingBlockCount; ++i)
            if (settingBlocks[i].id >= settingIdBase &&
                settingBlocks[i].id < settingIdBase + settingIdSpan)
                block[settingBlocks[i].id - settingIdBase] = static_cast<int8_t>(i);
    }
};

int settingBlockOf(uint32_t id) {
    static const SettingIdTable table;
    if (id == endBlockId) return blockCount - 1;
    if (id < settingIdBase || id >= settingIdBase + settingIdSpan) return -1;
    int i = table.block[id - settingIdBase];
    return i < 0 ? -1 : dialBlockCount + i;
}

} // namespace

int blockIndex(uint32_t id, int first, int last) {
    int k = id >= firstDialBlockId && id <= lastDialBlockId
                ? static_cast<int>(id - firstDialBlockId) // register identifiers are consecutive
                : settingBlockOf(id);
    return k >= first && k < last ? k : -1;
}

int findBlock(const MachineImage& image, uint32_t id, int first, int last) {
    int k = blockIndex(id, first, last);
    return k >= 0 && image.blocks[k].blockId == id ? k : -1;
}

void initImage(MachineImage& image) {
    std::memset(&image, 0, sizeof image);
    for (int k = 0; k < dialBlockCount; ++k)
        image.blocks[k].blockId = firstDialBlockId + static_cast<uint32_t>(k);
    for (int k = 0; k < settingBlockCount; ++k)
        image.blocks[dialBlockCount + k].blockId = settingBlocks[k].id;
}

namespace {

// The settings of the table that hold text: the Bytes members wider than an
// IPv4 address.
const SettingBlock* textBlock(int block) {
    if (block < dialBlockCount || block >= blockCount) return nullptr;
    const SettingBlock& b = settingBlocks[block - dialBlockCount];
    return b.kind == ValueKind::Bytes && b.width > 4 ? &b : nullptr;
}

} // namespace

size_t textSettingLimit(int block) {
    const SettingBlock* b = textBlock(block);
    return b ? static_cast<size_t>(b->width) - 2 : 0;
}

int setTextSetting(Document& doc, int block, const char* text, size_t length) {
    const SettingBlock* b = textBlock(block);
    if (!b) return -1;
    uint8_t* field = member(doc.settings.image, *b);
    const size_t limit = static_cast<size_t>(b->width) - 2;
    size_t n = 0;
    while (n < length && n < limit && text[n])
        ++n;
    std::memset(field, 0, b->width);
    std::memcpy(field, text, n);
    doc.image.blocks[block].blockLength = static_cast<uint32_t>(n);
    return static_cast<int>(n);
}

size_t textSetting(const Document& doc, int block, char* out, size_t capacity) {
    if (capacity == 0) return 0;
    out[0] = '\0';
    const SettingBlock* b = textBlock(block);
    if (!b) return 0;
    const uint8_t* field = reinterpret_cast<const uint8_t*>(&doc.settings.image) + b->memberOffset;
    size_t n = 0;
    while (n < b->width && n + 1 < capacity && field[n])
        ++n;
    std::memcpy(out, field, n);
    out[n] = '\0';
    return n;
}

int unpackImage(Document& doc) {
    RegisterArrays& r = doc.registers;
    std::memset(&r, 0, sizeof r);
    if (doc.dialRegistersOnly) doc.config[6] = doc.config[7] = 1;
    for (int k = 0; k < shortKeyCount; ++k)
        if (doc.image.blocks[k].blockLength != 0)
            std::memcpy(r.shortDestinations + k * shortRecordSize, doc.image.blocks[k].data,
                        shortRecordSize);
    for (int k = 0; k < longKeyCount; ++k)
        if (doc.image.blocks[shortKeyCount + k].blockLength != 0)
            std::memcpy(r.longDestinations + k * longRecordSize,
                        doc.image.blocks[shortKeyCount + k].data, longRecordSize);
    if (doc.importPending) {
        doc.importPending = 0;
        return 1;
    }
    for (int k = 0; k < settingBlockCount; ++k)
        valueToMember(doc.image.blocks[dialBlockCount + k].data, settingBlocks[k],
                      doc.settings.image);
    return 1;
}

int packImage(Document& doc) {
    for (int k = 0; k < shortKeyCount; ++k) {
        const uint8_t* rec = doc.registers.shortDestinations + k * shortRecordSize;
        std::memcpy(doc.image.blocks[k].data, rec, shortRecordSize);
        doc.image.blocks[k].blockLength = rec[0] ? static_cast<uint32_t>(shortRecordSize) : 0;
    }
    for (int k = 0; k < longKeyCount; ++k) {
        const uint8_t* rec = doc.registers.longDestinations + k * longRecordSize;
        ImageBlock& b = doc.image.blocks[shortKeyCount + k];
        std::memcpy(b.data, rec, longRecordSize);
        b.blockLength = rec[0] ? static_cast<uint32_t>(longRecordSize) : 0;
    }
    for (int k = 0; k < settingBlockCount; ++k)
        memberToValue(doc.settings.image, settingBlocks[k],
                      doc.image.blocks[dialBlockCount + k].data);
    return 1;
}

size_t buildRequestList(uint8_t* buffer) {
    uint8_t* p = buffer;
    for (int k = 0; k < dialBlockCount; ++k, p += itemHeaderSize) {
        writeLe32(p, firstDialBlockId + static_cast<uint32_t>(k));
        writeLe32(p + 4, 0);
    }
    for (int k = 0; k < settingBlockCount; ++k, p += itemHeaderSize) {
        writeLe32(p, settingBlocks[k].id);
        writeLe32(p + 4, 0);
    }
    return requestListSize;
}

size_t itemListSize(const MachineImage& image, bool dialRegistersOnly) {
    size_t n = 0;
    for (int k = 0; k < blockCount; ++k) {
        const ImageBlock& b = image.blocks[k];
        size_t data = carriesData(b.blockLength) ? b.blockLength : 0;
        n += itemHeaderSize + (data > blockDataSize ? blockDataSize : data);
        if (dialRegistersOnly && b.blockId == lastDialBlockId) break;
    }
    return n;
}

size_t buildItemList(const MachineImage& image, bool dialRegistersOnly, uint8_t* buffer,
                     size_t capacity) {
    size_t n = 0;
    for (int k = 0; k < blockCount; ++k) {
        const ImageBlock& b = image.blocks[k];
        size_t data = carriesData(b.blockLength) ? b.blockLength : 0;
        if (data > blockDataSize) data = blockDataSize; // lengths are bounded by every merge
        if (capacity - n < itemHeaderSize + data) return 0;
        writeLe32(buffer + n, b.blockId);
        writeLe32(buffer + n + 4, b.blockLength);
        std::memcpy(buffer + n + itemHeaderSize, b.data, data);
        n += itemHeaderSize + data;
        if (dialRegistersOnly && b.blockId == lastDialBlockId) break;
    }
    return n;
}

size_t buildUploadTrailer(Document& doc, uint8_t* buffer) {
    writeLe32(buffer, uploadTrailerId);
    writeLe32(buffer + 4, uploadTrailerSize);
    buffer[8] = 1;
    buffer[9] = doc.uploadCode;
    doc.uploadCode = 0;
    return itemHeaderSize + uploadTrailerSize;
}

void storeConfigRecord(Document& doc, const uint8_t* record, size_t length) {
    std::memset(doc.config, 0, sizeof doc.config);
    std::memcpy(doc.config, record, length < configRecordSize ? length : configRecordSize);
    doc.config[6] = doc.config[7] = 1;
}

const char* mergeStatusText(MergeStatus status) {
    switch (status) {
    case MergeStatus::Ok:
        return "complete";
    case MergeStatus::ItemTruncated:
        return "an item runs past the end of the data";
    case MergeStatus::ItemTooLong:
        return "an item is longer than its block";
    case MergeStatus::Unclosed:
        return "the item list has no closing item";
    }
    return "unknown";
}

namespace {

MergeResult walkReplyItems(MachineImage* image, const uint8_t* items, size_t length) {
    ByteReader reader(items, length);
    for (;;) {
        uint32_t id, len;
        MergeResult end;
        if (!nextItemHeader(reader, id, len, end)) return end;
        MergeStatus s = mergeOneItem(image, reader, blockIndex(id, 0, blockCount), len);
        if (s != MergeStatus::Ok) return {s, reader.position()};
        if (id == endBlockId) return {MergeStatus::Ok, reader.position()};
    }
}

} // namespace

MergeResult mergeReplyItems(MachineImage& image, const uint8_t* items, size_t length) {
    return walkReplyItems(&image, items, length);
}

MergeResult checkReplyItems(const uint8_t* items, size_t length) {
    return walkReplyItems(nullptr, items, length);
}

MergeResult mergeFileItems(MachineImage& image, const uint8_t* items, size_t totalLength,
                           uint8_t& dialRegistersOnly) {
    return walkFileItems(&image, items, totalLength, dialRegistersOnly);
}

MergeResult checkFileItems(const uint8_t* items, size_t totalLength, uint8_t& dialRegistersOnly) {
    return walkFileItems(nullptr, items, totalLength, dialRegistersOnly);
}

MergeResult mergeDialItems(MachineImage& image, const uint8_t* items, size_t length) {
    ByteReader reader(items, length);
    for (;;) {
        uint32_t id, len;
        MergeResult end;
        if (!nextItemHeader(reader, id, len, end)) return end;
        int index = blockIndex(id, 0, dialBlockCount);
        // The first foreign item ends the register part; it is skipped, not taken.
        MergeStatus s = mergeOneItem(&image, reader, index, len);
        if (s != MergeStatus::Ok) return {s, reader.position()};
        if (index < 0 || id == lastDialBlockId) return {MergeStatus::Ok, reader.position()};
    }
}
