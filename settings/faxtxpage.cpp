// FAX TX Operation (Utility sheet): the scan density, the quality, the default
// transmission mode and the header and number-confirmation switches. The
// slider moves a working level that becomes the stored density at apply.
#include "pages.h"

#include "faxrules.h"
#include "machinerules.h"
#include "resource.h"

namespace {

const LabelText labels[] = {
    {IDC_FTX_DENSITY_LABEL, IDS_FTX_DENSITY},
    {IDC_FTX_LIGHT_LABEL, IDS_FTX_LIGHT},
    {IDC_FTX_DARK_LABEL, IDS_FTX_DARK},
    {IDC_FTX_QUALITY_LABEL, IDS_FTX_QUALITY},
    {IDC_FTX_TX_MODE_GROUP, IDS_FTX_TX_MODE},
    {IDC_FTX_MEMORY_TX_RADIO, IDS_FTX_MEMORY_TX},
    {IDC_FTX_ADF_TX_RADIO, IDS_FTX_ADF_TX},
    {IDC_FTX_HEADER_CHECK, IDS_FTX_HEADER},
    {IDC_FTX_CONFIRM_NUMBER_CHECK, IDS_FTX_CONFIRM_NUMBER},
};

const uint32_t txModes[] = {0, 4};
const uint32_t headerValues[] = {0, 2};
const uint32_t confirmValues[] = {0, 16};

constexpr size_t densitySlider = 0; // the row the page loads again once the level is known
const Field fields[] = {
    sliderField(IDC_FTX_DENSITY_SLIDER),
    radioField(IDC_FTX_MEMORY_TX_RADIO, IDC_FTX_ADF_TX_RADIO, FIELD(utility.defaultTxMode),
               txModes),
    checkField(IDC_FTX_HEADER_CHECK, FIELD(utility.faxHeader), headerValues),
    checkField(IDC_FTX_CONFIRM_NUMBER_CHECK, FIELD(utility.confirmFaxNumber), confirmValues),
};

UtilitySettings& fax() {
    return settingsRecord().utility;
}

void opened(HWND page) {
    UtilitySettings& u = fax();
    u.faxDensityLevel = static_cast<uint8_t>(faxDensityLevelOf(u.faxDensity, u.faxDensityLevel));
    loadField(page, fields[densitySlider]);
    FillComboFromStrings(page, IDC_FTX_QUALITY_LIST, IDS_FAX_QUALITY_FIRST, IDS_FAX_QUALITY_LAST,
                         faxQualityPosition(u.faxQuality));
    enableItem(page, IDC_FTX_ADF_TX_RADIO, hasDocumentFeeder(settingsDocument().config));
    if (u.defaultTxMode != 4) checkItem(page, IDC_FTX_MEMORY_TX_RADIO, true);
}

bool command(HWND page, int control, int notification) {
    if (control != IDC_FTX_QUALITY_LIST || notification != CBN_SELCHANGE) return false;
    const int position = comboSelection(page, control);
    if (position < 0) {
        sheetState.commandPending = 0;
        return true;
    }
    fax().faxQuality = faxQualityCode(position);
    return true;
}

void applying(HWND) {
    fax().faxDensity = faxDensityOf(fax().faxDensityLevel);
}

} // namespace

const SettingsPage faxTxPage = {
    pageFaxTx, labels, std::size(labels), fields, std::size(fields),
    opened, command, nullptr, nullptr, applying, nullptr,
};
