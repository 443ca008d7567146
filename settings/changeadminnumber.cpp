// Change Admin No. (3586): the current number, the new one and its
// confirmation, all masked.
#include "adminnumber.h"

#include "dialogkit.h"
#include "messages.h"
#include "resource.h"
#include "resourcemodule.h"
#include "settingspage.h"
#include "settingsrules.h"

namespace {

constexpr int readLimit = 7;

const LabelText labels[] = {
    {IDC_CAN_CURRENT_LABEL, IDS_CAN_CURRENT},
    {IDC_CAN_NEW_LABEL, IDS_CAN_NEW},
    {IDC_CAN_CONFIRM_LABEL, IDS_CAN_CONFIRM},
    {IDOK, IDS_OK},
    {IDCANCEL, IDS_CANCEL},
};

struct Numbers {
    uint32_t current, next, confirmation;
};
Numbers numbers;

void onInitDialog(HWND dialog) {
    SetWindowTextA(dialog, loadText(IDS_CHANGE_ADMIN_NUMBER).c_str());
    applyLabels(dialog, labels);
    numbers = Numbers();
    for (int edit : {IDC_CAN_CURRENT_EDIT, IDC_CAN_NEW_EDIT, IDC_CAN_CONFIRM_EDIT})
        SendDlgItemMessageA(dialog, edit, EM_SETLIMITTEXT, adminNumberDigits, 0);
}

bool refuse(HWND dialog, UINT message, int edit) {
    ShowMessage(dialog, message, MB_OK);
    focusAndSelect(dialog, edit);
    return false;
}

bool sixDigits(HWND dialog, int edit) {
    return itemText(dialog, edit, readLimit).size() == adminNumberDigits;
}

bool accept(HWND dialog) {
    uint32_t& adminNumber = settingsRecord().image.adminNumber;
    if (!adminNumberMatches(itemText(dialog, IDC_CAN_CURRENT_EDIT, readLimit), numbers.current,
                            adminNumber))
        return refuse(dialog, IDS_WRONG_PASSWORD, IDC_CAN_CURRENT_EDIT);
    if (!sixDigits(dialog, IDC_CAN_NEW_EDIT))
        return refuse(dialog, IDS_BAD_NEW_PASSWORD, IDC_CAN_NEW_EDIT);
    if (!adminNumberMatches(itemText(dialog, IDC_CAN_CONFIRM_EDIT, readLimit),
                            numbers.confirmation, numbers.next))
        return refuse(dialog, IDS_WRONG_PASSWORD, IDC_CAN_CONFIRM_EDIT);
    adminNumber = numbers.next;
    SetDlgItemTextA(dialog, IDC_CAN_CURRENT_EDIT, "");
    return true;
}

void onCommand(HWND dialog, int control, int notification) {
    switch (control) {
    case IDOK:
        if (accept(dialog)) EndDialog(dialog, 1);
        return;
    case IDCANCEL:
        EndDialog(dialog, 0);
        return;
    }
    if (notification != EN_CHANGE) return;
    if (control == IDC_CAN_CURRENT_EDIT) typeAdminNumber(dialog, control, numbers.current);
    if (control == IDC_CAN_NEW_EDIT) typeAdminNumber(dialog, control, numbers.next);
    if (control == IDC_CAN_CONFIRM_EDIT) typeAdminNumber(dialog, control, numbers.confirmation);
}

INT_PTR CALLBACK ChangeAdminNumberDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
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

std::string typeAdminNumber(HWND dialog, int control, uint32_t& value) {
    std::string text = itemText(dialog, control, readLimit);
    const FilterResult found = filterDigits(text);
    if (found.kind == FilterResult::Remove) {
        // Putting the text back notifies again, and that notice keeps the value.
        applyFilter(text, found);
        putBackText(dialog, control, text, found.position);
        return text;
    }
    SendDlgItemMessageA(dialog, control, EM_SETLIMITTEXT, adminNumberDigits, 0);
    const IntegerCheck read = checkIntegerText(text, 0, 999999);
    value = read.kind == IntegerCheck::Empty ? 0 : static_cast<uint32_t>(read.value);
    return text;
}

bool ChangeAdminNumberDialog(HWND owner) {
    return runResourceDialog(owner, IDD_CHANGE_ADMIN_NUMBER, ChangeAdminNumberDlgProc) == 1;
}
