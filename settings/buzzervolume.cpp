// Buzzer Volume (377): the buzzer on or off and the ten volumes, each a level
// kept in its bit pair. Cancel puts the Machine Setting block back as it was
// when the dialog opened.
#include "machinedialogs.h"

#include "dialogkit.h"
#include "machinerules.h"
#include "resource.h"
#include "resourcemodule.h"
#include "settingspage.h"

namespace {

const LabelText labels[] = {
    {IDC_BUZ_ENABLE_RADIO, IDS_BUZ_ENABLE},
    {IDC_BUZ_DISABLE_RADIO, IDS_BUZ_DISABLE},
    {IDC_BUZ_INPUT_GROUP, IDS_BUZ_INPUT},
    {IDC_BUZ_COMPLETION_GROUP, IDS_BUZ_COMPLETION},
    {IDC_BUZ_CAUTION_GROUP, IDS_BUZ_CAUTION},
    {IDC_BUZ_VALID_LABEL, IDS_BUZ_VALID},
    {IDC_BUZ_INVALID_LABEL, IDS_BUZ_INVALID},
    {IDC_BUZ_BASE_LABEL, IDS_BUZ_BASE},
    {IDC_BUZ_PRINT_LABEL, IDS_BUZ_PRINT},
    {IDC_BUZ_FAX_LABEL, IDS_BUZ_FAX},
    {IDC_BUZ_PREPARATION_LABEL, IDS_BUZ_PREPARATION},
    {IDC_BUZ_LOW_CAUTION1_LABEL, IDS_BUZ_LOW_CAUTION1},
    {IDC_BUZ_LOW_CAUTION2_LABEL, IDS_BUZ_LOW_CAUTION2},
    {IDC_BUZ_LOW_CAUTION3_LABEL, IDS_BUZ_LOW_CAUTION3},
    {IDC_BUZ_HIGH_CAUTION_LABEL, IDS_BUZ_HIGH_CAUTION},
    {IDOK, IDS_OK},
    {IDCANCEL, IDS_CANCEL},
};

// The lists in the order of the volumes they set.
const int volumeLists[buzzerVolumeCount] = {
    IDC_BUZ_VALID_LIST,        IDC_BUZ_INVALID_LIST,      IDC_BUZ_BASE_LIST,
    IDC_BUZ_PRINT_LIST,        IDC_BUZ_FAX_LIST,          IDC_BUZ_PREPARATION_LIST,
    IDC_BUZ_LOW_CAUTION1_LIST, IDC_BUZ_LOW_CAUTION2_LIST, IDC_BUZ_LOW_CAUTION3_LIST,
    IDC_BUZ_HIGH_CAUTION_LIST,
};
const int groups[] = {IDC_BUZ_INPUT_GROUP, IDC_BUZ_COMPLETION_GROUP, IDC_BUZ_CAUTION_GROUP};

constexpr uint8_t buzzerOn = 128;

MachineSettingBlock snapshot;

MachineSettingBlock& block() {
    return settingsRecord().utility.machine;
}

void enableVolumes(HWND dialog) {
    const bool on = block().buzzerEnabled == buzzerOn;
    for (int group : groups)
        enableItem(dialog, group, on);
    for (int list : volumeLists)
        enableItem(dialog, list, on);
}

void onInitDialog(HWND dialog) {
    SetWindowTextA(dialog, loadText(IDS_BUZ_TITLE).c_str());
    applyLabels(dialog, labels);
    snapshot = block();
    checkItem(dialog, IDC_BUZ_ENABLE_RADIO, block().buzzerEnabled == buzzerOn);
    checkItem(dialog, IDC_BUZ_DISABLE_RADIO, block().buzzerEnabled == 0);
    for (int i = 0; i < buzzerVolumeCount; ++i)
        FillComboFromStrings(dialog, volumeLists[i], IDS_VOLUME_FIRST, IDS_VOLUME_LAST,
                             buzzerLevel(i, block().buzzerVolumes[i]));
    enableVolumes(dialog);
}

void onVolumeChosen(HWND dialog, int control) {
    for (int i = 0; i < buzzerVolumeCount; ++i) {
        if (volumeLists[i] != control) continue;
        const int level = comboSelection(dialog, control);
        if (level >= 0) block().buzzerVolumes[i] = buzzerStored(i, level);
    }
}

void onCommand(HWND dialog, int control, int notification) {
    switch (control) {
    case IDOK:
        EndDialog(dialog, 1);
        return;
    case IDCANCEL:
        block() = snapshot;
        EndDialog(dialog, 0);
        return;
    case IDC_BUZ_ENABLE_RADIO:
    case IDC_BUZ_DISABLE_RADIO:
        if (notification != BN_CLICKED) return;
        block().buzzerEnabled = control == IDC_BUZ_ENABLE_RADIO ? buzzerOn : 0;
        CheckRadioButton(dialog, IDC_BUZ_DISABLE_RADIO, IDC_BUZ_ENABLE_RADIO, control);
        enableVolumes(dialog);
        return;
    }
    if (notification == CBN_SELCHANGE) onVolumeChosen(dialog, control);
}

INT_PTR CALLBACK BuzzerVolumeDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        onInitDialog(dialog);
        return TRUE;
    case WM_COMMAND:
        onCommand(dialog, LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

} // namespace

int BuzzerVolumeDialog(HWND page) {
    return runResourceDialog(page, IDD_BUZZER_VOLUME, BuzzerVolumeDlgProc) == 1 ? 1 : 0;
}
