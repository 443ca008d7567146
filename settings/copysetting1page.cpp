// Copy Setting(1) (Utility sheet, A3 machines only): the copy defaults of
// paper, quality and density, binding, margin and erase widths and duplex.
// The lists of trays and duplex modes follow the machine's equipment.
#include "pages.h"

#include "itemlist.h"
#include "machinerules.h"
#include "messages.h"
#include "resource.h"
#include "shellstate.h"

namespace {

const LabelText labels[] = {
    {IDC_CS1_PAPER_LABEL, IDS_CS1_PAPER},
    {IDC_CS1_QUALITY_GROUP, IDS_CS1_QUALITY},
    {IDC_CS1_TEXT_RADIO, IDS_CS1_TEXT},
    {IDC_CS1_PHOTO_RADIO, IDS_CS1_PHOTO},
    {IDC_CS1_TEXT_PHOTO_RADIO, IDS_CS1_TEXT_PHOTO},
    {IDC_CS1_DENSITY_GROUP, IDS_CS1_DENSITY},
    {IDC_CS1_DENSITY_AUTO_RADIO, IDS_CS1_AUTO},
    {IDC_CS1_DENSITY_MANUAL_RADIO, IDS_CS1_MANUAL},
    {IDC_CS1_LEVEL_GROUP, IDS_CS1_LEVEL},
    {IDC_CS1_LIGHT_RADIO, IDS_CS1_LIGHT},
    {IDC_CS1_NORMAL_RADIO, IDS_CS1_NORMAL},
    {IDC_CS1_DARK_RADIO, IDS_CS1_DARK},
    {IDC_CS1_DENSITY_LABEL, IDS_CS1_DENSITY_LEVEL},
    {IDC_CS1_OUTER_ERASE_LABEL, IDS_CS1_OUTER_ERASE},
    {IDC_CS1_BINDING_GROUP, IDS_CS1_BINDING},
    {IDC_CS1_BIND_LEFT_RADIO, IDS_CS1_BIND_LEFT},
    {IDC_CS1_BIND_RIGHT_RADIO, IDS_CS1_BIND_RIGHT},
    {IDC_CS1_MARGIN_LABEL, IDS_CS1_MARGIN},
    {IDC_CS1_SMALL_ORIGINAL_CHECK, IDS_CS1_SMALL_ORIGINAL},
    {IDC_CS1_ERASE_GROUP, IDS_CS1_ERASE},
    {IDC_CS1_ERASE_LEFT_LABEL, IDS_CS1_ERASE_LEFT},
    {IDC_CS1_ERASE_UPPER_LABEL, IDS_CS1_ERASE_UPPER},
    {IDC_CS1_ERASE_FRAME_LABEL, IDS_CS1_ERASE_FRAME},
    {IDC_CS1_DUPLEX_LABEL, IDS_CS1_DUPLEX},
    {IDC_CS1_OUTPUT_BINDING_LABEL, IDS_CS1_OUTPUT_BINDING},
    {IDC_CS1_ORIGINAL_BINDING_LABEL, IDS_CS1_ORIGINAL_BINDING},
};

const uint32_t three[] = {0, 1, 2};
constexpr uint8_t widthDigits = 2;

enum : size_t { qualityRow, densityRow, eraseLeftRow = 6, eraseUpperRow, eraseFrameRow };
const Field fields[] = {
    radioField(IDC_CS1_TEXT_RADIO, IDC_CS1_TEXT_PHOTO_RADIO, FIELD(utility.copy1.qualityPriority),
               three),
    radioField(IDC_CS1_DENSITY_AUTO_RADIO, IDC_CS1_DENSITY_MANUAL_RADIO,
               FIELD(utility.copy1.densityPriority), three),
    radioField(IDC_CS1_LIGHT_RADIO, IDC_CS1_DARK_RADIO, FIELD(utility.copy1.autoDensityLevel),
               three),
    radioField(IDC_CS1_BIND_LEFT_RADIO, IDC_CS1_BIND_RIGHT_RADIO,
               FIELD(utility.copy1.bindingPosition), three),
    numberField(IDC_CS1_MARGIN_EDIT, FIELD(utility.copy1.pageMargin), widthDigits),
    checkField(IDC_CS1_SMALL_ORIGINAL_CHECK, FIELD(utility.copy1.smallOriginal)),
    numberField(IDC_CS1_ERASE_LEFT_EDIT, FIELD(utility.copy1.eraseLeft), widthDigits),
    numberField(IDC_CS1_ERASE_UPPER_EDIT, FIELD(utility.copy1.eraseUpper), widthDigits),
    numberField(IDC_CS1_ERASE_FRAME_EDIT, FIELD(utility.copy1.eraseFrame), widthDigits),
    sliderField(IDC_CS1_DENSITY_SLIDER),
    sliderField(IDC_CS1_OUTER_ERASE_SLIDER),
    listField(IDC_CS1_OUTPUT_BINDING_LIST, FIELD(utility.copy1.outputBindingPosition),
              IDS_BINDING_FIRST, IDS_BINDING_LAST),
    listField(IDC_CS1_ORIGINAL_BINDING_LIST, FIELD(utility.copy1.originalBindingPosition),
              IDS_BINDING_FIRST, IDS_BINDING_LAST),
};

constexpr uint8_t qualityPhoto = 1;
constexpr uint8_t densityAuto = 0, densityManual = 1;

CopySetting1Block& block() {
    return settingsRecord().utility.copy1;
}

// Photo needs a manual density; the Auto density does not go with Photo.
void enableQualityRules(HWND page) {
    enableItem(page, IDC_CS1_PHOTO_RADIO, block().densityPriority != densityAuto);
    enableItem(page, IDC_CS1_DENSITY_AUTO_RADIO, block().qualityPriority != qualityPhoto);
}

void fillPaperPriority(HWND page) {
    const uint8_t* config = settingsDocument().config;
    ListItem items[6];
    const size_t count = paperPriorityItems(config, items);
    block().paperPriority = paperPriorityFor(block().paperPriority, config);
    fillItemList(page, IDC_CS1_PAPER_LIST, items, count, block().paperPriority);
}

void fillDuplex(HWND page) {
    ListItem items[4];
    const size_t count = duplexItems(settingsDocument().config, items);
    fillItemList(page, IDC_CS1_DUPLEX_LIST, items, count, block().duplexPriority);
    enableItem(page, IDC_CS1_DUPLEX_LIST, count != 0);
}

void opened(HWND page) {
    CopySetting1Block& b = block();
    fillPaperPriority(page);
    if (b.qualityPriority >= 4) b.qualityPriority = 0;
    if (b.densityPriority > 2) b.densityPriority = 0;
    b.eraseLeft = clampErase(b.eraseLeft);
    b.eraseUpper = clampErase(b.eraseUpper);
    b.eraseFrame = clampErase(b.eraseFrame);
    for (size_t row : {qualityRow, densityRow, eraseLeftRow, eraseUpperRow, eraseFrameRow})
        loadField(page, fields[row]);
    enableQualityRules(page);
    fillDuplex(page);
}

void setQuality(HWND page, int control, uint8_t quality) {
    CopySetting1Block& b = block();
    b.qualityPriority = quality;
    CheckRadioButton(page, IDC_CS1_TEXT_RADIO, IDC_CS1_TEXT_PHOTO_RADIO, control);
    // Photo goes with a manual density, Text and Text/Photo with Auto.
    b.densityPriority = quality == qualityPhoto ? densityManual : densityAuto;
    CheckRadioButton(page, IDC_CS1_DENSITY_AUTO_RADIO, IDC_CS1_DENSITY_MANUAL_RADIO,
                     IDC_CS1_DENSITY_AUTO_RADIO + b.densityPriority);
    enableQualityRules(page);
}

void setDensity(HWND page, int control, uint8_t density) {
    block().densityPriority = density;
    CheckRadioButton(page, IDC_CS1_DENSITY_AUTO_RADIO, IDC_CS1_DENSITY_MANUAL_RADIO, control);
    enableQualityRules(page);
}

bool onChosen(HWND page, int control, uint8_t& field) {
    const int data = selectedItemData(page, control);
    if (data < 0) return false;
    field = static_cast<uint8_t>(data);
    return true;
}

bool command(HWND page, int control, int notification) {
    if (notification == CBN_SELCHANGE) {
        if (control == IDC_CS1_PAPER_LIST) return onChosen(page, control, block().paperPriority);
        if (control == IDC_CS1_DUPLEX_LIST) return onChosen(page, control, block().duplexPriority);
        return false;
    }
    if (notification != BN_CLICKED) return false;
    switch (control) {
    case IDC_CS1_TEXT_RADIO:
    case IDC_CS1_PHOTO_RADIO:
    case IDC_CS1_TEXT_PHOTO_RADIO:
        setQuality(page, control, static_cast<uint8_t>(control - IDC_CS1_TEXT_RADIO));
        return true;
    case IDC_CS1_DENSITY_AUTO_RADIO:
    case IDC_CS1_DENSITY_MANUAL_RADIO:
        setDensity(page, control, static_cast<uint8_t>(control - IDC_CS1_DENSITY_AUTO_RADIO));
        return true;
    }
    return false;
}

bool check(HWND page, bool) {
    if (!isA3Machine(shell.machineClass)) return true;
    if (!checkRangeField(page, IDC_CS1_MARGIN_EDIT, marginLow, marginHigh, IDS_RANGE))
        return false;
    for (int edit : {IDC_CS1_ERASE_LEFT_EDIT, IDC_CS1_ERASE_UPPER_EDIT, IDC_CS1_ERASE_FRAME_EDIT})
        if (!checkRangeField(page, edit, eraseLow, eraseHigh, IDS_RANGE)) return false;
    return true;
}

} // namespace

const SettingsPage copySetting1Page = {
    pageCopySetting1, labels, std::size(labels), fields, std::size(fields),
    opened, command, nullptr, check, nullptr, nullptr,
};
