#include "machinerules.h"

#include "resource.h"

#include <cstdlib>

int installedTrays(const uint8_t* config) {
    return config[2] >= 2 && config[2] <= 5 ? config[2] : 1;
}

bool hasDocumentFeeder(const uint8_t* config) {
    return config[0] != 0 || config[1] != 0;
}

PanelResetList panelResetList(uint8_t time) {
    if (time == 0) return {IDS_PANEL_RESET_DISABLE, IDS_PANEL_RESET_DISABLE, 0};
    const int count = IDS_PANEL_RESET_LAST - IDS_PANEL_RESET_FIRST + 1;
    return {IDS_PANEL_RESET_FIRST, IDS_PANEL_RESET_LAST, time <= count ? time - 1 : -1};
}

uint8_t panelResetTimeWhenOn(uint8_t time) {
    return time == 0 ? 1 : time;
}

namespace {

const unsigned europe[] = {IDS_LANG_ENGLISH, IDS_LANG_GERMAN,    IDS_LANG_FRENCH,
                           IDS_LANG_ITALIAN, IDS_LANG_DANISH,    IDS_LANG_DUTCH,
                           IDS_LANG_SPANISH, IDS_LANG_NORWEGIAN, IDS_LANG_SWEDISH,
                           IDS_LANG_FINNISH, IDS_LANG_TURKISH,   IDS_LANG_PORTUGUESE};
const unsigned easternEurope[] = {IDS_LANG_ENGLISH,    IDS_LANG_GERMAN,     IDS_LANG_FRENCH,
                                  IDS_LANG_CZECH,      IDS_LANG_HUNGARIAN,  IDS_LANG_POLISH,
                                  IDS_LANG_ROMANIAN,   IDS_LANG_LITHUANIAN, IDS_LANG_SLOVAKIAN,
                                  IDS_LANG_CATALAN};
// Codes 4 to 11: English and the destination's own language.
const unsigned secondLanguage[] = {IDS_LANG_JAPANESE, IDS_LANG_RUSSIAN,  IDS_LANG_S_CHINESE,
                                   IDS_LANG_T_CHINESE, IDS_LANG_KOREAN, IDS_LANG_THAI,
                                   IDS_LANG_VIETNAMESE, IDS_LANG_ARABIC};

template <size_t N> size_t copyLanguages(const unsigned (&from)[N], unsigned* out) {
    for (size_t i = 0; i < N; ++i)
        out[i] = from[i];
    return N;
}

} // namespace

size_t panelLanguages(uint8_t destinationCode, unsigned out[maxLanguages]) {
    switch (destinationCode) {
    case 1:
        return copyLanguages(europe, out);
    case 2:
        return copyLanguages(easternEurope, out);
    default:
        if (destinationCode < 4 || destinationCode > 11) return 0;
        out[0] = IDS_LANG_ENGLISH;
        out[1] = secondLanguage[destinationCode - 4];
        return 2;
    }
}

bool hasHagaki(uint8_t destinationCode) {
    return destinationCode == 4;
}

int scanThresholdItem(uint8_t stored) {
    return stored % 8 == 0 && stored <= 24 ? stored / 8 : -1;
}

uint8_t scanThresholdOfItem(int item) {
    return static_cast<uint8_t>(item < 0 || item > 3 ? 0 : item * 8);
}

namespace {
// The bit pairs of the ten volumes, highest pair first within each byte of the machine.
const int buzzerShift[buzzerVolumeCount] = {6, 4, 2, 0, 6, 4, 2, 0, 6, 4};
} // namespace

uint8_t buzzerStored(int volume, int level) {
    if (volume < 0 || volume >= buzzerVolumeCount || level < 0 || level > 3) return 0;
    return static_cast<uint8_t>(level << buzzerShift[volume]);
}

int buzzerLevel(int volume, uint8_t stored) {
    if (volume < 0 || volume >= buzzerVolumeCount) return -1;
    const int shift = buzzerShift[volume];
    if (stored & ~(3 << shift)) return -1;
    return stored >> shift;
}

int paperSizeKind(uint8_t tray1Size) {
    return tray1Size >= 5 ? static_cast<int>(sizeKindList) : tray1Size;
}

const ListItem paperSizeItems[paperSizeItemCount] = {
    {IDS_PAPER_AUTO, 0},    {IDS_PAPER_A6_CARD, 5}, {IDS_PAPER_A6_SEF, 6},
    {IDS_PAPER_B6_SEF, 7},  {IDS_PAPER_EXE_LEF, 8}, {IDS_PAPER_EXE_SEF, 9},
};

int paperSizeItem(uint8_t code) {
    for (size_t i = 0; i < paperSizeItemCount; ++i)
        if (paperSizeItems[i].data == code) return static_cast<int>(i);
    return -1;
}

namespace {

SizeCompletion keep(int value) {
    return {false, std::string(), value, 0, 0};
}

SizeCompletion put(int value, size_t from, size_t to) {
    std::string text = std::to_string(value);
    if (to > text.size()) to = text.size();
    return {true, text, value, from, to};
}

// Typed digits as a number; an empty edit reads as 0. At most three digits
// reach here, so the value cannot overflow.
int typedValue(const std::string& typed) {
    int value = 0;
    for (char c : typed) {
        if (c < '0' || c > '9') break;
        value = value * 10 + (c - '0');
    }
    return value;
}

constexpr size_t all = static_cast<size_t>(-1);

} // namespace

SizeCompletion completeSizeX(const std::string& typed) {
    const int v = typedValue(typed);
    if (v >= sizeXLow && v <= sizeXHigh) return keep(v);
    if (v > sizeXHigh) return put(sizeXHigh, 0, all);
    if (v == 1) return put(sizeXLow, 1, all);
    if (v >= 2 && v <= 8) return put(v * 100 > sizeXHigh ? sizeXHigh : v * 100, 1, all);
    if (v == 14) return put(sizeXLow, 2, all);
    if (v >= 15 && v <= 43) return put(v * 10, 2, all);
    return put(sizeXLow, 0, all); // 0, 9-13, 44-139
}

SizeCompletion completeSizeY(const std::string& typed) {
    const int v = typedValue(typed);
    if (v >= sizeYLow && v <= sizeYHigh) return keep(v);
    if (v > sizeYHigh) return put(sizeYHigh, 0, all);
    if (v >= 1 && v <= 2) return put(v * 100, 1, all);
    if (v >= 3 && v <= 9) return put(sizeYLow, 1, 2);
    if (v >= 10 && v <= 89) return put(v * 10 > sizeYHigh ? sizeYHigh : v * 10, 2, all);
    return put(sizeYLow, 0, 2); // 0
}

const uint8_t trayMediaCodes[trayMediaCount] = {0, 3, 10, 11};

uint8_t trayMediaFor(uint8_t media, const uint8_t* config) {
    return media == 3 && config[8] == 0 ? 0 : media;
}

size_t paperPriorityItems(const uint8_t* config, ListItem out[6]) {
    const int trays = installedTrays(config);
    size_t n = 0;
    for (int t = 0; t < trays; ++t)
        out[n++] = {static_cast<unsigned>(IDS_TRAY1 + t), t};
    if (config[3] == 1) out[n++] = {IDS_MULTI_BYPASS, 5};
    return n;
}

uint8_t paperPriorityFor(uint8_t stored, const uint8_t* config) {
    ListItem items[6];
    const size_t n = paperPriorityItems(config, items);
    for (size_t i = 0; i < n; ++i)
        if (items[i].data == stored) return stored;
    return 0;
}

size_t duplexItems(const uint8_t* config, ListItem out[4]) {
    const bool feeder = config[0] == 1, duplexUnit = config[8] == 1;
    size_t n = 0;
    if (feeder && duplexUnit) {
        for (int i = 0; i < 4; ++i)
            out[n++] = {static_cast<unsigned>(IDS_DUPLEX_FIRST + i), i};
    } else if (feeder) {
        out[n++] = {IDS_DUPLEX_1_1, 0};
        out[n++] = {IDS_DUPLEX_2_1, 2};
    } else if (duplexUnit) {
        out[n++] = {IDS_DUPLEX_1_1, 0};
        out[n++] = {IDS_DUPLEX_1_2, 1};
    }
    return n;
}

uint8_t clampErase(uint8_t width) {
    return width < eraseLow ? eraseLow : width > eraseHigh ? eraseHigh : width;
}
