// The simulated copier itself: a plausible sample machine, its memory file,
// what it does with writes it cannot take, and its knobs as text.
#include "link_fixtures.h"

#include "bytes.h"
#include "destination.h"
#include "settingsfile.h"
#include "textrules.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace {

const TextRules english{"ENGLISH", nullptr};

Bytes fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// ---------------------------------------------------------------- sample machine

TEST(SampleMachine, RegisteredKeysAreValidRecordsThatDecodingLeavesAsTheyAre) {
    auto doc = makeDocument();
    buildSampleMachine(*doc);
    unpackImage(*doc);
    RegisterArrays before = doc->registers;
    int registered = 0;
    DestinationEntry e;
    for (int k = 0; k < dialBlockCount; ++k) {
        if (!isRegistered(doc->registers, k)) continue;
        SCOPED_TRACE(k + 1);
        ++registered;
        decodeDestination(english, doc->registers, e, k);
        EXPECT_EQ(std::memcmp(destinationRecord(doc->registers, k), destinationRecord(before, k),
                              destinationRecordSize(k)),
                  0);
        EXPECT_TRUE(isValidEmail(e.address) || isLongKey(k)) << e.address;
        for (const auto& address : e.notifyAddress)
            EXPECT_TRUE(address[0] == '\0' || isValidEmail(address)) << address;
    }
    EXPECT_GE(registered, 8);
}

TEST(SampleMachine, HasAnFtpAndAnSmbKeyWithNotificationAndAPrivateLogin) {
    auto doc = makeDocument();
    buildSampleMachine(*doc);
    unpackImage(*doc);
    bool seen[4] = {};
    DestinationEntry e;
    for (int k = shortKeyCount; k < dialBlockCount; ++k) {
        decodeDestination(english, doc->registers, e, k);
        if (e.type != typeFtp && e.type != typeSmb) continue;
        if (e.notify && e.notifyAddress[0][0] && e.accountMode == 0 && e.userName[0] &&
            e.password[0])
            seen[e.type] = true;
    }
    EXPECT_TRUE(seen[typeFtp]);
    EXPECT_TRUE(seen[typeSmb]);
}

TEST(SampleMachine, SettingsLieInTheRangesTheSettingsPagesAccept) {
    auto doc = makeDocument();
    buildSampleMachine(*doc);
    unpackImage(*doc);
    const ImageSettings& s = doc->settings.image;
    struct Range {
        const char* name;
        uint32_t value, low, high;
    } ranges[] = {
        {"ntpPort", s.ntpPort, 1, 65535},
        {"networkPort", s.networkPort, 1, 65535},
        {"smtpPort", s.smtpPort, 1, 65535},
        {"smtpTimeout", s.smtpTimeout, 30, 300},
        {"popBeforeSmtpWait", s.popBeforeSmtpWait, 0, 60},
        {"pop3Port", s.pop3Port, 1, 65535},
        {"pop3Timeout", s.pop3Timeout, 30, 300},
        {"daylightMinutes", s.daylightMinutes, 1, 150},
        {"ftpProxyPort", s.ftpProxyPort, 1, 65535},
        {"ftpTimeout", s.ftpTimeout, 5, 300},
        {"adminNumber", s.adminNumber, 0, 999999},
        {"webLanguage", s.webLanguage, 0, 10},
        {"smbAuthentication", s.smbAuthentication, 0, 2},
    };
    for (const Range& r : ranges) {
        EXPECT_GE(r.value, r.low) << r.name;
        EXPECT_LE(r.value, r.high) << r.name;
    }
    EXPECT_TRUE(s.timeZone <= 24 || (s.timeZone >= 33 && s.timeZone <= 56));
    EXPECT_TRUE(s.textInsert == 0 || s.textInsert == 8);
    EXPECT_TRUE(s.daylightSaving == 0 || s.daylightSaving == 128);
    EXPECT_TRUE(isValidEmail(reinterpret_cast<const char*>(s.emailAddress)));

    // Text settings travel with their text length.
    for (int k = 0; k < settingBlockCount; ++k) {
        const SettingBlock& b = settingBlocks[k];
        const ImageBlock& block = doc->image.blocks[dialBlockCount + k];
        SCOPED_TRACE(b.name);
        if (b.kind == ValueKind::Bytes && b.width > 4)
            EXPECT_EQ(block.blockLength,
                      strnlen(reinterpret_cast<const char*>(block.data), b.width));
        else
            EXPECT_EQ(block.blockLength, b.width);
    }
}

TEST(SampleMachine, ConfigurationRecordDescribesAnEquippedMachine) {
    auto doc = makeDocument();
    buildSampleMachine(*doc);
    const uint8_t* c = doc->config;
    EXPECT_EQ(c[6], 1);
    EXPECT_EQ(c[7], 1);
    EXPECT_NE(c[0], 0) << "document feeder";
    EXPECT_GE(c[2], 2);
    EXPECT_LE(c[2], 5);
    EXPECT_GT(readLe16(c + 9), 0) << "memory";
    for (int i = 87; i < 100; ++i)
        EXPECT_TRUE(c[i] >= 0x20 && c[i] < 0x7F) << "serial number byte " << i;
}

// ---------------------------------------------------------------- memory file

TEST(MemoryFile, IsCreatedWithTheSampleMachineOnFirstUse) {
    ScratchDir dir;
    const std::string path = dir.file("copier.DAT");
    SimulatedCopier sim(path.c_str());
    ASSERT_TRUE(sim.ready()) << sim.problem();
    auto loaded = makeDocument();
    ASSERT_EQ(openSettingsFile(*loaded, path.c_str(), simulatorMemorySignature), FileStatus::Ok);
    EXPECT_EQ(loaded->dialRegistersOnly, 0);
    auto sample = makeDocument();
    buildSampleMachine(*sample);
    EXPECT_EQ(std::memcmp(&loaded->image, &sample->image, sizeof(MachineImage)), 0);
    EXPECT_EQ(std::memcmp(loaded->config, sample->config, configRecordSize), 0);
}

TEST(MemoryFile, AFileThatIsNoSettingsFileIsLeftAloneAndReported) {
    ScratchDir dir;
    const std::string path = dir.file("notes.txt");
    { std::ofstream(path) << "not a copier"; }
    SimulatedCopier sim(path.c_str());
    EXPECT_FALSE(sim.ready());
    EXPECT_NE(sim.problem().find(path), std::string::npos) << sim.problem();
    EXPECT_EQ(fileBytes(path), (Bytes{'n', 'o', 't', ' ', 'a', ' ', 'c', 'o', 'p', 'i', 'e', 'r'}));
}

TEST(MemoryFile, ARegisterOnlyUploadReplacesTheKeysAndKeepsTheSettings) {
    ScratchDir dir;
    const std::string path = dir.file("copier.DAT");
    Bench b(path.c_str());
    const ImageBlock settingsBefore = b.sim.memory().image.blocks[blockCount - 1];

    auto doc = makeDocument();
    std::vector<uint8_t> tmpl = makeDefaultTemplate();
    ASSERT_EQ(newDocument(*doc, tmpl.data(), tmpl.size(), simulatorMemorySignature),
              FileStatus::Ok);
    DestinationEntry e;
    std::memset(&e, 0, sizeof e);
    std::strcpy(e.address, "only@example.com");
    ASSERT_EQ(encodeDestination(english, doc->registers, 6, e), 1);
    packImage(*doc);
    ASSERT_EQ(uploadImage(b.link, *doc), 1);

    auto stored = makeDocument();
    ASSERT_EQ(openSettingsFile(*stored, path.c_str(), simulatorMemorySignature), FileStatus::Ok);
    EXPECT_EQ(stored->dialRegistersOnly, 0) << "the machine always keeps a full image";
    unpackImage(*stored);
    for (int k = 0; k < dialBlockCount; ++k)
        EXPECT_EQ(isRegistered(stored->registers, k), k == 6) << "key " << k + 1;
    const ImageBlock& settingsAfter = stored->image.blocks[blockCount - 1];
    EXPECT_EQ(std::memcmp(&settingsAfter, &settingsBefore, sizeof(ImageBlock)), 0);
}

// ---------------------------------------------------------------- bad writes

TEST(BadWrites, TheMachineKeepsItsMemoryAndReportsAReadWriteError) {
    Bytes registers;
    for (int k = 0; k < 10; ++k)
        registers = concat({registers, item(firstDialBlockId + static_cast<uint32_t>(k), 0)});
    Bytes allRegisters = registers;
    for (int k = 10; k < dialBlockCount; ++k)
        allRegisters = concat({allRegisters, item(firstDialBlockId + static_cast<uint32_t>(k), 0)});
    const Bytes trailer = item(uploadTrailerId, 2, {1, 0});
    struct Case {
        const char* name;
        Bytes body;
    } cases[] = {
        {"no trailer", allRegisters},
        {"trailer before the end", concat({allRegisters, trailer, item(0x12050, 0)})},
        {"list breaks off inside an item", concat({item(0x12050, 116, Bytes(10, 0x41)), trailer})},
        {"list ends before block 49", concat({registers, trailer})},
        {"item longer than its block", concat({item(0x12050, 1281, Bytes(1281, 0x41)), trailer})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Bench b;
        const std::unique_ptr<MachineImage> before(new MachineImage(b.sim.memory().image));
        ASSERT_EQ(openDevice(b.link), 0);
        const Bytes header = item(messageWrite, static_cast<uint32_t>(c.body.size()));
        ASSERT_EQ(b.sim.writePipe(b.link.requestPipe, header.data(), header.size()), 8u);
        ASSERT_EQ(b.sim.writePipe(b.link.requestPipe, c.body.data(), c.body.size()), c.body.size());
        closeDevice(b.link);

        EXPECT_EQ(std::memcmp(&b.sim.memory().image, before.get(), sizeof(MachineImage)), 0);
        EXPECT_EQ(b.sim.uploadsTaken(), 0);
        uint8_t status = 0xEE;
        ASSERT_EQ(queryStatus(b.link, status), 1);
        EXPECT_EQ(status, statusDataError);
        ASSERT_EQ(queryStatus(b.link, status), 1);
        EXPECT_EQ(status, statusFree) << "reported once";
    }
}

// ---------------------------------------------------------------- knobs

TEST(Knobs, EachSettingChangesWhatTheLinkSees) {
    struct Case {
        const char* text;
        void (*check)(Bench&);
    } cases[] = {
        {"busy", [](Bench& b) { EXPECT_EQ(queryMachineFree(b.link), 0); }},
        {"silent", [](Bench& b) { EXPECT_EQ(queryMachineFree(b.link), 0); }},
        {"status=3",
         [](Bench& b) {
             uint8_t status = 0;
             ASSERT_EQ(queryStatus(b.link, status), 1);
             EXPECT_EQ(status, 3);
         }},
        {"index=7",
         [](Bench& b) {
             b.sim.clearTrace();
             ASSERT_EQ(openDevice(b.link), 0);
             EXPECT_EQ(b.sim.events().back().device, 7);
         }},
        {"index=20", [](Bench& b) { EXPECT_EQ(openDevice(b.link), -1); }},
        {"status=2@status#1",
         [](Bench& b) {
             uint8_t first = 0xEE, second = 0xEE;
             ASSERT_EQ(queryStatus(b.link, first), 1);
             ASSERT_EQ(queryStatus(b.link, second), 1);
             EXPECT_EQ(first, 0);
             EXPECT_EQ(second, 2);
         }},
        {"short-body@download#1, vanish@upload",
         [](Bench& b) {
             auto doc = makeDocument();
             EXPECT_EQ(fetchDocument(b.link, *doc), 1);
             EXPECT_EQ(fetchDocument(b.link, *doc), 0);
             EXPECT_EQ(uploadImage(b.link, *doc), 1);
             closeDevice(b.link);
             EXPECT_EQ(openDevice(b.link), -1);
         }},
        {"no-header-write@any", [](Bench& b) { EXPECT_EQ(openSession(b.link, b.window()), 0); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        Bench b;
        std::string error;
        ASSERT_TRUE(b.sim.configure(c.text, error)) << error;
        c.check(b);
    }
}

TEST(Knobs, UnknownSettingsAreRefusedWithTheirName) {
    for (const char* text : {"bogus", "status=256", "status=", "index=32", "short-body@nowhere",
                             "explode@status", "short-body@download#x", "garbage@"}) {
        SCOPED_TRACE(text);
        SimulatedCopier sim;
        std::string error;
        EXPECT_FALSE(sim.configure(text, error));
        EXPECT_FALSE(error.empty());
    }
}

} // namespace
