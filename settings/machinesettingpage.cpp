// Machine Setting (Utility sheet): panel reset, sleep, contrast and density,
// the panel language and the key repeat. The page backs up its whole block
// when it opens and puts it back when the sheet is cancelled.
#include "pages.h"

#include "machinedialogs.h"
#include "machinerules.h"
#include "messages.h"
#include "resource.h"
#include "resourcemodule.h"
#include "settingsrules.h"

#include <commctrl.h>

#include <cstdio>

namespace {

const LabelText labels[] = {
    {IDC_MS_PANEL_RESET_CHECK, IDS_MS_PANEL_RESET},
    {IDC_MS_SLEEP_TITLE, IDS_MS_SLEEP},
    {IDC_MS_LCD_CONTRAST_LABEL, IDS_MS_LCD_CONTRAST},
    {IDC_MS_PRINT_DENSITY_LABEL, IDS_MS_PRINT_DENSITY},
    {IDC_MS_ADF_GROUP, IDS_MS_ADF},
    {IDC_MS_ADF_MODE1_RADIO, IDS_MS_ADF_MODE1},
    {IDC_MS_ADF_MODE2_RADIO, IDS_MS_ADF_MODE2},
    {IDC_MS_BOOK_GROUP, IDS_MS_BOOK},
    {IDC_MS_BOOK_MODE1_RADIO, IDS_MS_BOOK_MODE1},
    {IDC_MS_BOOK_MODE2_RADIO, IDS_MS_BOOK_MODE2},
    {IDC_MS_INITIAL_GROUP, IDS_MS_INITIAL},
    {IDC_MS_INITIAL_COPY_RADIO, IDS_MS_INITIAL_COPY},
    {IDC_MS_INITIAL_FAX_RADIO, IDS_MS_INITIAL_FAX},
    {IDC_MS_LANGUAGE_LABEL, IDS_MS_LANGUAGE},
    {IDC_MS_SCAN_THRESHOLD_LABEL, IDS_MS_SCAN_THRESHOLD},
    {IDC_MS_KEY_REPEAT_GROUP, IDS_MS_KEY_REPEAT},
    {IDC_MS_REPEAT_START_LABEL, IDS_MS_REPEAT_START},
    {IDC_MS_REPEAT_INTERVAL_LABEL, IDS_MS_REPEAT_INTERVAL},
    {IDC_MS_BUZZER_BUTTON, IDS_MS_BUZZER},
    {IDC_MS_SHUT_OFF_GROUP, IDS_MS_SHUT_OFF_GROUP},
    {IDC_MS_SHUT_OFF_CHECK, IDS_MS_SHUT_OFF},
};

const uint32_t modes[] = {0, 1};

const Field fields[] = {
    sliderField(IDC_MS_SLEEP_SLIDER),
    sliderField(IDC_MS_SHUT_OFF_SLIDER),
    sliderField(IDC_MS_LCD_CONTRAST_SLIDER),
    sliderField(IDC_MS_PRINT_DENSITY_SLIDER),
    radioField(IDC_MS_ADF_MODE1_RADIO, IDC_MS_ADF_MODE2_RADIO,
               FIELD(utility.machine.adfDensityMode), modes),
    radioField(IDC_MS_BOOK_MODE1_RADIO, IDC_MS_BOOK_MODE2_RADIO,
               FIELD(utility.machine.bookDensityMode), modes),
    radioField(IDC_MS_INITIAL_COPY_RADIO, IDC_MS_INITIAL_FAX_RADIO,
               FIELD(utility.machine.initialMode), modes),
    listField(IDC_MS_REPEAT_START_LIST, FIELD(utility.machine.keyRepeatStart), IDS_REPEAT_FIRST,
              IDS_REPEAT_LAST),
    listField(IDC_MS_REPEAT_INTERVAL_LIST, FIELD(utility.machine.keyRepeatInterval),
              IDS_REPEAT_FIRST, IDS_REPEAT_LAST),
};

const int shutOffControls[] = {IDC_MS_SHUT_OFF_GROUP, IDC_MS_SHUT_OFF_CHECK,
                               IDC_MS_SHUT_OFF_SLIDER, IDC_MS_SHUT_OFF_LABEL};

MachineSettingBlock backup;

MachineSettingBlock& block() {
    return settingsRecord().utility.machine;
}

// The list holds the six times while the reset is on, "Disable" alone otherwise.
void fillPanelResetList(HWND page) {
    const PanelResetList list = panelResetList(block().autoPanelResetTime);
    SendDlgItemMessageA(page, IDC_MS_PANEL_RESET_LIST, CB_RESETCONTENT, 0, 0);
    FillComboFromStrings(page, IDC_MS_PANEL_RESET_LIST, list.first, list.last, list.selection);
}

void fillLanguages(HWND page) {
    unsigned languages[maxLanguages];
    const size_t count = panelLanguages(block().destinationCode, languages);
    for (size_t i = 0; i < count; ++i)
        SendDlgItemMessageA(page, IDC_MS_LANGUAGE_LIST, CB_ADDSTRING, 0,
                            reinterpret_cast<LPARAM>(loadText(languages[i]).c_str()));
    SendDlgItemMessageA(page, IDC_MS_LANGUAGE_LIST, CB_SETCURSEL, block().panelLanguage, 0);
}

void opened(HWND page) {
    backup = block();
    sheetState.changed[pageMachineSetting] = 0;
    checkItem(page, IDC_MS_PANEL_RESET_CHECK, block().autoPanelResetTime != 0);
    fillPanelResetList(page);
    for (int control : shutOffControls)
        showItem(page, control, false);
    const bool feeder = hasDocumentFeeder(settingsDocument().config);
    enableItem(page, IDC_MS_ADF_MODE1_RADIO, feeder);
    enableItem(page, IDC_MS_ADF_MODE2_RADIO, feeder);
    fillLanguages(page);
    FillComboFromStrings(page, IDC_MS_SCAN_THRESHOLD_LIST, IDS_THRESHOLD_FIRST, IDS_THRESHOLD_LAST,
                         scanThresholdItem(block().scanThreshold));
}

} // namespace

void ShowAutoShutOffTime(HWND page) {
    const SliderSpec* slider = sliderSpec(IDC_MS_SHUT_OFF_SLIDER);
    uint32_t& time = block().autoShutOffTime;
    if (time < static_cast<uint32_t>(slider->low)) time = static_cast<uint32_t>(slider->low);
    if (time > static_cast<uint32_t>(slider->high)) time = static_cast<uint32_t>(slider->high);
    SendDlgItemMessageA(page, IDC_MS_SHUT_OFF_SLIDER, TBM_SETPOS, TRUE, static_cast<LPARAM>(time));
    char text[64];
    std::snprintf(text, sizeof text, "%lu %s", static_cast<unsigned long>(time),
                  loadText(IDS_UNIT_MIN).c_str());
    SetDlgItemTextA(page, IDC_MS_SHUT_OFF_LABEL, text);
}

namespace {

void onPanelResetClicked(HWND page) {
    MachineSettingBlock& b = block();
    const bool on = isItemChecked(page, IDC_MS_PANEL_RESET_CHECK);
    b.autoPanelReset = on ? 1 : 0;
    b.autoPanelResetTime = on ? panelResetTimeWhenOn(b.autoPanelResetTime) : 0;
    fillPanelResetList(page);
}

void onPanelResetChosen(HWND page) {
    const int item = comboSelection(page, IDC_MS_PANEL_RESET_LIST);
    // "Disable" alone in the list stands for no time at all.
    if (block().autoPanelResetTime == 0 || item < 0) {
        sheetState.commandPending = 0;
        return;
    }
    block().autoPanelResetTime = static_cast<uint8_t>(item + 1);
}

void onShutOffClicked(HWND page) {
    MachineSettingBlock& b = block();
    const bool on = isItemChecked(page, IDC_MS_SHUT_OFF_CHECK);
    b.autoShutOff = on ? 1 : 0;
    enableItem(page, IDC_MS_SHUT_OFF_SLIDER, on);
    enableItem(page, IDC_MS_SHUT_OFF_LABEL, on);
    if (on) {
        b.autoShutOffTime = 30;
        ShowAutoShutOffTime(page);
        return;
    }
    b.autoShutOffTime = 0;
    SendDlgItemMessageA(page, IDC_MS_SHUT_OFF_SLIDER, TBM_SETPOS, TRUE, 15);
    SetDlgItemTextA(page, IDC_MS_SHUT_OFF_LABEL, loadText(IDS_PANEL_RESET_DISABLE).c_str());
}

bool onChosen(HWND page, int control) {
    const int item = comboSelection(page, control);
    if (item < 0) return false;
    if (control == IDC_MS_LANGUAGE_LIST) block().panelLanguage = static_cast<uint8_t>(item);
    if (control == IDC_MS_SCAN_THRESHOLD_LIST) block().scanThreshold = scanThresholdOfItem(item);
    return true;
}

bool command(HWND page, int control, int notification) {
    if (notification == CBN_SELCHANGE) {
        switch (control) {
        case IDC_MS_PANEL_RESET_LIST:
            onPanelResetChosen(page);
            return true;
        case IDC_MS_LANGUAGE_LIST:
        case IDC_MS_SCAN_THRESHOLD_LIST:
            return onChosen(page, control);
        }
        return false;
    }
    if (notification != BN_CLICKED) return false;
    switch (control) {
    case IDC_MS_PANEL_RESET_CHECK:
        onPanelResetClicked(page);
        return true;
    case IDC_MS_SHUT_OFF_CHECK:
        onShutOffClicked(page);
        return true;
    case IDC_MS_BUZZER_BUTTON:
        if (!BuzzerVolumeDialog(page)) sheetState.commandPending = 0;
        return true;
    }
    return false;
}

bool check(HWND page, bool) {
    if (block().sleepModeTime <= 60) return true;
    ShowMessage(page, IDS_RANGE, MB_OK, 1, 60);
    refuseAt(page, IDC_MS_SLEEP_SLIDER);
    return false;
}

void reset(HWND) {
    block() = backup;
}

} // namespace

const SettingsPage machineSettingPage = {
    pageMachineSetting, labels, std::size(labels), fields, std::size(fields),
    opened, command, nullptr, check, nullptr, reset,
};
