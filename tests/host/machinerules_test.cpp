// The Machine Setting, Paper Source and Copy Setting pages' rules that need
// no window: the typed-size completion, what the lists hold for a machine's
// equipment, and how buzzer levels and the scan threshold are stored.
#include "machinerules.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// ------------------------------------------------------------ size completion

struct Completion {
    const char* typed;
    const char* shown;     // nullptr: the text stays as typed
    int value;
    size_t from, to;       // the selection after it
};

void expectCompletion(const Completion& c, const SizeCompletion& got) {
    SCOPED_TRACE(std::string("typed \"") + c.typed + "\"");
    EXPECT_EQ(got.value, c.value);
    EXPECT_EQ(got.changed, c.shown != nullptr);
    if (!c.shown) return;
    EXPECT_EQ(got.text, c.shown);
    EXPECT_EQ(got.selectFrom, c.from);
    EXPECT_EQ(got.selectTo, c.to);
}

TEST(SizeCompletion, XIsCompletedToAWidthTheMachineTakes) {
    const Completion cases[] = {
        {"140", nullptr, 140, 0, 0}, {"432", nullptr, 432, 0, 0}, {"250", nullptr, 250, 0, 0},
        {"433", "432", 432, 0, 3},   {"999", "432", 432, 0, 3},
        {"1", "140", 140, 1, 3},     // the next digit typed replaces "40"
        {"2", "200", 200, 1, 3},     {"4", "400", 400, 1, 3},
        {"5", "432", 432, 1, 3},     {"8", "432", 432, 1, 3},
        {"14", "140", 140, 2, 3},    {"15", "150", 150, 2, 3}, {"43", "430", 430, 2, 3},
        {"0", "140", 140, 0, 3},     {"", "140", 140, 0, 3},  {"9", "140", 140, 0, 3},
        {"13", "140", 140, 0, 3},    {"44", "140", 140, 0, 3}, {"139", "140", 140, 0, 3},
        {"05", "432", 432, 1, 3},
    };
    for (const Completion& c : cases)
        expectCompletion(c, completeSizeX(c.typed));
}

TEST(SizeCompletion, YIsCompletedToALengthTheMachineTakes) {
    const Completion cases[] = {
        {"90", nullptr, 90, 0, 0},  {"297", nullptr, 297, 0, 0}, {"150", nullptr, 150, 0, 0},
        {"298", "297", 297, 0, 3},  {"999", "297", 297, 0, 3},
        {"1", "100", 100, 1, 3},    {"2", "200", 200, 1, 3},
        {"3", "90", 90, 1, 2},      {"9", "90", 90, 1, 2},
        {"10", "100", 100, 2, 3},   {"29", "290", 290, 2, 3},
        {"30", "297", 297, 2, 3},   {"89", "297", 297, 2, 3},
        {"0", "90", 90, 0, 2},      {"", "90", 90, 0, 2},
    };
    for (const Completion& c : cases)
        expectCompletion(c, completeSizeY(c.typed));
}

TEST(SizeCompletion, TypingDigitByDigitOverTheSelectionReachesTheSize) {
    // "2" shows "200" with "00" selected; "5" over it makes "25", shown "250".
    SizeCompletion first = completeSizeX("2");
    const std::string typed = first.text.substr(0, first.selectFrom) + "5";
    const SizeCompletion second = completeSizeX(typed);
    EXPECT_EQ(second.text, "250");
    const std::string last = second.text.substr(0, second.selectFrom) + "7";
    EXPECT_FALSE(completeSizeX(last).changed);
    EXPECT_EQ(completeSizeX(last).value, 257);
}

TEST(PaperSize, ListCodesAreKindZeroAndTheListCarriesTheirCodes) {
    EXPECT_EQ(paperSizeKind(0), sizeKindList);
    EXPECT_EQ(paperSizeKind(1), sizeKindInput);
    EXPECT_EQ(paperSizeKind(4), sizeKindMemory2);
    EXPECT_EQ(paperSizeKind(5), sizeKindList);
    EXPECT_EQ(paperSizeKind(16), sizeKindList);
    EXPECT_EQ(paperSizeItem(0), 0);
    EXPECT_EQ(paperSizeItem(5), 1);
    EXPECT_EQ(paperSizeItem(9), 5);
    EXPECT_EQ(paperSizeItem(12), -1);
    EXPECT_EQ(paperSizeItem(1), -1);
}

// ------------------------------------------------------------ equipment

std::vector<uint8_t> config(uint8_t feeder, uint8_t duplexFeeder, uint8_t trays, uint8_t bypass,
                            uint8_t duplexUnit) {
    std::vector<uint8_t> c(102, 0);
    c[0] = feeder;
    c[1] = duplexFeeder;
    c[2] = trays;
    c[3] = bypass;
    c[8] = duplexUnit;
    return c;
}

std::vector<std::pair<unsigned, int>> items(const ListItem* list, size_t n) {
    std::vector<std::pair<unsigned, int>> out;
    for (size_t i = 0; i < n; ++i)
        out.push_back({list[i].text, list[i].data});
    return out;
}

TEST(Equipment, TrayCountIsByteTwoFromTwoToFiveAndOtherwiseOne) {
    const struct {
        uint8_t stored;
        int trays;
    } cases[] = {{0, 1}, {1, 1}, {2, 2}, {5, 5}, {6, 1}, {255, 1}};
    for (const auto& c : cases)
        EXPECT_EQ(installedTrays(config(0, 0, c.stored, 0, 0).data()), c.trays) << int(c.stored);
}

TEST(Equipment, PaperPriorityOffersTheInstalledTraysAndTheBypass) {
    ListItem list[6];
    auto c = config(0, 0, 3, 0, 0);
    EXPECT_EQ(items(list, paperPriorityItems(c.data(), list)),
              (std::vector<std::pair<unsigned, int>>{{IDS_TRAY1, 0}, {IDS_TRAY2, 1}, {IDS_TRAY3, 2}}));
    c = config(0, 0, 0, 1, 0);
    EXPECT_EQ(items(list, paperPriorityItems(c.data(), list)),
              (std::vector<std::pair<unsigned, int>>{{IDS_TRAY1, 0}, {IDS_MULTI_BYPASS, 5}}));
    c = config(0, 0, 5, 1, 0);
    EXPECT_EQ(paperPriorityItems(c.data(), list), 6u);
}

TEST(Equipment, APaperPriorityThatNamesNoItemBecomesTrayOne) {
    const auto three = config(0, 0, 3, 0, 0), bypass = config(0, 0, 3, 1, 0);
    EXPECT_EQ(paperPriorityFor(4, three.data()), 0);
    EXPECT_EQ(paperPriorityFor(2, three.data()), 2);
    EXPECT_EQ(paperPriorityFor(5, three.data()), 0);
    EXPECT_EQ(paperPriorityFor(5, bypass.data()), 5);
    EXPECT_EQ(paperPriorityFor(3, bypass.data()), 0);
}

TEST(Equipment, DuplexModesFollowTheFeederAndTheDuplexUnit) {
    using Items = std::vector<std::pair<unsigned, int>>;
    const struct {
        uint8_t feeder, duplexUnit;
        Items expected;
    } cases[] = {
        {1, 1, {{IDS_DUPLEX_1_1, 0}, {IDS_DUPLEX_1_2, 1}, {IDS_DUPLEX_2_1, 2}, {IDS_DUPLEX_2_2, 3}}},
        {1, 0, {{IDS_DUPLEX_1_1, 0}, {IDS_DUPLEX_2_1, 2}}},
        {0, 1, {{IDS_DUPLEX_1_1, 0}, {IDS_DUPLEX_1_2, 1}}},
        {0, 0, {}},
    };
    for (const auto& c : cases) {
        ListItem list[4];
        const auto record = config(c.feeder, 0, 0, 0, c.duplexUnit);
        EXPECT_EQ(items(list, duplexItems(record.data(), list)), c.expected)
            << "feeder " << int(c.feeder) << ", duplex unit " << int(c.duplexUnit);
    }
}

TEST(Equipment, RecycledPaperInTraysTwoToFiveNeedsTheDuplexUnit) {
    const auto without = config(0, 0, 0, 0, 0), with = config(0, 0, 0, 0, 1);
    EXPECT_EQ(trayMediaFor(3, without.data()), 0);
    EXPECT_EQ(trayMediaFor(3, with.data()), 3);
    EXPECT_EQ(trayMediaFor(10, without.data()), 10);
}

TEST(Equipment, EitherFeederIsADocumentFeeder) {
    EXPECT_FALSE(hasDocumentFeeder(config(0, 0, 5, 1, 1).data()));
    EXPECT_TRUE(hasDocumentFeeder(config(1, 0, 0, 0, 0).data()));
    EXPECT_TRUE(hasDocumentFeeder(config(0, 1, 0, 0, 0).data()));
}

// ------------------------------------------------------------ Machine Setting

TEST(PanelReset, TheListHoldsTheTimesOnlyWhileTheResetIsOn) {
    PanelResetList off = panelResetList(0);
    EXPECT_EQ(off.first, static_cast<unsigned>(IDS_PANEL_RESET_DISABLE));
    EXPECT_EQ(off.last, static_cast<unsigned>(IDS_PANEL_RESET_DISABLE));
    EXPECT_EQ(off.selection, 0);
    PanelResetList on = panelResetList(1);
    EXPECT_EQ(on.first, static_cast<unsigned>(IDS_PANEL_RESET_30S));
    EXPECT_EQ(on.last, static_cast<unsigned>(IDS_PANEL_RESET_5MIN));
    EXPECT_EQ(on.selection, 0);
    EXPECT_EQ(panelResetList(6).selection, 5);
    EXPECT_EQ(panelResetList(7).selection, -1);
    EXPECT_EQ(panelResetTimeWhenOn(0), 1);
    EXPECT_EQ(panelResetTimeWhenOn(4), 4);
}

TEST(BuzzerVolume, EachLevelIsStoredInItsVolumesBitPair) {
    const uint8_t high[buzzerVolumeCount] = {192, 48, 12, 3, 192, 48, 12, 3, 192, 48};
    for (int v = 0; v < buzzerVolumeCount; ++v) {
        SCOPED_TRACE(v);
        EXPECT_EQ(buzzerStored(v, 3), high[v]);
        EXPECT_EQ(buzzerStored(v, 0), 0);
        for (int level = 0; level < 4; ++level)
            EXPECT_EQ(buzzerLevel(v, buzzerStored(v, level)), level);
    }
    EXPECT_EQ(buzzerStored(0, 1), 64);
    EXPECT_EQ(buzzerStored(2, 2), 8);
}

TEST(BuzzerVolume, AStoredValueOutsideItsBitPairShowsNoLevel) {
    EXPECT_EQ(buzzerLevel(0, 1), -1);   // the valid-input volume lives in bits 6-7
    EXPECT_EQ(buzzerLevel(3, 4), -1);   // the print volume in bits 0-1
    EXPECT_EQ(buzzerLevel(1, 0x30 | 1), -1);
    EXPECT_EQ(buzzerLevel(10, 0), -1);
    EXPECT_EQ(buzzerStored(0, 4), 0);
}

TEST(ScanThreshold, StoredInStepsOfEight) {
    const struct {
        uint8_t stored;
        int item;
    } cases[] = {{0, 0}, {8, 1}, {16, 2}, {24, 3}, {4, -1}, {32, -1}};
    for (const auto& c : cases)
        EXPECT_EQ(scanThresholdItem(c.stored), c.item) << int(c.stored);
    for (int item = 0; item < 4; ++item)
        EXPECT_EQ(scanThresholdItem(scanThresholdOfItem(item)), item);
}

TEST(PanelLanguages, TheDestinationCodeChoosesTheLanguages) {
    unsigned list[maxLanguages];
    EXPECT_EQ(panelLanguages(0, list), 0u);
    EXPECT_EQ(panelLanguages(3, list), 0u);
    EXPECT_EQ(panelLanguages(12, list), 0u);
    ASSERT_EQ(panelLanguages(1, list), 12u);
    EXPECT_EQ(list[11], static_cast<unsigned>(IDS_LANG_PORTUGUESE));
    ASSERT_EQ(panelLanguages(2, list), 10u);
    EXPECT_EQ(list[3], static_cast<unsigned>(IDS_LANG_CZECH));
    EXPECT_EQ(list[9], static_cast<unsigned>(IDS_LANG_CATALAN));
    ASSERT_EQ(panelLanguages(4, list), 2u);
    EXPECT_EQ(list[0], static_cast<unsigned>(IDS_LANG_ENGLISH));
    EXPECT_EQ(list[1], static_cast<unsigned>(IDS_LANG_JAPANESE));
    ASSERT_EQ(panelLanguages(11, list), 2u);
    EXPECT_EQ(list[1], static_cast<unsigned>(IDS_LANG_ARABIC));
    EXPECT_TRUE(hasHagaki(4));
    EXPECT_FALSE(hasHagaki(0));
}

TEST(EraseWidth, ClampedToFourToTwenty) {
    EXPECT_EQ(clampErase(0), 4);
    EXPECT_EQ(clampErase(2), 4);
    EXPECT_EQ(clampErase(12), 12);
    EXPECT_EQ(clampErase(21), 20);
}

} // namespace
