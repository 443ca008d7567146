// The forwarding destination's record: its two views over the same 72 bytes,
// and the paper-size codes of the max TX size list.
#include "forwardrules.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

ForwardLocation zero() {
    ForwardLocation r;
    std::memset(&r, 0, sizeof r);
    return r;
}

TEST(ForwardRecord, IsTheMachinesSeventyTwoBytes) {
    EXPECT_EQ(sizeof(ForwardLocation), 72u);
}

TEST(ForwardRecord, AnyKindButEmailReadsAsFax) {
    ForwardLocation r = zero();
    for (uint8_t kind : {uint8_t(0), uint8_t(2), uint8_t(3), uint8_t(255)}) {
        r.bytes[0] = kind;
        EXPECT_EQ(forwardKindOf(r), forwardFax) << int(kind);
    }
    r.bytes[0] = 1;
    EXPECT_EQ(forwardKindOf(r), forwardEmail);
}

TEST(ForwardRecord, EmailViewLaysOutItsFieldsInOrder) {
    ForwardLocation r = zero();
    setForwardKind(r, forwardEmail);
    setForwardAddress(r, "fwd@example.com");
    chooseAdvancedDefaults(r);
    setEmailSetting(r, emailMaxTxSize, 9);
    const uint8_t head[] = {1, 15, 1, 9, 2, 0};
    EXPECT_EQ(std::memcmp(r.bytes, head, sizeof head), 0);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(r.bytes + 6)), "fwd@example.com");
    EXPECT_EQ(forwardAddress(r), "fwd@example.com");
}

TEST(ForwardRecord, AnAddressIsCutAtSixtyFourAndStaysTerminated) {
    ForwardLocation r = zero();
    std::memset(r.bytes, 'x', sizeof r.bytes);
    setForwardAddress(r, std::string(80, 'a'));
    EXPECT_EQ(forwardAddressLength(r), 64u);
    EXPECT_EQ(forwardAddress(r), std::string(64, 'a'));
    EXPECT_EQ(r.bytes[70], 0);
    EXPECT_EQ(r.bytes[71], 0);
}

TEST(ForwardRecord, ALengthByteLargerThanTheFieldReadsNoFurther) {
    ForwardLocation r = zero();
    std::memset(r.bytes, 'y', sizeof r.bytes);
    r.bytes[0] = 1;
    r.bytes[1] = 200;
    EXPECT_EQ(forwardAddress(r).size(), 64u);
    r.bytes[0] = 2;
    EXPECT_LE(forwardDial(r, DialPart::Number).size(), 30u);
    EXPECT_LE(forwardDial(r, DialPart::Sub).size(), 20u);
}

TEST(ForwardRecord, FaxViewPacksNumberSubAndSidInTheirPlaces) {
    ForwardLocation r = zero();
    setForwardKind(r, forwardFax);
    setForwardDial(r, DialPart::Number, "0123P-4");
    setForwardDial(r, DialPart::Sub, "12*#");
    setForwardDial(r, DialPart::Sid, "9");
    EXPECT_EQ(r.bytes[1], 7);
    EXPECT_EQ(r.bytes[3], 4);
    EXPECT_EQ(r.bytes[4], 1);
    EXPECT_EQ(r.bytes[5], 0x10); // "0", "1": low nibble first
    EXPECT_EQ(r.bytes[30], 0x21);
    EXPECT_EQ(r.bytes[40], 0x09);
    EXPECT_EQ(forwardDial(r, DialPart::Number), "0123P-4");
    EXPECT_EQ(forwardDial(r, DialPart::Sub), "12*#");
    EXPECT_EQ(forwardDial(r, DialPart::Sid), "9");
}

TEST(ForwardRecord, DialPartsKeepToTheirLimits) {
    ForwardLocation r = zero();
    setForwardDial(r, DialPart::Number, std::string(40, '5'));
    setForwardDial(r, DialPart::Sub, std::string(40, '6'));
    setForwardDial(r, DialPart::Sid, std::string(40, '7'));
    EXPECT_EQ(forwardDial(r, DialPart::Number), std::string(30, '5'));
    EXPECT_EQ(forwardDial(r, DialPart::Sub), std::string(20, '6'));
    EXPECT_EQ(forwardDial(r, DialPart::Sid), std::string(20, '7'));
    for (size_t i = 50; i < 72; ++i)
        EXPECT_EQ(r.bytes[i], 0) << i;
}

TEST(ForwardRecord, EmptyingAPartClearsItsBytes) {
    ForwardLocation r = zero();
    setForwardDial(r, DialPart::Sub, "1234");
    setForwardDial(r, DialPart::Sub, "");
    EXPECT_EQ(forwardDialLength(r, DialPart::Sub), 0u);
    for (size_t i = 30; i < 40; ++i)
        EXPECT_EQ(r.bytes[i], 0) << i;
}

TEST(ForwardRecord, ADestinationIsAnAddressOrANumber) {
    ForwardLocation r = zero();
    EXPECT_FALSE(holdsDestination(r)); // as the program starts
    setForwardKind(r, forwardFax);
    EXPECT_FALSE(holdsDestination(r));
    setForwardDial(r, DialPart::Sub, "1");
    EXPECT_FALSE(holdsDestination(r));
    setForwardDial(r, DialPart::Number, "1");
    EXPECT_TRUE(holdsDestination(r));

    r = zero();
    setForwardKind(r, forwardEmail);
    EXPECT_FALSE(holdsDestination(r));
    setForwardAddress(r, "a@b.c");
    EXPECT_TRUE(holdsDestination(r));
}

// ------------------------------------------------------------------ sizes

TEST(ForwardMaxTxSize, CodesSelectTheirListPositions) {
    struct Case {
        uint8_t code;
        int metric, inch;
    };
    const Case cases[] = {{0, 0, 0}, {1, 1, 1}, {2, 2, 0}, {9, 0, 1}, {12, 2, 0}};
    for (const Case& c : cases) {
        EXPECT_EQ(maxTxSizeListPosition(c.code, false, 7), c.metric) << int(c.code);
        EXPECT_EQ(maxTxSizeListPosition(c.code, true, 7), c.inch) << int(c.code);
    }
}

TEST(ForwardMaxTxSize, AnUnknownCodeKeepsTheLastPosition) {
    for (uint8_t code : {uint8_t(3), uint8_t(8), uint8_t(10), uint8_t(13), uint8_t(255)}) {
        EXPECT_EQ(maxTxSizeListPosition(code, false, 2), 2);
        EXPECT_EQ(maxTxSizeListPosition(code, true, 1), 1);
    }
}

TEST(ForwardMaxTxSize, InchPositionsStoreLetterAsTwelveAndElevenBySeventeenAsNine) {
    EXPECT_EQ(maxTxSizeCode(0, true), 12);
    EXPECT_EQ(maxTxSizeCode(1, true), 9);
    for (int p = 0; p < 3; ++p)
        EXPECT_EQ(maxTxSizeCode(p, false), p);
    // and each reopens on the item chosen
    for (int p = 0; p < 2; ++p)
        EXPECT_EQ(maxTxSizeListPosition(maxTxSizeCode(p, true), true, 5), p);
    for (int p = 0; p < 3; ++p)
        EXPECT_EQ(maxTxSizeListPosition(maxTxSizeCode(p, false), false, 5), p);
}

} // namespace
