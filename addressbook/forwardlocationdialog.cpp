// The Forward Location dialog (732) edits a copy of the settings record's
// forwarding destination. Both kinds share the record's bytes, so switching
// kind empties the record and the edits of the kind left; typing keeps the
// copy up to date through the dial and address filters; OK checks the entry
// and only then writes the copy back.
#include "forwardlocationdialog.h"

#include "dialogkit.h"
#include "forwardrules.h"
#include "messages.h"
#include "resource.h"
#include "resourcemodule.h"
#include "shellstate.h"

#include <string>

uint32_t forwardCancelled;
uint8_t forwardKind;
int maxTxSizePosition;

namespace {

// The dialog is modal, so there is one of it at a time.
ForwardLocation forwardScratch;
// Set while the dialog itself fills or empties edits: those notices are not typing.
bool filling;

const LabelText labels[] = {
    {IDC_REGISTER_GROUP, IDS_REGISTER},
    {IDC_FWD_FAX_RADIO, IDS_FAX_RADIO},
    {IDC_FWD_EMAIL_RADIO, IDS_EMAIL_RADIO},
    {IDC_FWD_SUB_LABEL, IDS_SUB_LABEL},
    {IDC_FWD_SID_LABEL, IDS_SID_LABEL},
    {IDC_FWD_MODE_GROUP, IDS_EMAIL_MODE},
    {IDC_FWD_BASIC_RADIO, IDS_BASIC},
    {IDC_FWD_ADVANCED_RADIO, IDS_ADVANCED},
    {IDC_FWD_TX_SIZE_LABEL, IDS_MAX_TX_SIZE},
    {IDC_FWD_QUALITY_LABEL, IDS_MAX_QUALITY},
    {IDC_FWD_CODING_LABEL, IDS_CODING},
    {IDOK, IDS_OK},
    {IDCANCEL, IDS_CANCEL},
};

ForwardLocation& storedRecord() {
    return shell.document->settings.utility.forwardLocation;
}

bool emailOffered() {
    return shell.document->config[6] == 1 || shell.document->config[7] == 1;
}

bool inchSizes() {
    return shell.inchPaperSizes != 0;
}

void fill(HWND dialog, int edit, const std::string& text) {
    filling = true;
    SetDlgItemTextA(dialog, edit, text.c_str());
    filling = false;
}

void showAndEnable(HWND dialog, int first, int last, bool on) {
    for (int control = first; control <= last; ++control) {
        showItem(dialog, control, on);
        enableItem(dialog, control, on);
    }
}

void showAdvanced(HWND dialog, bool on) {
    showAndEnable(dialog, IDC_FWD_TX_SIZE_LABEL, IDC_FWD_CODING_LIST, on);
}

void applyLayout(HWND dialog, ForwardKind kind) {
    const bool email = kind == forwardEmail;
    SetDlgItemTextA(dialog, IDC_DETAILS_GROUP,
                    loadText(email ? IDS_EMAIL_GROUP : IDS_FAX_GROUP).c_str());
    SetDlgItemTextA(dialog, IDC_FWD_NUMBER_LABEL,
                    loadText(email ? IDS_ADDRESS_LABEL : IDS_PHONE_NUMBER_LABEL).c_str());
    showAndEnable(dialog, IDC_FWD_ADDRESS_EDIT, IDC_FWD_ADDRESS_EDIT, email);
    showAndEnable(dialog, IDC_FWD_NUMBER_EDIT, IDC_FWD_SID_EDIT, !email);
    showAndEnable(dialog, IDC_FWD_MODE_GROUP, IDC_FWD_ADVANCED_RADIO, email);
    showAdvanced(dialog, email && emailSetting(forwardScratch, emailMode) == 1);
    CheckRadioButton(dialog, IDC_FWD_FAX_RADIO, IDC_FWD_EMAIL_RADIO,
                     email ? IDC_FWD_EMAIL_RADIO : IDC_FWD_FAX_RADIO);
}

void fillLists(HWND dialog) {
    const bool inch = inchSizes();
    maxTxSizePosition = maxTxSizeListPosition(emailSetting(forwardScratch, emailMaxTxSize), inch,
                                              maxTxSizePosition);
    SendDlgItemMessageA(dialog, IDC_FWD_TX_SIZE_LIST, CB_RESETCONTENT, 0, 0);
    FillComboFromStrings(dialog, IDC_FWD_TX_SIZE_LIST, inch ? IDS_SIZE_LETTER : IDS_SIZE_A3,
                         inch ? IDS_SIZE_11X17 : IDS_SIZE_A4, maxTxSizePosition);
    SendDlgItemMessageA(dialog, IDC_FWD_QUALITY_LIST, CB_RESETCONTENT, 0, 0);
    FillComboFromStrings(dialog, IDC_FWD_QUALITY_LIST, IDS_QUALITY_FINE, IDS_QUALITY_SUPER_FINE,
                         emailSetting(forwardScratch, emailMaxQuality) - 1);
    SendDlgItemMessageA(dialog, IDC_FWD_CODING_LIST, CB_RESETCONTENT, 0, 0);
    FillComboFromStrings(dialog, IDC_FWD_CODING_LIST, IDS_CODING_MH, IDS_CODING_MMR,
                         emailSetting(forwardScratch, emailCoding));
}

void showEmail(HWND dialog) {
    applyLayout(dialog, forwardEmail);
    fill(dialog, IDC_FWD_ADDRESS_EDIT, forwardAddress(forwardScratch));
    const bool advanced = emailSetting(forwardScratch, emailMode) == 1;
    CheckRadioButton(dialog, IDC_FWD_BASIC_RADIO, IDC_FWD_ADVANCED_RADIO,
                     advanced ? IDC_FWD_ADVANCED_RADIO : IDC_FWD_BASIC_RADIO);
}

void showFax(HWND dialog) {
    applyLayout(dialog, forwardFax);
    fill(dialog, IDC_FWD_NUMBER_EDIT, forwardDial(forwardScratch, DialPart::Number));
    fill(dialog, IDC_FWD_SUB_EDIT, forwardDial(forwardScratch, DialPart::Sub));
    fill(dialog, IDC_FWD_SID_EDIT, forwardDial(forwardScratch, DialPart::Sid));
}

void onInitDialog(HWND dialog) {
    SetWindowTextA(dialog, loadText(IDS_FORWARD_LOCATION).c_str());
    forwardScratch = storedRecord();
    SendDlgItemMessageA(dialog, IDC_FWD_ADDRESS_EDIT, EM_SETLIMITTEXT, forwardAddressLimit, 0);
    SendDlgItemMessageA(dialog, IDC_FWD_NUMBER_EDIT, EM_SETLIMITTEXT, forwardNumberLimit, 0);
    SendDlgItemMessageA(dialog, IDC_FWD_SUB_EDIT, EM_SETLIMITTEXT, forwardCodeLimit, 0);
    SendDlgItemMessageA(dialog, IDC_FWD_SID_EDIT, EM_SETLIMITTEXT, forwardCodeLimit, 0);
    applyLabels(dialog, labels);
    enableItem(dialog, IDC_FWD_EMAIL_RADIO, emailOffered());
    if (forwardScratch.bytes[0] == forwardEmail && emailOffered()) {
        showEmail(dialog);
    } else if (forwardScratch.bytes[0] == forwardFax) {
        showFax(dialog);
    } else {
        // Nothing entered yet, or an e-mail destination this machine cannot
        // forward to: an empty fax destination, so that no byte of an
        // address is read as a number's length.
        forwardScratch = ForwardLocation();
        setForwardKind(forwardScratch, forwardFax);
        showFax(dialog);
    }
    forwardKind = forwardKindOf(forwardScratch);
    fillLists(dialog);
    SetFocus(GetDlgItem(dialog, forwardKind == forwardEmail ? IDC_FWD_ADDRESS_EDIT
                                                            : IDC_FWD_NUMBER_EDIT));
}

// Both kinds share the record's bytes: what the kind left stored would be
// read as lengths and digits of the new kind, so the record starts empty, as
// do the edits of the kind left.
void onKindChosen(HWND dialog, ForwardKind kind) {
    if (forwardKindOf(forwardScratch) == kind) return;
    forwardScratch = ForwardLocation();
    setForwardKind(forwardScratch, kind);
    forwardKind = kind;
    if (kind == forwardFax) {
        fill(dialog, IDC_FWD_ADDRESS_EDIT, "");
        applyLayout(dialog, forwardFax);
        return;
    }
    fill(dialog, IDC_FWD_NUMBER_EDIT, "");
    fill(dialog, IDC_FWD_SUB_EDIT, "");
    fill(dialog, IDC_FWD_SID_EDIT, "");
    CheckRadioButton(dialog, IDC_FWD_BASIC_RADIO, IDC_FWD_ADVANCED_RADIO, IDC_FWD_BASIC_RADIO);
    applyLayout(dialog, forwardEmail);
}

void onModeChosen(HWND dialog, bool advanced) {
    CheckRadioButton(dialog, IDC_FWD_BASIC_RADIO, IDC_FWD_ADVANCED_RADIO,
                     advanced ? IDC_FWD_ADVANCED_RADIO : IDC_FWD_BASIC_RADIO);
    if (advanced) {
        chooseAdvancedDefaults(forwardScratch);
        SendDlgItemMessageA(dialog, IDC_FWD_TX_SIZE_LIST, CB_SETCURSEL, 0, 0);
        SendDlgItemMessageA(dialog, IDC_FWD_QUALITY_LIST, CB_SETCURSEL, 1, 0);
        SendDlgItemMessageA(dialog, IDC_FWD_CODING_LIST, CB_SETCURSEL, 0, 0);
    } else {
        setEmailSetting(forwardScratch, emailMode, 0);
    }
    showAdvanced(dialog, advanced);
}

void onListChosen(HWND dialog, int list) {
    const int position = comboSelection(dialog, list);
    if (position < 0) return;
    if (list == IDC_FWD_TX_SIZE_LIST)
        setEmailSetting(forwardScratch, emailMaxTxSize, maxTxSizeCode(position, inchSizes()));
    else if (list == IDC_FWD_QUALITY_LIST)
        setEmailSetting(forwardScratch, emailMaxQuality, static_cast<uint8_t>(position + 1));
    else
        setEmailSetting(forwardScratch, emailCoding, static_cast<uint8_t>(position));
}

// A refused character leaves the text, the caret stands where it was, and
// putting the text back notifies again for the next one.
bool filtered(HWND dialog, int control, std::string& text, const FilterResult& found) {
    if (found.kind != FilterResult::Remove && found.kind != FilterResult::Cut) return false;
    applyFilter(text, found);
    putBackText(dialog, control, text, found.position);
    return true;
}

DialPart partOf(int control) {
    return control == IDC_FWD_SUB_EDIT   ? DialPart::Sub
           : control == IDC_FWD_SID_EDIT ? DialPart::Sid
                                         : DialPart::Number;
}

void onTyped(HWND dialog, int control) {
    if (filling) return;
    if (control == IDC_FWD_ADDRESS_EDIT) {
        std::string text = itemText(dialog, control, forwardAddressLimit);
        if (!filtered(dialog, control, text, filterAddressText(text)))
            setForwardAddress(forwardScratch, text);
        return;
    }
    const DialPart part = partOf(control);
    std::string text = itemText(dialog, control, static_cast<int>(dialLimit(part)));
    if (!filtered(dialog, control, text, filterDialText(text, part != DialPart::Number)))
        setForwardDial(forwardScratch, part, text);
}

void refuse(HWND dialog, UINT message, int control) {
    ShowPlainMessage(dialog, message);
    focusAndSelect(dialog, control);
}

void onOk(HWND dialog) {
    const bool email = forwardKindOf(forwardScratch) == forwardEmail;
    const std::string address = forwardAddress(forwardScratch);
    if (email && address.empty()) return refuse(dialog, IDS_EMAIL_REQUIRED, IDC_FWD_ADDRESS_EDIT);
    if (!email && forwardDialLength(forwardScratch, DialPart::Number) == 0)
        return refuse(dialog, IDS_PHONE_REQUIRED, IDC_FWD_NUMBER_EDIT);
    if (email && !isValidEmail(address.c_str()))
        return refuse(dialog, IDS_EMAIL_INVALID, IDC_FWD_ADDRESS_EDIT);
    setForwardKind(forwardScratch, email ? forwardEmail : forwardFax);
    storedRecord() = forwardScratch;
    forwardCancelled = 0;
    EndDialog(dialog, 1);
}

void onCancel(HWND dialog) {
    forwardCancelled = 1;
    EndDialog(dialog, 0);
}

void onCommand(HWND dialog, int control, int notification) {
    switch (control) {
    case IDOK:
        onOk(dialog);
        return;
    case IDCANCEL:
        onCancel(dialog);
        return;
    case IDC_FWD_FAX_RADIO:
    case IDC_FWD_EMAIL_RADIO:
        if (notification == BN_CLICKED)
            onKindChosen(dialog, control == IDC_FWD_EMAIL_RADIO ? forwardEmail : forwardFax);
        return;
    case IDC_FWD_BASIC_RADIO:
    case IDC_FWD_ADVANCED_RADIO:
        if (notification == BN_CLICKED) onModeChosen(dialog, control == IDC_FWD_ADVANCED_RADIO);
        return;
    case IDC_FWD_TX_SIZE_LIST:
    case IDC_FWD_QUALITY_LIST:
    case IDC_FWD_CODING_LIST:
        if (notification == CBN_SELCHANGE) onListChosen(dialog, control);
        return;
    case IDC_FWD_ADDRESS_EDIT:
    case IDC_FWD_NUMBER_EDIT:
    case IDC_FWD_SUB_EDIT:
    case IDC_FWD_SID_EDIT:
        if (notification == EN_CHANGE) onTyped(dialog, control);
        return;
    }
}

} // namespace

INT_PTR CALLBACK ForwardLocationDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        onInitDialog(dialog);
        return FALSE; // the focus is set
    case WM_COMMAND:
        onCommand(dialog, LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    case WM_CLOSE:
        onCancel(dialog);
        return TRUE;
    }
    return FALSE;
}

bool OpenForwardLocationDialog(HWND owner) {
    if (!shell.document) return false;
    forwardCancelled = 1; // a dialog that never opened changed nothing
    return runResourceDialog(owner, IDD_FORWARD_LOCATION, ForwardLocationDlgProc) == 1;
}
