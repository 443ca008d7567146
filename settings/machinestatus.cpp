// Machine Status (840): the equipment and versions in the machine's
// configuration record, read only.
#include "settingssheets.h"

#include "dialogkit.h"
#include "settingsrules.h"
#include "resource.h"
#include "resourcemodule.h"
#include "shellstate.h"

namespace {

const LabelText labels[] = {
    {IDC_MST_BYPASS_LABEL, IDS_MST_BYPASS},       {IDC_MST_MEMORY_LABEL, IDS_MST_MEMORY},
    {IDC_MST_MEMORY_UNIT, IDS_MST_MBYTES},        {IDC_MST_CONTROLLER_LABEL, IDS_MST_CONTROLLER},
    {IDC_MST_ENGINE_LABEL, IDS_MST_ENGINE},       {IDC_MST_SERIAL_LABEL, IDS_MST_SERIAL},
    {IDOK, IDS_OK},
};

void onInitDialog(HWND dialog) {
    SetWindowTextA(dialog, loadText(IDS_MACHINE_STATUS).c_str());
    applyLabels(dialog, labels);
    unpackImage(*shell.document);
    const EquipmentText status = equipmentTextOf(shell.document->config);
    if (status.bypass >= 0)
        SetDlgItemTextA(dialog, IDC_MST_BYPASS_TEXT,
                        loadText(status.bypass ? IDS_INSTALLED : IDS_NOT_INSTALLED).c_str());
    SetDlgItemTextA(dialog, IDC_MST_MEMORY_TEXT, status.memory.c_str());
    SetDlgItemTextA(dialog, IDC_MST_CONTROLLER_TEXT, status.controller.c_str());
    SetDlgItemTextA(dialog, IDC_MST_ENGINE_TEXT, status.engine.c_str());
    SetDlgItemTextA(dialog, IDC_MST_SERIAL_TEXT, status.serial.c_str());
    SetFocus(GetDlgItem(dialog, IDOK));
}

INT_PTR CALLBACK MachineStatusDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        onInitDialog(dialog);
        return FALSE; // the focus is set
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) EndDialog(dialog, 0);
        return TRUE;
    }
    return FALSE;
}

} // namespace

void MachineStatusDialog(HWND owner) {
    if (!shell.document) return;
    runResourceDialog(owner, IDD_MACHINE_STATUS, MachineStatusDlgProc);
}
