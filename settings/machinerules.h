#pragma once
// The rules of the Machine Setting, Paper Source and Copy Setting pages that
// need no window: which items their lists hold, how the buzzer levels and the
// scan threshold are stored, and how a typed paper size is completed.
#include <cstddef>
#include <cstdint>
#include <string>

// One item of a list: its string and the value it stands for.
struct ListItem {
    unsigned text;
    int data;
};

// --- Machine configuration record (102 bytes)
// Paper trays installed: byte 2 when it is 2 to 5, else tray 1 alone.
int installedTrays(const uint8_t* config);
bool hasDocumentFeeder(const uint8_t* config); // automatic or duplex feeder

// --- Machine Setting page
// Auto Panel Reset: the list shows the six times while it is on, else
// "Disable" alone; `selection` is the item for the stored time (-1: none).
struct PanelResetList {
    unsigned first, last;
    int selection;
};
PanelResetList panelResetList(uint8_t time);
// Turning the reset on keeps a stored time and makes "disabled" the first one.
uint8_t panelResetTimeWhenOn(uint8_t time);

// The panel languages the machine's destination code offers; 0 items for a
// code that has none. `out` needs room for maxLanguages.
constexpr size_t maxLanguages = 12;
size_t panelLanguages(uint8_t destinationCode, unsigned out[maxLanguages]);
// Only the Japanese destination has Hagaki paper.
bool hasHagaki(uint8_t destinationCode);

// The scan threshold list: stored 0, 8, 16, 24 for items 0-3 (-1: no item).
int scanThresholdItem(uint8_t stored);
uint8_t scanThresholdOfItem(int item);

// Buzzer volumes: a level 0-3 stored in the bit pair of its volume (0-9).
constexpr int buzzerVolumeCount = 10;
uint8_t buzzerStored(int volume, int level);
// -1 for a stored value that is none of the four levels.
int buzzerLevel(int volume, uint8_t stored);

// --- Paper Source page
// The tray 1 size kinds (tray1Size values outside the size list's codes).
enum PaperSizeKind : uint8_t {
    sizeKindList = 0, // the size list: codes 0 and 5-16
    sizeKindInput = 1,
    sizeKindHagaki = 2,
    sizeKindMemory1 = 3,
    sizeKindMemory2 = 4,
};
// The radio position (0-4) of a stored size: every list code is kind 0.
int paperSizeKind(uint8_t tray1Size);
constexpr size_t paperSizeItemCount = 6;
extern const ListItem paperSizeItems[paperSizeItemCount];
// The position of the size list's item of a code, -1 when it has none.
int paperSizeItem(uint8_t code);

// A typed size completed as the user types: the text to show and what to
// select of it. `changed` false leaves the edit as it is.
struct SizeCompletion {
    bool changed;
    std::string text;
    int value;
    size_t selectFrom, selectTo;
};
constexpr int sizeXLow = 140, sizeXHigh = 432, sizeYLow = 90, sizeYHigh = 297;
SizeCompletion completeSizeX(const std::string& typed);
SizeCompletion completeSizeY(const std::string& typed);

// Trays 2-5 media: the codes their four radios stand for.
constexpr size_t trayMediaCount = 4;
extern const uint8_t trayMediaCodes[trayMediaCount];
// Without a duplex unit there is no recycled paper in trays 2-5.
uint8_t trayMediaFor(uint8_t media, const uint8_t* config);

// --- Copy Setting(1) page
// "Tray 1" .. the last installed tray (data 0..), then "Multi-Bypass" (data 5)
// when the bypass is installed. `out` needs room for 6; returns the count.
size_t paperPriorityItems(const uint8_t* config, ListItem out[6]);
// The stored priority, or 0 when no item names it.
uint8_t paperPriorityFor(uint8_t stored, const uint8_t* config);
// The duplex combinations the feeder and the duplex unit allow; 0 items
// when there is neither (the list is disabled). `out` needs room for 4.
size_t duplexItems(const uint8_t* config, ListItem out[4]);
// The erase widths the machine takes.
constexpr int eraseLow = 4, eraseHigh = 20, marginLow = 0, marginHigh = 20;
uint8_t clampErase(uint8_t width);

// Everything but an A4 machine (machine class 1) is an A3 machine.
inline bool isA3Machine(uint8_t machineClass) {
    return machineClass != 1;
}
