// The machine-settings pages' rules that need no window: addresses, time
// zones, administrator numbers, sliders, the server-text filter and what the
// Machine Status dialog makes of the configuration record.
#include "settingsrules.h"

#include "machineimage.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

TEST(Ipv4, OctetVerdictsBlameTheFirstOrTheLastOctet) {
    struct Case {
        uint8_t address[4];
        Ipv4Verdict verdict;
    } cases[] = {
        {{192, 168, 1, 10}, ipv4Valid},      {{0, 1, 2, 3}, ipv4FirstOctetBad},
        {{127, 0, 0, 1}, ipv4FirstOctetBad}, {{255, 255, 255, 0}, ipv4FirstOctetBad},
        {{192, 168, 1, 0}, ipv4LastOctetBad}, {{10, 0, 0, 255}, ipv4Valid},
        {{126, 255, 255, 254}, ipv4Valid},   {{0, 0, 0, 0}, ipv4FirstOctetBad},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ipv4OctetVerdict(c.address), c.verdict)
            << int(c.address[0]) << '.' << int(c.address[1]) << '.' << int(c.address[2]) << '.'
            << int(c.address[3]);
}

TEST(Ipv4, PackedValueHasTheFirstOctetOnTopAndComesBack) {
    const uint8_t address[4] = {192, 168, 1, 77};
    EXPECT_EQ(ipv4Packed(address), 0xC0A8014Du);
    uint8_t back[4] = {};
    ipv4Unpack(0xC0A8014Du, back);
    EXPECT_EQ(std::memcmp(back, address, 4), 0);
    EXPECT_FALSE(ipv4Blank(address));
    const uint8_t none[4] = {};
    EXPECT_TRUE(ipv4Blank(none));
}

TEST(TimeZone, TheListSkipsTheCodesTheMachineDoesNotUse) {
    struct Case {
        int position;
        uint8_t code;
    } cases[] = {{0, 0}, {24, 24}, {25, 33}, {48, 56}};
    for (const Case& c : cases) {
        EXPECT_EQ(timeZoneOfPosition(c.position), c.code) << c.position;
        EXPECT_EQ(positionOfTimeZone(c.code), c.position) << int(c.code);
    }
    for (int unused : {25, 32, 57, 255})
        EXPECT_EQ(positionOfTimeZone(static_cast<uint8_t>(unused)), -1) << unused;
    EXPECT_EQ(timeZoneOfPosition(-1), 0);
    EXPECT_EQ(timeZoneOfPosition(timeZoneCount), 0);
}

TEST(AdminNumber, OnlySixTypedDigitsStandForTheNumber) {
    EXPECT_TRUE(adminNumberMatches("012345", 12345, 12345));
    EXPECT_FALSE(adminNumberMatches("12345", 12345, 12345));
    EXPECT_FALSE(adminNumberMatches("0012345", 12345, 12345));
    EXPECT_FALSE(adminNumberMatches("002469", 2469, 2468));
    EXPECT_TRUE(adminNumberMatches("000000", 0, 0));
}

TEST(Slider, EveryStepStaysInsideTheRange) {
    const SliderSpec* timeout = sliderSpec(IDC_EM1_SMTP_TIMEOUT_SLIDER); // 30..300, page 10
    ASSERT_NE(timeout, nullptr);
    struct Case {
        int code, current, thumb, expected;
    } cases[] = {
        {0, 30, 0, 30},   {1, 30, 0, 31},     {2, 35, 0, 30},   {3, 295, 0, 300},
        {3, 100, 0, 110}, {4, 0, 500, 300},   {5, 0, 120, 120}, {8, 77, 0, 77}, // SB_ENDSCROLL
        {6, 100, 0, 30},  {7, 100, 0, 300}, // Home and End, where the thumb already went
    };
    for (const Case& c : cases)
        EXPECT_EQ(sliderStep(*timeout, c.code, c.current, c.thumb), c.expected)
            << "code " << c.code << " from " << c.current;
    EXPECT_EQ(sliderSpec(IDC_NET_IP_ADDRESS), nullptr);
}

TEST(Slider, LabelsShowTheUnitOrTheCountFromOne) {
    const SliderSpec* timeout = sliderSpec(IDC_EM1_SMTP_TIMEOUT_SLIDER);
    const SliderSpec* rings = sliderSpec(IDC_FRX_RINGS_SLIDER);
    ASSERT_TRUE(timeout && rings);
    EXPECT_EQ(sliderLabel(*timeout, 60, "sec"), "60 sec");
    EXPECT_EQ(sliderLabel(*rings, 15, ""), "16");
}

TEST(Slider, EveryFieldLiesInsideTheSettingsRecord) {
    for (int control : {IDC_MS_SLEEP_SLIDER, IDC_MS_SHUT_OFF_SLIDER, IDC_MS_LCD_CONTRAST_SLIDER,
                        IDC_MS_PRINT_DENSITY_SLIDER, IDC_CS1_DENSITY_SLIDER,
                        IDC_CS1_OUTER_ERASE_SLIDER, IDC_FTX_DENSITY_SLIDER, IDC_FRX_RINGS_SLIDER,
                        IDC_EM1_SMTP_TIMEOUT_SLIDER, IDC_EM1_POP_WAIT_SLIDER,
                        IDC_EM2_POP3_TIMEOUT_SLIDER, IDC_US_DAYLIGHT_SLIDER,
                        IDC_FS_TIMEOUT_SLIDER}) {
        const SliderSpec* s = sliderSpec(control);
        ASSERT_NE(s, nullptr) << control;
        EXPECT_LE(s->offset + s->width, sizeof(SettingsRecord)) << control;
        EXPECT_LT(s->low, s->high) << control;
        SettingsRecord record = {};
        setFieldValue(record, s->offset, s->width, static_cast<uint32_t>(s->high));
        EXPECT_EQ(fieldValue(record, s->offset, s->width), static_cast<uint32_t>(s->high));
    }
}

TEST(ServerText, TheFirstByteOutsidePrintableAsciiIsRemoved) {
    struct Case {
        const char* text;
        FilterResult::Kind kind;
        size_t position;
    } cases[] = {
        {"mail.example.com", FilterResult::Accept, 0},
        {"mail\texample", FilterResult::Remove, 4},
        {"caf\xE9.example", FilterResult::Remove, 3},
        {"\x01x", FilterResult::Remove, 0},
        {"a~\x7F", FilterResult::Accept, 0},
    };
    for (const Case& c : cases) {
        const FilterResult r = filterServerText(c.text);
        EXPECT_EQ(r.kind, c.kind) << c.text;
        EXPECT_EQ(r.position, c.position) << c.text;
    }
}

TEST(Equipment, TheConfigurationRecordReadsAsText) {
    uint8_t config[configRecordSize] = {};
    config[3] = 1;
    config[9] = 0x00;
    config[10] = 0x01; // 256 MB
    std::memcpy(config + 11, "ZC80-1.20.04-EN", 15);
    std::memcpy(config + 30, "ZE80-2.03.11-WITH-A-LONG-TAIL", 29); // 19 bytes at most
    std::memcpy(config + 87, "ZW80K2U004512", 13);
    EquipmentText shown = equipmentTextOf(config);
    EXPECT_EQ(shown.bypass, 1);
    EXPECT_EQ(shown.memory, "256");
    EXPECT_EQ(shown.controller, "ZC80-1.20.04-EN");
    EXPECT_EQ(shown.engine, "ZE80-2.03.11-WITH-A");
    EXPECT_EQ(shown.serial, "ZW80K2U004512");

    config[3] = 7;
    for (int never : {0, 255}) {
        config[87] = static_cast<uint8_t>(never);
        shown = equipmentTextOf(config);
        EXPECT_EQ(shown.serial, "0000000000000");
        EXPECT_EQ(shown.bypass, -1);
    }
}

} // namespace
