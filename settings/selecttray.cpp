// Select Tray (794): an Enable/Disable pair for each tray the machine has.
// The dialog edits the settings record directly and keeps a snapshot to put
// back on Cancel.
#include "selecttray.h"

#include "dialogkit.h"
#include "machinerules.h"
#include "resource.h"
#include "resourcemodule.h"
#include "settingspage.h"

namespace {

constexpr int trayCount = 5;

// The dialog is modal, so there is one of it at a time.
UtilitySettings snapshot;

int enableRadio(int tray) {
    return IDC_TRAY1_ENABLE_RADIO + 3 * tray;
}
int disableRadio(int tray) {
    return IDC_TRAY1_DISABLE_RADIO + 3 * tray;
}

void setLabels(HWND dialog) {
    SetWindowTextA(dialog, loadText(IDS_SELECT_TRAY).c_str());
    const LabelText buttons[] = {{IDOK, IDS_OK}, {IDCANCEL, IDS_CANCEL}};
    applyLabels(dialog, buttons);
    for (int tray = 0; tray < trayCount; ++tray) {
        const LabelText pair[] = {{IDC_SELECT_TRAY1_GROUP + tray, static_cast<UINT>(IDS_TRAY1 + tray)},
                                  {enableRadio(tray), IDS_TRAY_ENABLE},
                                  {disableRadio(tray), IDS_TRAY_DISABLE}};
        applyLabels(dialog, pair);
    }
}

void onInitDialog(HWND dialog) {
    snapshot = settingsRecord().utility;
    setLabels(dialog);
    const int shown = installedTrays(settingsDocument().config);
    for (int tray = 0; tray < trayCount; ++tray) {
        const bool enabled = snapshot.trayEnable[tray] != 0;
        checkItem(dialog, enableRadio(tray), enabled);
        checkItem(dialog, disableRadio(tray), !enabled);
        for (int control : {IDC_SELECT_TRAY1_GROUP + tray, enableRadio(tray), disableRadio(tray)})
            showItem(dialog, control, tray < shown);
    }
}

void onRadio(int control) {
    const int tray = (control - IDC_TRAY1_ENABLE_RADIO) / 3;
    if (tray < 0 || tray >= trayCount) return;
    settingsRecord().utility.trayEnable[tray] =
        control == enableRadio(tray) ? static_cast<uint8_t>(1u << tray) : 0;
}

void onCancel(HWND dialog) {
    settingsRecord().utility = snapshot;
    EndDialog(dialog, 0);
}

INT_PTR CALLBACK SelectTrayProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        onInitDialog(dialog);
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK:
            EndDialog(dialog, 1);
            break;
        case IDCANCEL:
            onCancel(dialog);
            break;
        default:
            if (HIWORD(wParam) == BN_CLICKED) onRadio(LOWORD(wParam));
        }
        return TRUE;
    case WM_CLOSE:
        onCancel(dialog);
        return TRUE;
    }
    return FALSE;
}

} // namespace

int SelectTrayDialog(HWND owner) {
    return runResourceDialog(owner, IDD_SELECT_TRAY, SelectTrayProc) == 1 ? 1 : 0;
}
