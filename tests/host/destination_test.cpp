#include "fixtures.h"

#include <gtest/gtest.h>

namespace {

Rules english("ENGLISH", 1252);

struct Registers {
    std::unique_ptr<RegisterArrays> arrays = std::make_unique<RegisterArrays>();
    Registers() { std::memset(arrays.get(), 0, sizeof *arrays); }
    uint8_t* record(int keyIndex) { return destinationRecord(*arrays, keyIndex); }
    Bytes copy(int keyIndex) {
        const uint8_t* r = record(keyIndex);
        return Bytes(r, r + destinationRecordSize(keyIndex));
    }
};

void putText(uint8_t* r, size_t at, size_t lengthAt, const std::string& text) {
    std::memcpy(r + at, text.data(), text.size());
    r[lengthAt] = static_cast<uint8_t>(text.size());
}

bool entryIsEmpty(const DestinationEntry& e) {
    DestinationEntry zero{};
    return std::memcmp(&e, &zero, sizeof e) == 0;
}

// A short record as the machine would hold it for key keyIndex + 1.
void writeShort(uint8_t* r, int keyIndex, uint8_t type, const std::string& address) {
    writeLe16(r + rec::keyWord, static_cast<uint16_t>(0x8000 + keyIndex + 1));
    r[rec::type] = type;
    putText(r, rec::name, rec::nameLength, "Office");
    putText(r, rec::address, rec::addressLength, address);
}

// ---------------------------------------------------------------- decode

TEST(DecodeShort, AnyStoredTypeBecomesEmail) {
    for (uint8_t stored : {uint8_t{0}, uint8_t{2}, uint8_t{3}, uint8_t{200}}) {
        SCOPED_TRACE(int(stored));
        Registers regs;
        writeShort(regs.record(11), 11, stored, "office@example.com");
        writeLe16(regs.record(11), 0x1234); // a stale key word is rewritten too
        DestinationEntry e;
        decodeDestination(english.rules, *regs.arrays, e, 11);
        EXPECT_EQ(regs.record(11)[rec::type], typeEmail);
        EXPECT_EQ(e.type, typeEmail);
        EXPECT_EQ(readLe16(regs.record(11)), 0x800C);
        EXPECT_STREQ(e.address, "office@example.com");
        EXPECT_STREQ(e.name, "Office");
    }
}

TEST(DecodeShort, EmptyAddressFreesTheKey) {
    Registers regs;
    writeShort(regs.record(3), 3, typeEmail, "");
    DestinationEntry e;
    decodeDestination(english.rules, *regs.arrays, e, 3);
    EXPECT_EQ(readLe16(regs.record(3)), 0);
    EXPECT_FALSE(isRegistered(*regs.arrays, 3));
}

TEST(Decode, ZeroByteInsideTheAddressClearsTheRecord) {
    for (int key : {5, 44}) {
        SCOPED_TRACE(key + 1);
        Registers regs;
        uint8_t* r = regs.record(key);
        writeShort(r, key, key < 40 ? typeEmail : typeFtp, "abc@example.com");
        r[rec::address + 3] = 0;
        if (key >= 40) putText(r, rec::directory, rec::directoryLength, "/kept");
        DestinationEntry e;
        decodeDestination(english.rules, *regs.arrays, e, key);
        EXPECT_TRUE(entryIsEmpty(e));
        for (size_t i = 0; i < shortRecordSize; ++i)
            ASSERT_EQ(r[i], 0) << "byte " << i;
        if (key >= 40) {
            EXPECT_EQ(r[rec::directoryLength], 5) << "only the first 116 bytes go";
        }
    }
}

TEST(Decode, OutOfRangeLengthLeavesRecordAndShowsTheKeyFree) {
    struct Case {
        const char* name;
        int key;
        size_t lengthAt;
        uint8_t length;
    } cases[] = {
        {"short name", 0, rec::nameLength, 21},
        {"short name 2", 0, rec::name2Length, 21},
        {"short address", 39, rec::addressLength, 65},
        {"long name", 40, rec::nameLength, 21},
        {"long address", 40, rec::addressLength, 65},
        {"long directory", 45, rec::directoryLength, 129},
        {"long notification No.10", 49, rec::notifyLength + 9 * rec::notifyStride, 65},
        {"long user name", 49, rec::userNameLength, 21},
        {"long password", 49, rec::passwordLength, 21},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Registers regs;
        uint8_t* r = regs.record(c.key);
        writeShort(r, c.key, c.key < 40 ? typeEmail : typeSmb, "x@example.com");
        r[c.lengthAt] = c.length;
        Bytes before = regs.copy(c.key);
        DestinationEntry e;
        std::memset(&e, 0x7F, sizeof e); // the decode must clear what it leaves
        decodeDestination(english.rules, *regs.arrays, e, c.key);
        EXPECT_TRUE(entryIsEmpty(e));
        EXPECT_EQ(regs.copy(c.key), before);
    }
}

TEST(DecodeLong, FreeKeyGetsPort21AndAnonymousWrittenBack) {
    Registers regs;
    uint8_t* r = regs.record(42);
    writeLe16(r + rec::port, 2121);
    r[rec::accountMode] = 0;
    DestinationEntry e;
    decodeDestination(english.rules, *regs.arrays, e, 42);
    EXPECT_EQ(readLe16(r + rec::port), 21);
    EXPECT_EQ(r[rec::accountMode], 1);
    EXPECT_EQ(r[rec::type], typeFtp);
    EXPECT_EQ(readLe16(r), 0);
    EXPECT_EQ(e.port, 21u);
    EXPECT_EQ(e.accountMode, 1);
    EXPECT_EQ(e.address[0], '\0');
}

TEST(DecodeLong, UseProxyIsReadForFtpOnly) {
    for (uint8_t type : {uint8_t{typeFtp}, uint8_t{typeSmb}}) {
        SCOPED_TRACE(int(type));
        Registers regs;
        uint8_t* r = regs.record(40);
        writeShort(r, 40, type, "host.example.com");
        r[rec::useProxy] = 1;
        writeLe16(r + rec::port, 60000);
        DestinationEntry e;
        decodeDestination(english.rules, *regs.arrays, e, 40);
        EXPECT_EQ(e.useProxy, type == typeFtp ? 1 : 0);
        EXPECT_EQ(e.port, 60000u);
        EXPECT_EQ(e.type, type);
    }
}

TEST(DecodeLong, HostileRecordWithUnknownTypeStaysInsideEveryField) {
    // Type 4 and up skips the length checks; every copy must still respect the
    // entry's capacities and the record's size. Key 050 is the last record.
    struct Case {
        const char* name;
        uint8_t addressLength;
        bool decoded;
    } cases[] = {
        {"every length 255", 255, false},        // the address check catches it
        {"valid address, others 255", 64, true}, // everything else must be cut
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Registers regs;
        uint8_t* r = regs.record(49);
        std::memset(r, 'x', longRecordSize);
        for (size_t at : {rec::nameLength, rec::name2Length, rec::directoryLength,
                          rec::userNameLength, rec::passwordLength})
            r[at] = 255;
        for (int i = 0; i < notificationCount; ++i)
            r[rec::notifyLength + rec::notifyStride * i] = 255;
        r[rec::type] = 4;
        r[rec::addressLength] = c.addressLength;
        DestinationEntry e;
        decodeDestination(english.rules, *regs.arrays, e, 49);
        if (!c.decoded) {
            EXPECT_TRUE(entryIsEmpty(e));
            EXPECT_EQ(r[0], 0);
            continue;
        }
        EXPECT_EQ(e.type, 4);
        EXPECT_EQ(std::string(e.address), std::string(64, 'x'));
        EXPECT_EQ(std::string(e.name), std::string(20, 'x'));
        EXPECT_EQ(std::string(e.name2), std::string(20, 'x'));
        EXPECT_EQ(std::string(e.directory), std::string(128, 'x'));
        for (int i = 0; i < notificationCount; ++i)
            EXPECT_EQ(std::string(e.notifyAddress[i]), std::string(64, 'x')) << "No." << i + 1;
        EXPECT_EQ(std::string(e.userName), std::string(20, 'x'));
        EXPECT_EQ(std::string(e.password), std::string(20, 'x'));
        EXPECT_EQ(readLe16(r), 0x8032);
    }
}

// ---------------------------------------------------------------- encode

TEST(Encode, TypeThatDoesNotFitTheKeyIsRefusedAndNothingChanges) {
    struct Case {
        int key;
        uint8_t type;
    } cases[] = {{11, typeFtp}, {11, typeSmb}, {44, typeEmail}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "key " << c.key + 1 << " type " << int(c.type));
        Registers regs;
        writeShort(regs.record(c.key), c.key, c.key < 40 ? typeEmail : typeFtp, "old@example.com");
        Bytes before = regs.copy(c.key);
        DestinationEntry e = ftpEntry();
        e.type = c.type;
        EXPECT_EQ(encodeDestination(english.rules, *regs.arrays, c.key, e), 0);
        EXPECT_EQ(regs.copy(c.key), before);
        EXPECT_EQ(e.type, c.type);
    }
}

TEST(Encode, ShortEntryRoundTripsAndForcesEmail) {
    Registers regs;
    DestinationEntry in = emailEntry("Twenty characters!!!", std::string(64, 'a').c_str());
    copyText(in.name2, nameCapacity, "second");
    in.type = typeNone;
    std::memset(regs.record(0), 0xEE, shortRecordSize); // the old record is replaced whole
    ASSERT_EQ(encodeDestination(english.rules, *regs.arrays, 0, in), 1);
    const uint8_t* r = regs.record(0);
    EXPECT_EQ(readLe16(r), 0x8001);
    EXPECT_EQ(r[rec::type], typeEmail);
    EXPECT_EQ(r[rec::nameLength], 20);
    EXPECT_EQ(r[rec::name + 20], 0);
    EXPECT_EQ(r[rec::addressLength], 64);
    EXPECT_EQ(r[rec::name2Length], 6);

    DestinationEntry out;
    decodeDestination(english.rules, *regs.arrays, out, 0);
    EXPECT_EQ(out.type, typeEmail);
    EXPECT_STREQ(out.name, in.name);
    EXPECT_STREQ(out.name2, "second");
    EXPECT_STREQ(out.address, in.address);
}

TEST(Encode, FullFtpEntryRoundTrips) {
    Registers regs;
    DestinationEntry in = ftpEntry();
    copyText(in.directory, directoryCapacity, std::string(128, 'd'));
    copyText(in.notifyAddress[9], addressCapacity, std::string(64, 'n'));
    in.port = 65535;
    ASSERT_EQ(encodeDestination(english.rules, *regs.arrays, 46, in), 1);
    const uint8_t* r = regs.record(46);
    EXPECT_EQ(readLe16(r), 0x802F);
    EXPECT_EQ(r[rec::port], 0xFF);
    EXPECT_EQ(r[rec::port + 1], 0xFF);
    EXPECT_EQ(r[rec::notifyLength + 9 * rec::notifyStride], 64);
    EXPECT_EQ(r[rec::directoryLength], 128);

    DestinationEntry out;
    decodeDestination(english.rules, *regs.arrays, out, 46);
    EXPECT_EQ(out.type, typeFtp);
    EXPECT_STREQ(out.name, in.name);
    EXPECT_STREQ(out.name2, in.name2);
    EXPECT_STREQ(out.address, in.address);
    EXPECT_STREQ(out.directory, in.directory);
    EXPECT_EQ(out.useProxy, 1);
    EXPECT_EQ(out.port, 65535u);
    EXPECT_EQ(out.notify, 1);
    for (int i = 0; i < notificationCount; ++i)
        EXPECT_STREQ(out.notifyAddress[i], in.notifyAddress[i]) << "No." << i + 1;
    EXPECT_EQ(out.accountMode, 0);
    EXPECT_STREQ(out.userName, "scanner");
    EXPECT_STREQ(out.password, "s3cret");
}

TEST(Encode, SmbEntryGetsPort21AndNoProxy) {
    Registers regs;
    DestinationEntry in = ftpEntry();
    in.type = typeSmb;
    ASSERT_EQ(encodeDestination(english.rules, *regs.arrays, 40, in), 1);
    const uint8_t* r = regs.record(40);
    EXPECT_EQ(readLe16(r + rec::port), 21);
    EXPECT_EQ(r[rec::useProxy], 0);
    DestinationEntry out;
    decodeDestination(english.rules, *regs.arrays, out, 40);
    EXPECT_EQ(out.type, typeSmb);
    EXPECT_EQ(out.port, 21u);
    EXPECT_STREQ(out.userName, "scanner");
}

TEST(Encode, LongEntryWithoutTypeBecomesFtp) {
    Registers regs;
    DestinationEntry in = ftpEntry();
    in.type = typeNone;
    ASSERT_EQ(encodeDestination(english.rules, *regs.arrays, 49, in), 1);
    EXPECT_EQ(regs.record(49)[rec::type], typeFtp);
    EXPECT_EQ(readLe16(regs.record(49) + rec::port), 2121);
}

TEST(Normalise, AllFiftyKeysAreDecodedOnce) {
    Registers regs;
    writeShort(regs.record(0), 0, 3, "a@example.com"); // wrong type
    writeShort(regs.record(1), 1, typeEmail, "");      // stale key word, no address
    writeLe16(regs.record(1), 0x8002);
    normaliseDestinations(english.rules, *regs.arrays);
    EXPECT_EQ(regs.record(0)[rec::type], typeEmail);
    EXPECT_FALSE(isRegistered(*regs.arrays, 1));
    for (int k = 40; k < 50; ++k)
        EXPECT_EQ(readLe16(regs.record(k) + rec::port), 21) << k + 1;
}

} // namespace
