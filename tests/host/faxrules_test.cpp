// The fax pages' window-free rules: density and quality codes, the memory-RX
// times, flags and password, and the forward mode after the destination dialog.
#include "faxrules.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(FaxTx, DensityLevelsAreStoredTimesEight) {
    for (int level = 0; level <= 4; ++level) {
        EXPECT_EQ(faxDensityOf(level), level * 8);
        EXPECT_EQ(faxDensityLevelOf(static_cast<uint8_t>(level * 8), 3), level);
    }
    for (uint8_t odd : {uint8_t(1), uint8_t(7), uint8_t(40), uint8_t(255)})
        EXPECT_EQ(faxDensityLevelOf(odd, 3), 3) << int(odd);
}

TEST(FaxTx, QualityCodesSkipThree) {
    const uint8_t codes[] = {0, 1, 2, 4, 5, 6};
    for (int p = 0; p < 6; ++p) {
        EXPECT_EQ(faxQualityCode(p), codes[p]);
        EXPECT_EQ(faxQualityPosition(codes[p]), p);
    }
    EXPECT_EQ(faxQualityPosition(3), 0); // shown as "Standard / Text"
    EXPECT_EQ(faxQualityPosition(7), 0);
}

TEST(MemoryRxTime, PacksHourAndMinuteAboveFiveZeroBits) {
    struct Case {
        int hour, minute;
        uint16_t packed;
    };
    const Case cases[] = {{0, 0, 0}, {0, 1, 32}, {1, 0, 2048}, {12, 30, (12 * 64 + 30) * 32},
                          {23, 59, 0xBF60}};
    for (const Case& c : cases) {
        EXPECT_EQ(packRxTime(c.hour, c.minute), c.packed) << c.hour << ":" << c.minute;
        EXPECT_EQ(rxTimeHour(c.packed), c.hour);
        EXPECT_EQ(rxTimeMinute(c.packed), c.minute);
        EXPECT_EQ(c.packed & 0x1F, 0);
    }
}

RxTimes times(const char* a, const char* b, const char* c, const char* d) {
    RxTimes t;
    t.text[onHour] = a;
    t.text[onMinute] = b;
    t.text[offHour] = c;
    t.text[offMinute] = d;
    return t;
}

TEST(MemoryRxTime, FlagsSayWhichTimesAreFilled) {
    EXPECT_EQ(rxTimeFlags(times("", "", "", "")), 0);
    EXPECT_EQ(rxTimeFlags(times("8", "", "", "")), 128);
    EXPECT_EQ(rxTimeFlags(times("", "5", "", "")), 128);
    EXPECT_EQ(rxTimeFlags(times("", "", "", "0")), 64);
    EXPECT_EQ(rxTimeFlags(times("08", "00", "18", "30")), 192);
    EXPECT_FALSE(times("", "", "", "").anyFilled());
    EXPECT_TRUE(times("", "", "1", "").anyFilled());
}

TEST(MemoryRxTime, ChecksStopAtTheFirstValueOutOfRange) {
    struct Case {
        RxTimes t;
        int edit, high;
    };
    const Case cases[] = {
        {times("23", "59", "23", "59"), -1, 0},
        {times("24", "60", "", ""), onHour, 23},
        {times("7", "60", "99", ""), onMinute, 59},
        {times("", "", "24", ""), offHour, 23},
        {times("", "", "0", "75"), offMinute, 59},
        {times("", "", "", ""), -1, 0},
    };
    for (const Case& c : cases) {
        const RxTimeCheck found = checkRxTimes(c.t);
        EXPECT_EQ(found.edit, c.edit);
        if (!found.passed()) {
            EXPECT_EQ(found.high, c.high);
        }
    }
    EXPECT_EQ(times("", "", "", "").value(onHour), 0); // an empty edit reads as 0
}

TEST(MemoryRxPassword, FourDigitsOrNone) {
    EXPECT_FALSE(rxPasswordIncomplete(""));
    EXPECT_TRUE(rxPasswordIncomplete("1"));
    EXPECT_TRUE(rxPasswordIncomplete("123"));
    EXPECT_FALSE(rxPasswordIncomplete("1234"));

    char stored[4] = {'9', '9', '9', '9'};
    storeRxPassword(stored, "0420");
    EXPECT_EQ(storedRxPassword(stored), "0420");
    storeRxPassword(stored, "");
    EXPECT_EQ(storedRxPassword(stored), "");
    for (char c : stored)
        EXPECT_EQ(c, 0);
}

TEST(ForwardMode, AfterTheDestinationDialog) {
    struct Case {
        uint8_t clicked, before;
        bool cancelled, destination;
        uint8_t after;
    };
    const Case cases[] = {
        {forwardOn, forwardOff, true, false, forwardOff},          // cancelled while OFF
        {forwardOn, forwardOff, true, true, forwardOff},           // a destination does not matter
        {forwardOn, forwardOnPrint, true, true, forwardOnPrint},   // the other ON mode comes back
        {forwardOn, forwardOn, true, true, forwardOn},             // the same mode stays
        {forwardOn, forwardOn, true, false, forwardOff},           // unless nothing is left
        {forwardOn, forwardOff, false, true, forwardOn},           // OK with a number
        {forwardOnPrint, forwardOff, false, true, forwardOnPrint},
        {forwardOnPrint, forwardOn, false, false, forwardOff},     // OK with nothing
        {forwardOn, 99, true, true, forwardOn},                    // no mode to put back
    };
    for (const Case& c : cases)
        EXPECT_EQ(forwardModeAfterDialog(c.clicked, c.before, c.cancelled, c.destination), c.after)
            << int(c.clicked) << " " << int(c.before) << " " << c.cancelled << c.destination;
}

} // namespace
