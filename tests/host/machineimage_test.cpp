#include "fixtures.h"

#include <gtest/gtest.h>

namespace {

struct ItemHeader {
    uint32_t id;
    uint32_t length;
};

// Splits an item list into headers, following each item's own length.
std::vector<ItemHeader> headersOf(const uint8_t* p, size_t size) {
    std::vector<ItemHeader> out;
    size_t at = 0;
    while (at + itemHeaderSize <= size) {
        ItemHeader h{readLe32(p + at), readLe32(p + at + 4)};
        out.push_back(h);
        at += itemHeaderSize;
        if (h.length != lengthNotPresent) at += h.length;
    }
    EXPECT_EQ(at, size) << "item list does not end on an item boundary";
    return out;
}

ImageBlock& blockById(Document& doc, uint32_t id) {
    int k = findBlock(doc.image, id);
    EXPECT_GE(k, 0) << std::hex << id;
    return doc.image.blocks[k < 0 ? 0 : k];
}

Rules english("ENGLISH", 1252);

// ---------------------------------------------------------------- item lists

TEST(ItemList, FreshImageListsAll91BlocksEmptyInBlockOrder) {
    auto doc = makeDocument();
    packImage(*doc);
    Bytes buffer(maxItemListSize);
    size_t n = buildItemList(doc->image, false, buffer.data(), buffer.size());
    ASSERT_EQ(n, 728u);
    std::vector<ItemHeader> items = headersOf(buffer.data(), n);
    ASSERT_EQ(items.size(), 91u);
    for (int k = 0; k < blockCount; ++k) {
        EXPECT_EQ(items[k].id, blockIdAt(k)) << "block " << k;
        EXPECT_EQ(items[k].length, 0u) << "block " << k;
    }
}

TEST(ItemList, RegisterOnlyListEndsAfterBlock49EvenWithSettingsPresent) {
    auto doc = makeDocument();
    ItemList reply = downloadReply();
    ASSERT_TRUE(mergeReplyItems(doc->image, reply.bytes.data(), reply.bytes.size()).ok());
    Bytes buffer(maxItemListSize);

    size_t full = buildItemList(doc->image, false, buffer.data(), buffer.size());
    EXPECT_EQ(headersOf(buffer.data(), full).size(), 91u);

    size_t n = buildItemList(doc->image, true, buffer.data(), buffer.size());
    ASSERT_EQ(n, 50 * itemHeaderSize);
    std::vector<ItemHeader> items = headersOf(buffer.data(), n);
    ASSERT_EQ(items.size(), 50u);
    EXPECT_EQ(items.back().id, lastDialBlockId);
}

TEST(ItemList, NotPresentBlocksCarryNoData) {
    auto doc = makeDocument();
    doc->image.blocks[3].blockLength = lengthNotPresent;
    doc->image.blocks[3].data[0] = 0xAA;
    Bytes buffer(maxItemListSize);
    size_t n = buildItemList(doc->image, false, buffer.data(), buffer.size());
    EXPECT_EQ(n, 728u);
    EXPECT_EQ(readLe32(buffer.data() + 3 * itemHeaderSize + 4), lengthNotPresent);
}

TEST(ItemList, RequestNamesEveryBlockWithLengthZero) {
    Bytes buffer(requestListSize); // exact size: a write past it is caught
    ASSERT_EQ(buildRequestList(buffer.data()), 728u);
    std::vector<ItemHeader> items = headersOf(buffer.data(), buffer.size());
    ASSERT_EQ(items.size(), 91u);
    EXPECT_EQ(items.front().id, 0x12050u);
    EXPECT_EQ(items.back().id, 0x20600u);
    for (int k = 0; k < blockCount; ++k) {
        EXPECT_EQ(items[k].id, blockIdAt(k)) << "block " << k;
        EXPECT_EQ(items[k].length, 0u);
    }
}

TEST(ItemList, UploadTrailerCarriesTheOneShotCodeOnce) {
    auto doc = makeDocument();
    doc->uploadCode = 1;
    Bytes first(itemHeaderSize + uploadTrailerSize);
    ASSERT_EQ(buildUploadTrailer(*doc, first.data()), 10u);
    EXPECT_EQ(first, (Bytes{0x01, 0x10, 0x02, 0x00, 0x02, 0x00, 0x00, 0x00, 0x01, 0x01}));
    EXPECT_EQ(doc->uploadCode, 0);

    Bytes second(itemHeaderSize + uploadTrailerSize);
    buildUploadTrailer(*doc, second.data());
    EXPECT_EQ(second[9], 0);
}

// ---------------------------------------------------------------- pack and unpack

TEST(PackUnpack, RegisteredKeyGetsKeyWordAndFullLengthClearedKeyGetsNothing) {
    struct Case {
        int keyIndex;
        DestinationEntry entry;
        uint32_t blockLength;
    } cases[] = {
        {6, emailEntry("Key seven", "seven@example.com"), 116},
        {44, ftpEntry(), 1056},
    };
    for (Case& c : cases) {
        SCOPED_TRACE(c.keyIndex + 1);
        auto doc = makeDocument();
        ASSERT_EQ(encodeDestination(english.rules, doc->registers, c.keyIndex, c.entry), 1);
        const uint8_t* rec = destinationRecord(doc->registers, c.keyIndex);
        EXPECT_EQ(readLe16(rec), 0x8000 + c.keyIndex + 1);
        packImage(*doc);
        EXPECT_EQ(doc->image.blocks[c.keyIndex].blockLength, c.blockLength);
        EXPECT_EQ(std::memcmp(doc->image.blocks[c.keyIndex].data, rec, c.blockLength), 0);

        c.entry.address[0] = '\0';
        ASSERT_EQ(encodeDestination(english.rules, doc->registers, c.keyIndex, c.entry), 1);
        EXPECT_EQ(readLe16(rec), 0);
        packImage(*doc);
        EXPECT_EQ(doc->image.blocks[c.keyIndex].blockLength, 0u);
    }
}

TEST(PackUnpack, SettingsTravelThroughTheImageLittleEndian) {
    auto doc = makeDocument();
    ImageSettings& s = doc->settings.image;
    s.adminNumber = 0x12345678;
    const uint8_t ip[4] = {192, 168, 1, 20};
    std::memcpy(s.ipAddress, ip, 4);
    std::memcpy(s.ntpServer, "ntp.example.org", 16);
    s.smtpPort = 587;
    s.ipAddressMode = 2;
    packImage(*doc);

    struct Expect {
        uint32_t id;
        Bytes value;
    } expected[] = {
        {0x20600, {0x78, 0x56, 0x34, 0x12}},
        {0x10308, {192, 168, 1, 20}},
        {0x10422, textBytes("ntp.example.org")},
        {0x10406, {0x4B, 0x02, 0x00, 0x00}},
        {0x10306, {2}},
    };
    for (const Expect& e : expected) {
        SCOPED_TRACE(testing::Message() << std::hex << e.id);
        const ImageBlock& b = blockById(*doc, e.id);
        EXPECT_EQ(Bytes(b.data, b.data + e.value.size()), e.value);
        EXPECT_EQ(b.blockLength, 0u) << "packing does not touch settings lengths";
    }

    const ImageSettings before = s;
    std::memset(&s, 0, sizeof s);
    unpackImage(*doc);
    EXPECT_EQ(s.adminNumber, 0x12345678u);
    EXPECT_EQ(std::memcmp(s.ipAddress, ip, 4), 0);
    EXPECT_STREQ(reinterpret_cast<const char*>(s.ntpServer), "ntp.example.org");
    EXPECT_EQ(s.smtpPort, 587u);
    EXPECT_EQ(std::memcmp(&s, &before, sizeof s), 0);
}

TEST(PackUnpack, UnpackTakesRecordsOnlyFromNonEmptyBlocksAndClearsFaxStores) {
    auto doc = makeDocument();
    std::memset(&doc->registers, 0x5A, sizeof doc->registers);
    ImageBlock& registered = doc->image.blocks[2];
    registered.blockLength = 116;
    std::memset(registered.data, 0x11, shortRecordSize);
    doc->image.blocks[5].blockLength = 0;
    std::memset(doc->image.blocks[5].data, 0x22, shortRecordSize); // stale, must be ignored
    ImageBlock& longBlock = doc->image.blocks[45];
    longBlock.blockLength = 1056;
    std::memset(longBlock.data, 0x33, longRecordSize);

    unpackImage(*doc);
    const RegisterArrays& r = doc->registers;
    EXPECT_EQ(r.shortDestinations[2 * shortRecordSize + 115], 0x11);
    EXPECT_EQ(r.shortDestinations[5 * shortRecordSize], 0);
    EXPECT_EQ(r.longDestinations[5 * longRecordSize + 1055], 0x33);
    EXPECT_EQ(r.longDestinations[4 * longRecordSize], 0);
    auto allZero = [](const uint8_t* p, size_t n) {
        for (size_t i = 0; i < n; ++i)
            if (p[i]) return false;
        return true;
    };
    EXPECT_TRUE(allZero(r.faxOneTouchStore, sizeof r.faxOneTouchStore));
    EXPECT_TRUE(allZero(r.faxSpeedDialStore, sizeof r.faxSpeedDialStore));
    EXPECT_TRUE(allZero(r.shortDestinations + 40 * shortRecordSize, 1024));
}

TEST(PackUnpack, ImportPendingKeepsSettingsAndClearsItself) {
    auto doc = makeDocument();
    ItemList reply = downloadReply();
    ASSERT_TRUE(mergeReplyItems(doc->image, reply.bytes.data(), reply.bytes.size()).ok());
    doc->image.blocks[0].blockLength = 116;
    doc->image.blocks[0].data[0] = 0x01;
    doc->settings.image.adminNumber = 42;
    doc->settings.image.ipAddress[0] = 10;
    const ImageSettings before = doc->settings.image;

    doc->importPending = 1;
    unpackImage(*doc);
    EXPECT_EQ(doc->importPending, 0);
    EXPECT_EQ(std::memcmp(&doc->settings.image, &before, sizeof before), 0);
    EXPECT_EQ(doc->registers.shortDestinations[0], 0x01) << "registers are still unpacked";

    unpackImage(*doc); // the flag was one-shot: now the image's settings arrive
    EXPECT_NE(doc->settings.image.adminNumber, 42u);
}

TEST(PackUnpack, RegisterOnlyUnpackRaisesCapabilityFlagsAndStillFillsSettings) {
    for (uint8_t registersOnly : {uint8_t{0}, uint8_t{1}}) {
        SCOPED_TRACE(int(registersOnly));
        auto doc = makeDocument();
        blockById(*doc, 0x20600).data[0] = 9;
        doc->dialRegistersOnly = registersOnly;
        unpackImage(*doc);
        EXPECT_EQ(doc->config[6], registersOnly);
        EXPECT_EQ(doc->config[7], registersOnly);
        EXPECT_EQ(doc->settings.image.adminNumber, 9u);
    }
}

// ---------------------------------------------------------------- merges

TEST(MergeReply, ConsumesExactlyUpToTheClosingItem) {
    auto doc = makeDocument();
    Bytes record(shortRecordSize, 0x44);
    ItemList reply;
    reply.emptyRegisters(0, 5).item(0x12056, record).emptyRegisters(7, 49);
    for (int k = 0; k < settingBlockCount; ++k)
        reply.item(settingIds[k], settingValue(k, settingWidths[k]));
    size_t listSize = reply.bytes.size();
    reply.raw({0xEE, 0xEE, 0xEE, 0xEE}); // bytes after the closing item are not the merge's

    MergeResult r = mergeReplyItems(doc->image, reply.bytes.data(), reply.bytes.size());
    EXPECT_TRUE(r.ok());
    EXPECT_EQ(r.consumed, listSize);
    EXPECT_EQ(doc->image.blocks[6].blockLength, 116u);
    EXPECT_EQ(doc->image.blocks[6].data[115], 0x44);
    EXPECT_EQ(blockById(*doc, 0x20600).blockLength, 4u);
    EXPECT_EQ(Bytes(blockById(*doc, 0x10401).data, blockById(*doc, 0x10401).data + 22),
              settingValue(13, 22));
}

// A text travels without its terminator, so the receiving image must not keep
// what a longer text, or a text now emptied, left in the block.
TEST(MergeReply, ATextReplacesTheWholeBlock) {
    auto doc = makeDocument();
    const uint32_t nameId = doc->image.blocks[machineNameBlock].blockId;
    const std::string longer = "Copier 3rd floor", shorter = "Copier 3F";
    struct Case {
        const char* title;
        std::string second;
    } cases[] = {{"shorter text", shorter}, {"emptied text", ""}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        for (const std::string* text : {&longer, &c.second}) {
            ItemList reply;
            reply.item(nameId, Bytes(text->begin(), text->end())).item(endBlockId, 0);
            ASSERT_TRUE(mergeReplyItems(doc->image, reply.bytes.data(), reply.bytes.size()).ok());
        }
        unpackImage(*doc);
        char name[64];
        textSetting(*doc, machineNameBlock, name, sizeof name);
        EXPECT_EQ(std::string(name), c.second);
        EXPECT_EQ(doc->image.blocks[machineNameBlock].blockLength, c.second.size());
    }
}

TEST(MergeReply, UnknownItemIsSkippedByItsOwnLength) {
    auto doc = makeDocument();
    // The unknown item's data looks like an item for block 0; reading it as one
    // would register key 001.
    ItemList inner;
    inner.item(0x12050, 4, {0x01, 0x80, 0x01, 0x00});
    ItemList reply;
    reply.item(0x30000, inner.bytes).item(0x12051, 0).item(0x20600, 4, le32(7));

    MergeResult r = mergeReplyItems(doc->image, reply.bytes.data(), reply.bytes.size());
    EXPECT_TRUE(r.ok());
    EXPECT_EQ(r.consumed, reply.bytes.size());
    EXPECT_EQ(doc->image.blocks[0].blockLength, 0u);
    EXPECT_EQ(doc->image.blocks[0].data[0], 0);
    EXPECT_EQ(blockById(*doc, 0x20600).data[0], 7);
}

// Faulty lists, each run through all three merges. Buffers are heap vectors of
// exactly the list's size, so any read past the end is an ASan report.
struct FaultCase {
    const char* name;
    Bytes list;
    MergeStatus status;
};

std::vector<FaultCase> faultCases() {
    std::vector<FaultCase> cases;
    cases.push_back({"header truncated",
                     ItemList().item(0x12050, 0).raw({0x51, 0x20, 0x01, 0x00, 0x74}).bytes,
                     MergeStatus::ItemTruncated});
    cases.push_back({"only part of a header", Bytes{0x50, 0x20, 0x01}, MergeStatus::ItemTruncated});
    cases.push_back({"data runs past the end", ItemList().item(0x12050, 116, Bytes(50, 0x41)).bytes,
                     MergeStatus::ItemTruncated});
    cases.push_back({"unknown item runs past the end",
                     ItemList().item(0x30000, 0xFFFFFFF0u, Bytes(16, 0x41)).bytes,
                     MergeStatus::ItemTruncated});
    cases.push_back({"known item longer than its block",
                     ItemList().item(0x12050, Bytes(blockDataSize + 1, 0x41)).bytes,
                     MergeStatus::ItemTooLong});
    cases.push_back(
        {"no closing item", ItemList().emptyRegisters(0, 10).bytes, MergeStatus::Unclosed});
    cases.push_back({"empty list", Bytes{}, MergeStatus::Unclosed});
    return cases;
}

TEST(MergeFaults, EveryMergeReportsTheFaultAndStaysInsideTheBuffer) {
    using Merge = MergeResult (*)(MachineImage&, const uint8_t*, size_t);
    struct Named {
        const char* name;
        Merge merge;
    } merges[] = {
        {"reply", mergeReplyItems},
        {"dial", mergeDialItems},
        {"file",
         [](MachineImage& image, const uint8_t* items, size_t size) {
             uint8_t flag = 7;
             MergeResult r = mergeFileItems(image, items, size, flag);
             EXPECT_EQ(flag, 7) << "a failed merge decides nothing";
             return r;
         }},
    };
    for (const FaultCase& c : faultCases()) {
        for (const Named& m : merges) {
            SCOPED_TRACE(std::string(m.name) + ": " + c.name);
            auto doc = makeDocument();
            // Copy into a heap buffer of exactly the list's size.
            std::unique_ptr<uint8_t[]> exact(new uint8_t[c.list.size()]);
            if (!c.list.empty()) std::memcpy(exact.get(), c.list.data(), c.list.size());
            MergeResult r = m.merge(doc->image, exact.get(), c.list.size());
            EXPECT_EQ(r.status, c.status) << mergeStatusText(r.status);
            EXPECT_LE(r.consumed, c.list.size());
            EXPECT_EQ(doc->image.blocks[0].data[0], 0) << "no partial item is taken";
        }
    }
}

TEST(MergeFile, RegisterOnlyListEndingExactlyAtTotalLength) {
    auto doc = makeDocument();
    ItemList list;
    list.emptyRegisters(0, 5).item(0x12056, Bytes(shortRecordSize, 0x44)).emptyRegisters(7, 49);
    uint8_t flag = 0;
    MergeResult r = mergeFileItems(doc->image, list.bytes.data(), list.bytes.size(), flag);
    EXPECT_TRUE(r.ok());
    EXPECT_EQ(r.consumed, list.bytes.size());
    EXPECT_EQ(flag, 1);
    EXPECT_EQ(doc->image.blocks[6].blockLength, 116u);
}

TEST(MergeFile, TotalLengthDecidesWhereTheListEnds) {
    // The same bytes: ending the list after block 49 makes a register-only
    // document; letting it run on to the closing item makes a full one.
    ItemList list;
    list.emptyRegisters(0, 49).item(0x10306, Bytes{3}).item(0x20600, le32(55));
    const size_t registersEnd = 50 * itemHeaderSize;

    auto registersOnly = makeDocument();
    uint8_t flag = 0;
    MergeResult r = mergeFileItems(registersOnly->image, list.bytes.data(), registersEnd, flag);
    EXPECT_TRUE(r.ok());
    EXPECT_EQ(r.consumed, registersEnd);
    EXPECT_EQ(flag, 1);
    EXPECT_EQ(blockById(*registersOnly, 0x10306).data[0], 0);

    auto full = makeDocument();
    flag = 1;
    r = mergeFileItems(full->image, list.bytes.data(), list.bytes.size(), flag);
    EXPECT_TRUE(r.ok());
    EXPECT_EQ(r.consumed, list.bytes.size());
    EXPECT_EQ(flag, 0);
    EXPECT_EQ(blockById(*full, 0x10306).data[0], 3);
    EXPECT_EQ(blockById(*full, 0x20600).data[0], 55);
}

TEST(MergeFile, ClosingItemNotPresentReturnsWithoutDeciding) {
    ItemList list;
    list.emptyRegisters(0, 49)
        .item(0x20600, lengthNotPresent)
        .raw(ItemList().item(configItemId, 0).bytes);
    for (uint8_t start : {uint8_t{0}, uint8_t{1}}) {
        SCOPED_TRACE(int(start));
        auto doc = makeDocument();
        uint8_t flag = start;
        MergeResult r = mergeFileItems(doc->image, list.bytes.data(), list.bytes.size(), flag);
        EXPECT_TRUE(r.ok());
        EXPECT_EQ(r.consumed, 51 * itemHeaderSize);
        EXPECT_EQ(flag, start);
    }
}

TEST(MergeDial, OnlyRegisterBlocksChange) {
    auto doc = makeDocument();
    ItemList reply = downloadReply();
    ASSERT_TRUE(mergeReplyItems(doc->image, reply.bytes.data(), reply.bytes.size()).ok());
    auto before = std::make_unique<MachineImage>(doc->image);

    ItemList file;
    file.item(0x12050, Bytes(shortRecordSize, 0x61))
        .emptyRegisters(1, 48)
        .item(0x12081, Bytes(longRecordSize, 0x62));
    for (int k = 0; k < settingBlockCount; ++k)
        file.item(settingIds[k], Bytes(settingWidths[k], 0xFF));

    MergeResult r = mergeDialItems(doc->image, file.bytes.data(), file.bytes.size());
    EXPECT_TRUE(r.ok());
    EXPECT_EQ(doc->image.blocks[0].blockLength, 116u);
    EXPECT_EQ(doc->image.blocks[49].blockLength, 1056u);
    EXPECT_EQ(doc->image.blocks[49].data[1055], 0x62);
    EXPECT_EQ(std::memcmp(&doc->image.blocks[dialBlockCount], &before->blocks[dialBlockCount],
                          sizeof(ImageBlock) * settingBlockCount),
              0);
}

TEST(MergeDial, StopsAtTheFirstItemThatIsNoRegister) {
    struct Case {
        const char* name;
        uint32_t foreignId;
    } cases[] = {{"unknown identifier", 0x12000}, {"settings block", 0x20600}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto doc = makeDocument();
        ItemList file;
        file.item(0x12050, Bytes(shortRecordSize, 0x61))
            .item(c.foreignId, le32(99))
            .item(0x12051, Bytes(shortRecordSize, 0x62));
        MergeResult r = mergeDialItems(doc->image, file.bytes.data(), file.bytes.size());
        EXPECT_TRUE(r.ok());
        EXPECT_EQ(r.consumed, 2 * itemHeaderSize + shortRecordSize + 4);
        EXPECT_EQ(doc->image.blocks[0].blockLength, 116u);
        EXPECT_EQ(doc->image.blocks[1].blockLength, 0u);
        EXPECT_EQ(blockById(*doc, 0x20600).data[0], 0);
    }
}

} // namespace
