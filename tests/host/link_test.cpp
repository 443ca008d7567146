// The machine link against the simulated copier: the bytes on the wire,
// device discovery, the busy check, the session messages, every fault in
// every transaction, and a Download-edit-Upload round trip.
#include "link_fixtures.h"

#include "bytes.h"
#include "destination.h"
#include "settingsfile.h"
#include "textrules.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

const TextRules english{"ENGLISH", nullptr};

DestinationEntry emailEntry(const char* name, const char* address) {
    DestinationEntry e;
    std::memset(&e, 0, sizeof e);
    e.type = typeEmail;
    std::strcpy(e.name, name);
    std::strcpy(e.address, address);
    return e;
}

// An open document that differs from the simulated machine in every part a
// Download would replace.
std::unique_ptr<Document> openDocument() {
    auto doc = makeDocument();
    DestinationEntry e = emailEntry("Key nine", "nine@example.net");
    encodeDestination(english, doc->registers, 8, e);
    doc->settings.image.adminNumber = 777;
    doc->settings.image.smtpPort = 2525;
    packImage(*doc);
    std::memset(doc->config, 0x33, sizeof doc->config);
    doc->dialRegistersOnly = 1;
    doc->uploadCode = 1;
    return doc;
}

std::vector<uint32_t> itemIds(const Bytes& list) {
    std::vector<uint32_t> ids;
    ByteReader r(list.data(), list.size());
    while (r.remaining() >= itemHeaderSize) {
        ids.push_back(r.le32());
        uint32_t length = r.le32();
        if (length != lengthNotPresent) r.bytes(length);
    }
    EXPECT_TRUE(r.ok() && r.remaining() == 0) << "the list ends inside an item";
    return ids;
}

// ---------------------------------------------------------------- frames

TEST(Frames, ControlMessagesAreAHeaderWriteThenACommandItemWrite) {
    struct Case {
        const char* name;
        int (*run)(Bench&);
        uint8_t command;
    } cases[] = {
        {"status query",
         [](Bench& b) {
             uint8_t status = 0xEE;
             int ok = queryStatus(b.link, status);
             EXPECT_EQ(status, 0);
             return ok;
         },
         1},
        {"open session", [](Bench& b) { return openSession(b.link, b.window()); }, 2},
        {"close session",
         [](Bench& b) {
             b.link.lastPollOk = 1;
             return closeSession(b.link, b.window());
         },
         3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Bench b;
        EXPECT_EQ(c.run(b), 1);
        ASSERT_EQ(b.writes().size(), 2u);
        EXPECT_EQ(b.writes()[0], (Bytes{0x02, 0x03, 0, 0, 0x08, 0, 0, 0}));
        EXPECT_EQ(b.writes()[1], (Bytes{c.command, 0, 0, 0, 0, 0, 0, 0}));
        EXPECT_EQ(b.sim.openHandles(), 0) << "every transaction closes the device";
        EXPECT_TRUE(b.said.messages.empty());
    }
}

TEST(Frames, SessionCommandsOpenAndCloseTheMachinesSession) {
    Bench b;
    ASSERT_EQ(openSession(b.link, b.window()), 1);
    EXPECT_TRUE(b.sim.sessionOpen());
    b.link.lastPollOk = 1;
    ASSERT_EQ(closeSession(b.link, b.window()), 1);
    EXPECT_FALSE(b.sim.sessionOpen());
}

TEST(Frames, DownloadReadsTheConfigurationRecordThenAll91Items) {
    Bench b;
    auto doc = makeDocument();
    ASSERT_EQ(fetchDocument(b.link, *doc), 1);
    ASSERT_EQ(b.writes().size(), 4u);
    EXPECT_EQ(b.writes()[0], (Bytes{0x02, 0x02, 0, 0, 0x08, 0, 0, 0}));
    EXPECT_EQ(b.writes()[1], item(configItemId, 0));
    EXPECT_EQ(b.writes()[2], (Bytes{0x02, 0x02, 0, 0, 0xD8, 0x02, 0, 0})) << "8 + 728";
    const Bytes& request = b.writes()[3];
    ASSERT_EQ(request.size(), 728u);
    EXPECT_EQ(Bytes(request.begin(), request.begin() + 8), item(0x12050, 0));
    EXPECT_EQ(Bytes(request.end() - 8, request.end()), item(0x20600, 0));
    Bytes expected(requestListSize);
    buildRequestList(expected.data());
    EXPECT_EQ(request, expected);
}

TEST(Frames, UploadIsTheItemListThenTheTrailerWithTheCodeClearedOnce) {
    struct Case {
        uint8_t registersOnly;
        size_t itemCount;
        uint32_t lastImageItem;
    } cases[] = {{1, 50, lastDialBlockId}, {0, 91, endBlockId}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.registersOnly ? "register-only document" : "full document");
        Bench b;
        auto doc = makeDocument();
        DestinationEntry e = emailEntry("Key seven", "seven@example.com");
        encodeDestination(english, doc->registers, 6, e);
        packImage(*doc);
        doc->dialRegistersOnly = c.registersOnly;
        doc->uploadCode = 1;

        ASSERT_EQ(uploadImage(b.link, *doc), 1);
        ASSERT_EQ(b.writes().size(), 2u);
        const Bytes& body = b.writes()[1];
        ASSERT_EQ(b.writes()[0].size(), 8u);
        EXPECT_EQ(readLe32(b.writes()[0].data()), messageWrite);
        EXPECT_EQ(readLe32(b.writes()[0].data() + 4), body.size());
        std::vector<uint32_t> ids = itemIds(body);
        ASSERT_EQ(ids.size(), c.itemCount + 1);
        EXPECT_EQ(ids[c.itemCount - 1], c.lastImageItem);
        EXPECT_EQ(Bytes(body.end() - 10, body.end()),
                  (Bytes{0x01, 0x10, 0x02, 0, 0x02, 0, 0, 0, 1, 1}));
        EXPECT_EQ(doc->uploadCode, 0);
        EXPECT_EQ(b.sim.lastUploadCode(), 1);
        EXPECT_EQ(b.sim.openHandles(), 2) << "an upload leaves the device to the next poll";

        ASSERT_EQ(uploadImage(b.link, *doc), 1);
        EXPECT_EQ(b.writes().back().back(), 0) << "the code goes out once";
    }
}

// ---------------------------------------------------------------- discovery

TEST(Discovery, TheMachineBehindSevenForeignDevicesIsFoundAtIndexSeven) {
    Bench b;
    b.sim.plugMachine(7);
    for (int i = 0; i < 7; ++i)
        b.sim.plugDevice(i, static_cast<uint16_t>(0x1000 + i));
    b.sim.clearTrace();

    ASSERT_EQ(openDevice(b.link), 0);
    std::vector<BusEvent> expected;
    for (int i = 0; i < 7; ++i) {
        expected.push_back({BusEvent::Open, i, 0, 0});
        expected.push_back({BusEvent::Descriptor, i, 0, 0});
        expected.push_back({BusEvent::Close, i, 0, 0});
    }
    expected.push_back({BusEvent::Open, 7, 0, 0});
    expected.push_back({BusEvent::Descriptor, 7, 0, 0});
    expected.push_back({BusEvent::Open, 7, 1, 0});
    const std::vector<BusEvent>& seen = b.sim.events();
    ASSERT_EQ(seen.size(), expected.size());
    for (size_t i = 0; i < seen.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(seen[i].kind, expected[i].kind);
        EXPECT_EQ(seen[i].device, expected[i].device);
        EXPECT_EQ(seen[i].pipe, expected[i].pipe);
    }
    EXPECT_EQ(b.sim.openHandles(), 2);
}

TEST(Discovery, DevicesThatDoNotAnswerOrAreNotTheMachineAreSkipped) {
    struct Case {
        const char* name;
        uint16_t productId;
        bool answers;
    } cases[] = {
        {"the machine's ID but no descriptor", machineProductId, false},
        {"a foreign ID", 0x4C1B, true},
        {"product ID 0, which only unused list entries hold", 0x0000, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Bench b;
        b.sim.plugMachine(3);
        b.sim.plugDevice(1, c.productId, c.answers);
        ASSERT_EQ(openDevice(b.link), 0);
        uint8_t status = 0xEE;
        EXPECT_EQ(queryStatus(b.link, status), 1) << "the link talks to index 3";
        EXPECT_EQ(status, 0);
    }
}

TEST(Discovery, AMachineAtIndexFifteenIsNeverFound) {
    Bench b;
    b.sim.plugMachine(15);
    b.sim.clearTrace();
    EXPECT_EQ(openDevice(b.link), -1);
    EXPECT_EQ(b.link.requestPipe, invalidPipe);
    EXPECT_EQ(b.link.replyPipe, invalidPipe);
    ASSERT_EQ(b.sim.events().size(), 15u) << "indices 0 to 14, pipe 0 each";
    for (int i = 0; i < 15; ++i) {
        EXPECT_EQ(b.sim.events()[i].kind, BusEvent::OpenRefused);
        EXPECT_EQ(b.sim.events()[i].device, i);
    }
}

TEST(Discovery, AnOpenLinkIsNotCheckedAgainEvenWhenTheMachineIsGone) {
    Bench b;
    ASSERT_EQ(openDevice(b.link), 0);
    const PipeHandle request = b.link.requestPipe;
    b.sim.unplug(0);
    b.sim.clearTrace();
    EXPECT_EQ(openDevice(b.link), 0);
    EXPECT_TRUE(b.sim.events().empty());
    EXPECT_EQ(b.link.requestPipe, request);
    EXPECT_EQ(closeDevice(b.link), 1);
    EXPECT_EQ(closeDevice(b.link), 1) << "closing twice is harmless";
}

TEST(Discovery, ProductIdListTakesHexTokensSeparatedBySpaces) {
    struct Case {
        const char* text;
        std::vector<uint32_t> leading;
    } cases[] = {
        {"4C1A", {0x4C1A}},
        {"4c1a 1234", {0x4C1A, 0x1234}},
        {"4C1A  0FFF", {0x4C1A, 0x0FFF}},
        {"123456789AB", {0x23456789}}, // first 9 characters, kept to 32 bits
        {"4C1Ax 12", {0x4C1A, 0x12}},
        {"", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        uint32_t list[productIdCount];
        std::memset(list, 0xFF, sizeof list);
        fillProductIdList(list, c.text);
        for (size_t i = 0; i < productIdCount; ++i)
            EXPECT_EQ(list[i], i < c.leading.size() ? c.leading[i] : 0u) << "entry " << i;
    }
    std::string many;
    for (int i = 1; i <= 60; ++i)
        many += std::to_string(i) + " ";
    uint32_t list[productIdCount];
    fillProductIdList(list, many.c_str());
    EXPECT_EQ(list[49], 0x50u) << "the 50th token is the last one taken";
}

// ---------------------------------------------------------------- busy check

TEST(MachineFree, ReplyBytesZeroZeroOrEightInByteOneMeanFree) {
    struct Case {
        const char* name;
        uint8_t byte0, byte1;
        bool silent;
        int result;
    } cases[] = {
        {"(0, 0)", 0, 0, false, 1}, {"(5, 8)", 5, 8, false, 1},   {"(0, 1)", 0, 1, false, 0},
        {"(1, 0)", 1, 0, false, 0}, {"no answer", 0, 0, true, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Bench b;
        b.sim.setBusyReply(c.byte0, c.byte1);
        b.sim.setControlSilent(c.silent);
        EXPECT_EQ(queryMachineFree(b.link), c.result);
        EXPECT_EQ(b.sim.openHandles(), c.result ? 2 : 0) << "free leaves the device open";
        EXPECT_EQ(b.link.replyPipe != invalidPipe, c.result == 1);
    }
}

TEST(MachineFree, WithNoMachineTheCheckPassesAndTheStatusQueryFails) {
    Bench b;
    b.sim.unplug(0);
    EXPECT_EQ(queryMachineFree(b.link), 1);
    uint8_t status = 0xEE;
    EXPECT_EQ(queryStatus(b.link, status), 0);
    EXPECT_EQ(status, 0xEE);
}

// ---------------------------------------------------------------- sessions

TEST(Sessions, FailuresTellTheUserAndRewriteTheStatusBar) {
    struct Case {
        const char* name;
        bool machine;
        uint32_t lastPollOk;
        int (*run)(MachineLink&, void*);
    } cases[] = {
        {"close after a failed poll", true, 0, closeSession},
        {"close with no machine", false, 1, closeSession},
        {"open with no machine", false, 1, openSession},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Bench b;
        if (!c.machine) b.sim.unplug(0);
        b.link.lastPollOk = c.lastPollOk;
        b.sim.clearTrace();
        EXPECT_EQ(c.run(b.link, b.window()), 0);
        EXPECT_TRUE(b.writes().empty()) << "nothing is sent";
        EXPECT_EQ(b.said.messages, std::vector<unsigned>{textDisconnected.id});
        ASSERT_EQ(b.said.statusTexts.size(), 1u);
        EXPECT_EQ(b.said.statusTexts[0], std::make_pair(1, textProgramName.id));
        EXPECT_EQ(b.sim.openHandles(), 0);
    }
}

TEST(Sessions, StatusBytesReachTheCallerAtTheChosenQuery) {
    for (uint8_t value :
         {uint8_t{0}, uint8_t{1}, uint8_t{2}, uint8_t{3}, uint8_t{4}, uint8_t{0x7F}}) {
        SCOPED_TRACE(int(value));
        Bench b;
        b.sim.inject(SimFault::Status, SimRequest::Status, 2, value);
        uint8_t seen[3] = {0xEE, 0xEE, 0xEE};
        for (uint8_t& s : seen)
            ASSERT_EQ(queryStatus(b.link, s), 1);
        EXPECT_EQ(seen[0], 0);
        EXPECT_EQ(seen[1], 0);
        EXPECT_EQ(seen[2], value);
    }
}

TEST(Sessions, StatusMessagesFollowTheStatusByte) {
    EXPECT_EQ(statusMessage(0), nullptr);
    EXPECT_EQ(statusMessage(1)->id, 3449u);
    EXPECT_EQ(statusMessage(2)->id, 3450u);
    EXPECT_EQ(statusMessage(3)->id, 3480u);
    EXPECT_EQ(statusMessage(4)->id, 3404u);
    EXPECT_EQ(statusMessage(5), nullptr) << "undocumented values count as ready";
}

// ---------------------------------------------------------------- faults

int runTransaction(SimRequest transaction, Bench& b, Document& doc) {
    uint8_t status = 0;
    switch (transaction) {
    case SimRequest::Status:
        return queryStatus(b.link, status);
    case SimRequest::OpenSession:
        return openSession(b.link, b.window());
    case SimRequest::CloseSession:
        b.link.lastPollOk = 1;
        return closeSession(b.link, b.window());
    case SimRequest::Config:
    case SimRequest::Download:
        return fetchDocument(b.link, doc);
    case SimRequest::Upload:
        return uploadImage(b.link, doc);
    case SimRequest::Any:
        break;
    }
    return -99;
}

const char* transactionName(SimRequest t) {
    switch (t) {
    case SimRequest::Status:
        return "status query";
    case SimRequest::OpenSession:
        return "open session";
    case SimRequest::CloseSession:
        return "close session";
    case SimRequest::Config:
        return "configuration read";
    case SimRequest::Download:
        return "download";
    case SimRequest::Upload:
        return "upload";
    case SimRequest::Any:
        break;
    }
    return "?";
}

const char* faultName(SimFault f) {
    switch (f) {
    case SimFault::Status:
        return "status";
    case SimFault::NoHeaderWrite:
        return "header write transfers nothing";
    case SimFault::NoBodyWrite:
        return "body write transfers nothing";
    case SimFault::ShortHeader:
        return "truncated reply header";
    case SimFault::ShortBody:
        return "truncated reply body";
    case SimFault::OversizedBody:
        return "reply body larger than the buffer";
    case SimFault::Garbage:
        return "garbage reply";
    case SimFault::UnknownItem:
        return "unknown item in the reply";
    case SimFault::LongItem:
        return "item longer than its destination";
    case SimFault::Vanish:
        return "device gone after the request";
    case SimFault::VanishMidway:
        return "device gone in the middle";
    }
    return "?";
}

// Each fault in each transaction it can strike, and what the transaction
// returns: 1 success, 0 failure; a Download that loses its configuration
// record returns -1.
struct FaultRow {
    SimRequest transaction;
    SimFault fault;
    int result;
};

std::vector<FaultRow> faultMatrix() {
    using F = SimFault;
    using R = SimRequest;
    std::vector<FaultRow> rows;
    const R all[] = {R::Status, R::OpenSession, R::CloseSession, R::Config, R::Download, R::Upload};
    for (R t : all) {
        const int failed = t == R::Config ? -1 : 0;
        rows.push_back({t, F::NoHeaderWrite, failed});
        rows.push_back({t, F::NoBodyWrite, failed});
        rows.push_back({t, F::VanishMidway, failed});
        // Gone once answered: only a Download, which needs a second request, notices.
        rows.push_back({t, F::Vanish, t == R::Config ? 0 : 1});
    }
    const R replying[] = {R::Status, R::Config, R::Download};
    for (R t : replying) {
        const int failed = t == R::Config ? -1 : 0;
        for (F f : {F::ShortHeader, F::ShortBody, F::OversizedBody, F::Garbage})
            rows.push_back({t, f, failed});
        // A status item longer than one byte still leads with the status byte;
        // a configuration record or a block longer than its place is refused.
        rows.push_back({t, F::LongItem, t == R::Status ? 1 : failed});
        // An image merge skips an item it does not know; the single-item
        // replies are the answer to the one question asked, whatever their
        // identifier.
        rows.push_back({t, F::UnknownItem, 1});
    }
    return rows;
}

TEST(Faults, EveryFaultInEveryTransactionFailsCleanlyAndLeavesTheDocumentAlone) {
    for (const FaultRow& row : faultMatrix()) {
        SCOPED_TRACE(std::string(transactionName(row.transaction)) + ": " + faultName(row.fault));
        Bench b;
        auto doc = openDocument();
        const std::unique_ptr<Document> before(new Document);
        std::memcpy(before.get(), doc.get(), sizeof(Document));
        b.sim.inject(row.fault, row.transaction);

        const int result = runTransaction(row.transaction, b, *doc);
        EXPECT_EQ(result, row.result);
        if (result == 1) continue;
        EXPECT_EQ(std::memcmp(doc.get(), before.get(), sizeof(Document)), 0)
            << "the open document changed";
        EXPECT_EQ(b.sim.openHandles(), 0) << "a failed transaction closes the device";
        EXPECT_EQ(b.link.replyPipe, invalidPipe);
        const bool session = row.transaction == SimRequest::OpenSession ||
                             row.transaction == SimRequest::CloseSession;
        EXPECT_EQ(b.said.messages.size(), session ? 1u : 0u);
    }
}

TEST(Faults, ADownloadThatSucceedsReplacesTheWholeDocument) {
    Bench b;
    auto doc = openDocument();
    ASSERT_EQ(fetchDocument(b.link, *doc), 1);
    EXPECT_EQ(std::memcmp(&doc->image, &b.sim.memory().image, sizeof doc->image), 0);
    EXPECT_EQ(std::memcmp(doc->config, b.sim.memory().config, configRecordSize), 0);
    EXPECT_EQ(doc->dialRegistersOnly, 0);
    EXPECT_EQ(doc->settings.image.adminNumber, b.sim.memory().settings.image.adminNumber);
    EXPECT_FALSE(isRegistered(doc->registers, 8)) << "the old key 009 is gone";
    EXPECT_EQ(b.link.linkOpen, 0u) << "the shell sets it back after the transfer";
}

// Replies the test writes byte by byte, for the limits the simulated machine
// never comes near. One device, the machine, at index 0.
class ScriptedMachine : public Transport {
  public:
    Bytes reply;
    size_t at = 0;

    PipeHandle openPipe(const char* path) override {
        return std::strncmp(path, "\\\\.\\Usbscan0\\", 13) == 0 ? 1 + (path[13] - '0')
                                                                : invalidPipe;
    }
    void closePipe(PipeHandle) override {}
    int getDeviceDescriptor(PipeHandle, DeviceDescriptor& out) override {
        out = DeviceDescriptor{0, machineProductId, 0, 0};
        return 1;
    }
    size_t writePipe(PipeHandle, const uint8_t*, size_t size) override { return size; }
    size_t readPipe(PipeHandle, uint8_t* buffer, size_t size) override {
        size_t n = std::min(size, reply.size() - at);
        std::memcpy(buffer, reply.data() + at, n);
        at += n;
        return n;
    }
    size_t controlIn(PipeHandle, const ControlRequest&, uint8_t*, size_t) override { return 0; }
};

Bytes message(uint32_t code, const Bytes& body) {
    return concat({item(code, static_cast<uint32_t>(body.size())), body});
}

// A reply body of exactly `size` bytes: a filler item, then `tail`.
Bytes padded(size_t size, const Bytes& tail) {
    Bytes filler(size - tail.size() - itemHeaderSize, 0);
    return concat({item(0x30000, static_cast<uint32_t>(filler.size()), filler), tail});
}

TEST(Limits, StatusReplyTakesTheFirstByteOfAnItemOfOneByteOrMoreWithinTheBuffer) {
    struct Case {
        const char* name;
        Bytes body;
        int result;
    } cases[] = {
        {"one byte", item(1, 1, {3}), 1},
        {"no byte", item(1, 0), 0},
        {"two bytes", item(1, 2, {3, 0}), 1},
        {"sixteen bytes", item(1, 16, concat({{3}, Bytes(15, 0xFF)})), 1},
        {"another identifier", item(0x40000, 4, {3, 1, 2, 4}), 1},
        {"length past the body", item(1, 4, {3, 0}), 0},
        {"an empty body", {}, 0},
        {"a body of exactly the buffer", concat({item(1, 1, {3}), Bytes(controlBufferSize - 9)}),
         1},
        {"one byte over the buffer", concat({item(1, 1, {3}), Bytes(controlBufferSize - 8)}), 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedMachine machine;
        machine.reply = message(messageControl, c.body);
        MachineLink link;
        initLink(link, &machine);
        fillProductIdList(link.productIdList, productIdString);
        uint8_t status = 0xEE;
        EXPECT_EQ(queryStatus(link, status), c.result);
        EXPECT_EQ(status, c.result ? 3 : 0xEE);
    }
}

TEST(Limits, ConfigurationRecordIsTakenUpToItsOwnLengthAndNoFurther) {
    Bytes full(configRecordSize);
    for (size_t i = 0; i < full.size(); ++i)
        full[i] = static_cast<uint8_t>(i + 1);
    struct Case {
        const char* name;
        Bytes body;
        int result;
        size_t taken;
    } cases[] = {
        {"102 bytes", item(configItemId, 102, full), 1, 102},
        {"a shorter record", item(configItemId, 40, Bytes(full.begin(), full.begin() + 40)), 1, 40},
        {"103 bytes", item(configItemId, 103, concat({full, {0}})), 0, 0},
        {"another identifier", item(0x21003, 102, full), 1, 102},
        {"another identifier, shorter", item(0x12050, 10, Bytes(full.begin(), full.begin() + 10)),
         1, 10},
        {"length past the body", item(configItemId, 102, Bytes(full.begin(), full.begin() + 50)), 0,
         0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedMachine machine;
        machine.reply = message(messageRead, c.body);
        MachineLink link;
        initLink(link, &machine);
        fillProductIdList(link.productIdList, productIdString);
        uint8_t record[configRecordSize];
        std::memset(record, 0xEE, sizeof record);
        EXPECT_EQ(readConfigRecord(link, record), c.result);
        if (!c.result) continue;
        EXPECT_EQ(Bytes(record, record + c.taken), Bytes(full.begin(), full.begin() + c.taken));
        EXPECT_EQ(Bytes(record + c.taken, record + configRecordSize),
                  Bytes(configRecordSize - c.taken, 0));
    }
}

TEST(Limits, DownloadReplyMayFillTheBufferExactlyButNotOneByteMore) {
    Bytes list;
    for (int k = 0; k < blockCount; ++k) {
        uint32_t id = k < dialBlockCount ? firstDialBlockId + static_cast<uint32_t>(k)
                                         : settingBlocks[k - dialBlockCount].id;
        list = concat({list, item(id, 0)});
    }
    struct Case {
        const char* name;
        Bytes body;
        int result;
    } cases[] = {
        {"the whole buffer", padded(transferBufferSize, list), 1},
        {"one byte more", padded(transferBufferSize + 1, list), 0},
        {"bytes after the closing item", concat({list, {0, 0, 0, 0}}), 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedMachine machine;
        machine.reply = message(messageRead, c.body);
        MachineLink link;
        initLink(link, &machine);
        fillProductIdList(link.productIdList, productIdString);
        auto image = std::make_unique<MachineImage>();
        std::memset(image.get(), 0x5A, sizeof(MachineImage));
        EXPECT_EQ(downloadImage(link, *image), c.result);
        EXPECT_EQ(image->blocks[0].blockId, c.result ? firstDialBlockId : 0x5A5A5A5Au);
    }
}

// ---------------------------------------------------------------- round trip

TEST(RoundTrip, DownloadEditUploadDownloadKeepsTheEditAndEverythingElse) {
    Bench b;
    auto doc = makeDocument();
    ASSERT_EQ(fetchDocument(b.link, *doc), 1);
    normaliseDestinations(english, doc->registers);

    DestinationEntry e;
    decodeDestination(english, doc->registers, e, 2); // key 003
    ASSERT_STREQ(e.name, "Front desk");
    std::strcpy(e.address, "desk@example.org");
    ASSERT_EQ(encodeDestination(english, doc->registers, 2, e), 1);
    DestinationEntry added = emailEntry("Night shift", "night@example.com");
    ASSERT_EQ(encodeDestination(english, doc->registers, 19, added), 1); // key 020
    packImage(*doc);
    ASSERT_EQ(uploadImage(b.link, *doc), 1);

    auto again = makeDocument();
    ASSERT_EQ(fetchDocument(b.link, *again), 1);
    normaliseDestinations(english, again->registers);
    EXPECT_EQ(std::memcmp(&again->registers, &doc->registers, sizeof doc->registers), 0);
    EXPECT_EQ(std::memcmp(&again->settings.image, &doc->settings.image, sizeof(ImageSettings)), 0);
    decodeDestination(english, again->registers, e, 2);
    EXPECT_STREQ(e.address, "desk@example.org");
    decodeDestination(english, again->registers, e, 19);
    EXPECT_STREQ(e.name, "Night shift");
}

TEST(RoundTrip, AnUploadSurvivesARestartOfTheSimulatedCopier) {
    ScratchDir dir;
    const std::string memory = dir.file("copier.DAT");
    {
        Bench b(memory.c_str());
        ASSERT_TRUE(b.sim.ready()) << b.sim.problem();
        auto doc = makeDocument();
        ASSERT_EQ(fetchDocument(b.link, *doc), 1);
        doc->settings.image.adminNumber = 13579;
        packImage(*doc);
        ASSERT_EQ(uploadImage(b.link, *doc), 1);
    }
    Bench restarted(memory.c_str());
    ASSERT_TRUE(restarted.sim.ready()) << restarted.sim.problem();
    auto doc = makeDocument();
    ASSERT_EQ(fetchDocument(restarted.link, *doc), 1);
    EXPECT_EQ(doc->settings.image.adminNumber, 13579u);
}

} // namespace
