// Tray 2~5 Setting (759): the media and unit of each installed tray beyond
// tray 1. Cancel puts the Paper Source block back as it was when it opened.
#include "machinedialogs.h"

#include "dialogkit.h"
#include "machinerules.h"
#include "resource.h"
#include "resourcemodule.h"
#include "settingspage.h"
#include "shellstate.h"

#include <vector>

namespace {

struct TrayControls {
    int group;
    UINT title;
    int media[trayMediaCount]; // Plain, Recycle, Special, 1-Side
    int inch, metric;
};
const TrayControls trays[] = {
    {IDC_TRAY2_GROUP, IDS_TRAY2,
     {IDC_TRAY2_PLAIN_RADIO, IDC_TRAY2_RECYCLE_RADIO, IDC_TRAY2_SPECIAL_RADIO,
      IDC_TRAY2_ONE_SIDE_RADIO},
     IDC_TRAY2_INCH_RADIO, IDC_TRAY2_METRIC_RADIO},
    {IDC_TRAY3_GROUP, IDS_TRAY3,
     {IDC_TRAY3_PLAIN_RADIO, IDC_TRAY3_RECYCLE_RADIO, IDC_TRAY3_SPECIAL_RADIO,
      IDC_TRAY3_ONE_SIDE_RADIO},
     IDC_TRAY3_INCH_RADIO, IDC_TRAY3_METRIC_RADIO},
    {IDC_TRAY4_GROUP, IDS_TRAY4,
     {IDC_TRAY4_PLAIN_RADIO, IDC_TRAY4_RECYCLE_RADIO, IDC_TRAY4_SPECIAL_RADIO,
      IDC_TRAY4_ONE_SIDE_RADIO},
     IDC_TRAY4_INCH_RADIO, IDC_TRAY4_METRIC_RADIO},
    {IDC_TRAY5_GROUP, IDS_TRAY5,
     {IDC_TRAY5_PLAIN_RADIO, IDC_TRAY5_RECYCLE_RADIO, IDC_TRAY5_SPECIAL_RADIO,
      IDC_TRAY5_ONE_SIDE_RADIO},
     IDC_TRAY5_INCH_RADIO, IDC_TRAY5_METRIC_RADIO},
};
constexpr int firstTray = 2;
const UINT mediaTitles[trayMediaCount] = {IDS_TRAY_PLAIN, IDS_TRAY_RECYCLE, IDS_TRAY_SPECIAL,
                                          IDS_TRAY_ONE_SIDE};

PaperSourceBlock snapshot;

PaperSourceBlock& block() {
    return settingsRecord().utility.paper;
}

void applyTrayLabels(HWND dialog) {
    std::vector<LabelText> labels = {{IDOK, IDS_OK}, {IDCANCEL, IDS_CANCEL}};
    for (const TrayControls& t : trays) {
        labels.push_back({t.group, t.title});
        for (size_t i = 0; i < trayMediaCount; ++i)
            labels.push_back({t.media[i], mediaTitles[i]});
        labels.push_back({t.inch, IDS_TRAY_INCH});
        labels.push_back({t.metric, IDS_TRAY_METRIC});
    }
    applyLabels(dialog, labels.data(), labels.size());
}

void showTray(HWND dialog, const TrayControls& t, bool shown) {
    showItem(dialog, t.group, shown);
    for (int radio : t.media)
        showItem(dialog, radio, shown);
    showItem(dialog, t.inch, shown);
    showItem(dialog, t.metric, shown);
}

void centreOnScreen(HWND dialog) {
    RECT r;
    GetWindowRect(dialog, &r);
    const int width = r.right - r.left, height = r.bottom - r.top;
    SetWindowPos(dialog, nullptr, (shell.screenWidth - width) / 2,
                 (shell.screenHeight - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

void onInitDialog(HWND dialog) {
    SetWindowTextA(dialog, loadText(IDS_TRAY_TITLE).c_str());
    applyTrayLabels(dialog);
    centreOnScreen(dialog);
    snapshot = block();
    PaperSourceBlock& b = block();
    const uint8_t* config = settingsDocument().config;
    const bool a3 = isA3Machine(shell.machineClass);
    const int installed = installedTrays(config);
    for (size_t n = 0; n < std::size(trays); ++n) {
        const TrayControls& t = trays[n];
        if (a3) {
            b.trayMedia[n] = trayMediaFor(b.trayMedia[n], config);
            showTray(dialog, t, static_cast<int>(n) + firstTray <= installed);
        }
        for (size_t i = 0; i < trayMediaCount; ++i)
            checkItem(dialog, t.media[i], b.trayMedia[n] == trayMediaCodes[i]);
        checkItem(dialog, t.inch, b.trayUnit[n] == 0);
        checkItem(dialog, t.metric, b.trayUnit[n] == 1);
    }
}

// A radio of one tray: its media or its unit.
void onRadioClicked(HWND dialog, int control) {
    for (size_t n = 0; n < std::size(trays); ++n) {
        const TrayControls& t = trays[n];
        for (size_t i = 0; i < trayMediaCount; ++i) {
            if (t.media[i] != control) continue;
            block().trayMedia[n] = trayMediaCodes[i];
            CheckRadioButton(dialog, t.media[0], t.media[trayMediaCount - 1], control);
        }
        if (control == t.inch || control == t.metric) {
            block().trayUnit[n] = control == t.metric ? 1 : 0;
            CheckRadioButton(dialog, t.inch, t.metric, control);
        }
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
    }
    if (notification == BN_CLICKED) onRadioClicked(dialog, control);
}

INT_PTR CALLBACK TraySettingDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
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

int TraySettingDialog(HWND page) {
    return runResourceDialog(page, IDD_TRAY_SETTING, TraySettingDlgProc) == 1 ? 1 : 0;
}
