// User Setting (Administrator sheet): the time zone, daylight saving and the
// language of the machine's web pages. Its apply also renames the tree's root
// after the machine name.
#include "pages.h"
#include "resource.h"
#include "settingsrules.h"
#include "shellstate.h"

namespace {

const LabelText labels[] = {
    {IDC_US_TIME_ZONE_LABEL, IDS_US_TIME_ZONE},
    {IDC_US_DAYLIGHT_CHECK, IDS_US_DAYLIGHT},
    {IDC_US_WEB_LANGUAGE_LABEL, IDS_US_WEB_LANGUAGE},
};

const uint32_t daylightValues[] = {0, 128};
const int daylightMinutes[] = {IDC_US_DAYLIGHT_SLIDER, IDC_US_DAYLIGHT_LABEL};

const Field fields[] = {
    withDependants(checkField(IDC_US_DAYLIGHT_CHECK, FIELD(image.daylightSaving), daylightValues),
                   daylightMinutes),
    sliderField(IDC_US_DAYLIGHT_SLIDER),
    listField(IDC_US_WEB_LANGUAGE_LIST, FIELD(image.webLanguage), IDS_WEB_FIRST, IDS_WEB_LAST),
};

// The list skips the codes 25 to 32, so its position is not the code.
void opened(HWND page) {
    FillComboFromStrings(page, IDC_US_TIME_ZONE_LIST, IDS_TZ_FIRST, IDS_TZ_LAST,
                         positionOfTimeZone(settingsRecord().image.timeZone));
}

bool command(HWND page, int control, int notification) {
    if (control != IDC_US_TIME_ZONE_LIST) return false;
    const int position = comboSelection(page, control);
    if (notification != CBN_SELCHANGE || position < 0) {
        sheetState.commandPending = 0;
        return true;
    }
    settingsRecord().image.timeZone = timeZoneOfPosition(position);
    return true;
}

void applying(HWND) {
    setTreeRootText(shell.tree);
}

} // namespace

const SettingsPage userSettingPage = {
    pageUserSetting, labels, std::size(labels), fields, std::size(fields),
    opened, command, nullptr, nullptr, applying, nullptr,
};
