// Paper Source (Utility sheet): tray 1's unit, media and size. A size is
// chosen from the size list or typed as X and Y; a typed size is completed
// while it is typed, so that it is always one the machine takes. The page has
// no backup: its edits outlive a Cancel of the sheet.
#include "pages.h"

#include "itemlist.h"
#include "machinedialogs.h"
#include "machinerules.h"
#include "resource.h"
#include "shellstate.h"

namespace {

const LabelText labels[] = {
    {IDC_PS_MEDIA_GROUP, IDS_PS_MEDIA},
    {IDC_PS_PLAIN_RADIO, IDS_PS_PLAIN},
    {IDC_PS_CARD1_RADIO, IDS_PS_CARD1},
    {IDC_PS_CARD2_RADIO, IDS_PS_CARD2},
    {IDC_PS_RECYCLE_RADIO, IDS_PS_RECYCLE},
    {IDC_PS_ENVELOPE_RADIO, IDS_PS_ENVELOPE},
    {IDC_PS_PLAIN_DUPLEX_RADIO, IDS_PS_PLAIN_DUPLEX},
    {IDC_PS_CARD1_DUPLEX_RADIO, IDS_PS_CARD1_DUPLEX},
    {IDC_PS_CARD2_DUPLEX_RADIO, IDS_PS_CARD2_DUPLEX},
    {IDC_PS_RECYCLE_DUPLEX_RADIO, IDS_PS_RECYCLE_DUPLEX},
    {IDC_PS_SPECIAL_RADIO, IDS_PS_SPECIAL},
    {IDC_PS_ONE_SIDE_RADIO, IDS_PS_ONE_SIDE},
    {IDC_PS_TRANSPARENCY_RADIO, IDS_PS_TRANSPARENCY},
    {IDC_PS_UNIT_GROUP, IDS_PS_UNIT},
    {IDC_PS_INCH_RADIO, IDS_PS_INCH},
    {IDC_PS_METRIC_RADIO, IDS_PS_METRIC},
    {IDC_PS_SIZE_GROUP, IDS_PS_SIZE},
    {IDC_PS_SIZE_LIST_RADIO, IDS_PS_SIZE_LIST},
    {IDC_PS_SIZE_INPUT_RADIO, IDS_PS_SIZE_INPUT},
    {IDC_PS_HAGAKI_RADIO, IDS_PS_HAGAKI},
    {IDC_PS_MEMORY1_RADIO, IDS_PS_MEMORY1},
    {IDC_PS_MEMORY2_RADIO, IDS_PS_MEMORY2},
    {IDC_PS_INPUT_X_LABEL, IDS_PS_X},
    {IDC_PS_INPUT_Y_LABEL, IDS_PS_Y},
    {IDC_PS_MEMORY1_X_LABEL, IDS_PS_X},
    {IDC_PS_MEMORY1_Y_LABEL, IDS_PS_Y},
    {IDC_PS_MEMORY2_X_LABEL, IDS_PS_X},
    {IDC_PS_MEMORY2_Y_LABEL, IDS_PS_Y},
    {IDC_PS_TRAYS_BUTTON, IDS_PS_TRAYS},
};

const uint32_t units[] = {0, 1};
// Radio 407 + code; code 4 has no radio.
const uint32_t mediaCodes[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};

const Field fields[] = {
    radioField(IDC_PS_INCH_RADIO, IDC_PS_METRIC_RADIO, FIELD(utility.paper.tray1Unit), units),
    radioField(IDC_PS_PLAIN_RADIO, IDC_PS_TRANSPARENCY_RADIO, FIELD(utility.paper.tray1Media),
               mediaCodes),
};

PaperSourceBlock& block() {
    return settingsRecord().utility.paper;
}

// The X and Y edits of the three typed sizes; the size kind that uses each pair.
struct SizeEdit {
    int control;
    bool isX;
    uint16_t PaperSourceBlock::*field;
    int kind;
};
const SizeEdit sizeEdits[] = {
    {IDC_PS_INPUT_X_EDIT, true, &PaperSourceBlock::sizeInputX, sizeKindInput},
    {IDC_PS_INPUT_Y_EDIT, false, &PaperSourceBlock::sizeInputY, sizeKindInput},
    {IDC_PS_MEMORY1_X_EDIT, true, &PaperSourceBlock::memory1X, sizeKindMemory1},
    {IDC_PS_MEMORY1_Y_EDIT, false, &PaperSourceBlock::memory1Y, sizeKindMemory1},
    {IDC_PS_MEMORY2_X_EDIT, true, &PaperSourceBlock::memory2X, sizeKindMemory2},
    {IDC_PS_MEMORY2_Y_EDIT, false, &PaperSourceBlock::memory2Y, sizeKindMemory2},
};
constexpr int sizeDigits = 3;
constexpr int sizeReadLimit = 8;

const SizeEdit* sizeEditOf(int control) {
    for (const SizeEdit& e : sizeEdits)
        if (e.control == control) return &e;
    return nullptr;
}

// Enables exactly the controls of one size kind.
void enableSizeKind(HWND page, int kind) {
    enableItem(page, IDC_PS_SIZE_LIST, kind == sizeKindList);
    for (const SizeEdit& e : sizeEdits)
        enableItem(page, e.control, e.kind == kind);
}

// Stores what the edit holds and completes it to a size the machine takes.
void completeSize(HWND page, const SizeEdit& e) {
    std::string text = itemText(page, e.control, sizeReadLimit);
    const bool wasFilling = sheetState.filling;
    sheetState.filling = true;
    const FilterResult found = filterDigits(text);
    if (found.kind == FilterResult::Remove) {
        applyFilter(text, found);
        putBackText(page, e.control, text, found.position);
    } else {
        SendDlgItemMessageA(page, e.control, EM_SETLIMITTEXT, sizeDigits, 0);
    }
    const SizeCompletion done = e.isX ? completeSizeX(text) : completeSizeY(text);
    block().*e.field = static_cast<uint16_t>(done.value);
    if (done.changed) {
        SetDlgItemTextA(page, e.control, done.text.c_str());
        SendDlgItemMessageA(page, e.control, EM_SETSEL, done.selectFrom, done.selectTo);
    }
    sheetState.filling = wasFilling;
}

void fillSizes(HWND page) {
    PaperSourceBlock& b = block();
    fillItemList(page, IDC_PS_SIZE_LIST, paperSizeItems, paperSizeItemCount, b.tray1Size);
    for (const SizeEdit& e : sizeEdits) {
        SetDlgItemTextA(page, e.control, std::to_string(b.*e.field).c_str());
        completeSize(page, e);
    }
}

void opened(HWND page) {
    PaperSourceBlock& b = block();
    if (!hasHagaki(settingsRecord().utility.machine.destinationCode)) {
        showItem(page, IDC_PS_HAGAKI_RADIO, false);
        if (b.tray1Size == sizeKindHagaki) b.tray1Size = 0;
    }
    const int kind = paperSizeKind(b.tray1Size);
    CheckRadioButton(page, IDC_PS_SIZE_LIST_RADIO, IDC_PS_MEMORY2_RADIO,
                     IDC_PS_SIZE_LIST_RADIO + kind);
    if (isA3Machine(shell.machineClass)) fillSizes(page);
    enableSizeKind(page, kind);
}

void onSizeListClicked(HWND page) {
    PaperSourceBlock& b = block();
    const int chosen = selectedItemData(page, IDC_PS_SIZE_LIST);
    if (paperSizeKind(b.tray1Size) != sizeKindList || chosen < 0) {
        b.tray1Size = 0;
        selectItemData(page, IDC_PS_SIZE_LIST, 0);
    } else {
        b.tray1Size = static_cast<uint8_t>(chosen);
    }
}

void onSizeKindClicked(HWND page, int control) {
    const int kind = control - IDC_PS_SIZE_LIST_RADIO;
    CheckRadioButton(page, IDC_PS_SIZE_LIST_RADIO, IDC_PS_MEMORY2_RADIO, control);
    if (kind == sizeKindList)
        onSizeListClicked(page);
    else
        block().tray1Size = static_cast<uint8_t>(kind);
    enableSizeKind(page, kind);
}

void onSizeChosen(HWND page) {
    const int chosen = selectedItemData(page, IDC_PS_SIZE_LIST);
    if (chosen < 0) {
        sheetState.commandPending = 0;
        return;
    }
    block().tray1Size = static_cast<uint8_t>(chosen);
    CheckRadioButton(page, IDC_PS_SIZE_LIST_RADIO, IDC_PS_MEMORY2_RADIO, IDC_PS_SIZE_LIST_RADIO);
}

bool command(HWND page, int control, int notification) {
    if (const SizeEdit* e = sizeEditOf(control)) {
        if (notification != EN_CHANGE) return false;
        completeSize(page, *e);
        return true;
    }
    if (control == IDC_PS_SIZE_LIST) {
        if (notification != CBN_SELCHANGE) return false;
        onSizeChosen(page);
        return true;
    }
    if (notification != BN_CLICKED) return false;
    if (control >= IDC_PS_SIZE_LIST_RADIO && control <= IDC_PS_MEMORY2_RADIO) {
        onSizeKindClicked(page, control);
        return true;
    }
    if (control == IDC_PS_TRAYS_BUTTON) {
        if (!TraySettingDialog(page)) sheetState.commandPending = 0;
        return true;
    }
    return false;
}

// The typed size of the chosen kind, X before Y.
bool check(HWND page, bool) {
    if (!isA3Machine(shell.machineClass)) return true;
    const int kind = paperSizeKind(block().tray1Size);
    for (const SizeEdit& e : sizeEdits) {
        if (e.kind != kind) continue;
        const bool ok = e.isX ? checkRangeField(page, e.control, sizeXLow, sizeXHigh, IDS_RANGE)
                              : checkRangeField(page, e.control, sizeYLow, sizeYHigh, IDS_RANGE);
        if (!ok) return false;
    }
    return true;
}

} // namespace

const SettingsPage paperSourcePage = {
    pagePaperSource, labels, std::size(labels), fields, std::size(fields),
    opened, command, nullptr, check, nullptr, nullptr,
};
