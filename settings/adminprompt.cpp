// Admin. Management (684): the administrator number guards the Administrator
// Mode sheet. What was typed last stays for the next time the prompt opens.
#include "adminnumber.h"
#include "settingssheets.h"

#include "dialogkit.h"
#include "messages.h"
#include "resource.h"
#include "resourcemodule.h"
#include "settingsrules.h"
#include "shellstate.h"

namespace {

uint32_t typedAdminNumber;

const LabelText labels[] = {
    {IDC_ADMIN_GROUP, IDS_ADMINISTRATOR_MODE},
    {IDC_ADMIN_NUMBER_LABEL, IDS_ADMIN_NUMBER_LABEL},
    {IDC_ADMIN_OK_BUTTON, IDS_OK},
};

void onInitDialog(HWND dialog) {
    SetWindowTextA(dialog, loadText(IDS_ADMIN_MANAGEMENT).c_str());
    applyLabels(dialog, labels);
    SendDlgItemMessageA(dialog, IDC_ADMIN_NUMBER_EDIT, EM_SETLIMITTEXT, adminNumberDigits, 0);
    focusAndSelect(dialog, IDC_ADMIN_NUMBER_EDIT);
}

void onOk(HWND dialog) {
    const std::string typed = itemText(dialog, IDC_ADMIN_NUMBER_EDIT, 7);
    if (!adminNumberMatches(typed, typedAdminNumber, shell.document->settings.image.adminNumber)) {
        ShowMessage(dialog, IDS_WRONG_PASSWORD, MB_OK);
        focusAndSelect(dialog, IDC_ADMIN_NUMBER_EDIT);
        return;
    }
    SetDlgItemTextA(dialog, IDC_ADMIN_NUMBER_EDIT, "");
    OpenAdministratorSheet(dialog);
    EndDialog(dialog, 1);
}

void onCommand(HWND dialog, int control, int notification) {
    switch (control) {
    case IDC_ADMIN_OK_BUTTON:
    case IDOK: // Enter
        onOk(dialog);
        return;
    case IDCANCEL: // Esc and the close box
        EndDialog(dialog, 0);
        return;
    case IDC_ADMIN_NUMBER_EDIT:
        if (notification == EN_CHANGE) typeAdminNumber(dialog, control, typedAdminNumber);
        return;
    }
}

INT_PTR CALLBACK AdminPromptDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        onInitDialog(dialog);
        return FALSE; // the focus is set
    case WM_COMMAND:
        onCommand(dialog, LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

} // namespace

void AdminManagementPrompt(HWND owner) {
    if (!shell.document) return;
    runResourceDialog(owner, IDD_ADMIN_PROMPT, AdminPromptDlgProc);
}
