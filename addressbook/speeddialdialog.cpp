// The speed-dial registration dialog (917): creates and edits one key of the
// address book. It decodes the key into a working entry, keeps that entry up
// to date as the user types, checks it on OK and only then writes it into the
// register and the machine image; the caller shows the new row.
#include "speeddialdialog.h"

#include "dialogkit.h"
#include "messages.h"
#include "resource.h"
#include "resourcemodule.h"
#include "shellstate.h"
#include "speeddialrules.h"

#include <cstdio>
#include <string>

namespace {

// The dialog is modal, so there is one of it at a time.
struct SpeedDial {
    int key; // key index 0..49
    bool singleByteNames;
    bool committed;
    // Set while the dialog itself fills edits: the notices that filling
    // raises are not typing, and a stored text the filters would shorten
    // (an SMB directory with a backslash) stays as it is until the user
    // edits that field.
    bool filling;
    DestinationEntry workRecord;
};
SpeedDial state;

// Start texts of the labels and buttons; "(1-65535)" keeps the template's.
const LabelText startTexts[] = {
    {IDC_REGISTER_GROUP, IDS_REGISTER},
    {IDC_SD_EMAIL_RADIO, IDS_EMAIL_RADIO},
    {IDC_SD_FTP_RADIO, IDS_FTP},
    {IDC_SD_SMB_RADIO, IDS_SMB},
    {IDC_SD_NAME_LABEL, IDS_NAME_LABEL},
    {IDC_SD_NAME2_LABEL, IDS_COL_NAME2},
    {IDC_SD_ADDRESS_LABEL, IDS_ADDRESS_LABEL},
    {IDC_SD_DIRECTORY_LABEL, IDS_DIRECTORY},
    {IDC_SD_PROXY_CHECK, IDS_USE_PROXY},
    {IDC_SD_PORT_LABEL, IDS_REMOTE_PORT},
    {IDC_SD_NOTIFY_CHECK, IDS_EMAIL_NOTIFICATION},
    {IDC_SD_NOTIFY1_LABEL, IDS_NOTIFY1},
    {IDC_SD_NOTIFY2_LABEL, IDS_NOTIFY2},
    {IDC_SD_NOTIFY3_LABEL, IDS_NOTIFY3},
    {IDC_SD_NOTIFY4_LABEL, IDS_NOTIFY4},
    {IDC_SD_NOTIFY5_LABEL, IDS_NOTIFY5},
    {IDC_SD_NOTIFY6_LABEL, IDS_NOTIFY6},
    {IDC_SD_NOTIFY7_LABEL, IDS_NOTIFY7},
    {IDC_SD_NOTIFY8_LABEL, IDS_NOTIFY8},
    {IDC_SD_NOTIFY9_LABEL, IDS_NOTIFY9},
    {IDC_SD_NOTIFY10_LABEL, IDS_NOTIFY10},
    {IDC_SD_ACCOUNT_GROUP, IDS_ACCOUNT_INFORMATION},
    {IDC_SD_ANONYMOUS_RADIO, IDS_ANONYMOUS},
    {IDC_SD_PRIVATE_RADIO, IDS_PRIVATE_SITE},
    {IDC_SD_USER_LABEL, IDS_USER_NAME},
    {IDC_SD_PASSWORD_LABEL, IDS_PASSWORD},
    {IDOK, IDS_OK},
    {IDCANCEL, IDS_CANCEL},
};

int notificationEdit(int index) {
    return IDC_SD_NOTIFY1_EDIT + 2 * index;
}

int radioOfType(uint8_t type) {
    switch (type) {
    case typeFtp:
        return IDC_SD_FTP_RADIO;
    case typeSmb:
        return IDC_SD_SMB_RADIO;
    default:
        return IDC_SD_EMAIL_RADIO;
    }
}

void enableNotificationEdits(HWND dialog, bool enabled) {
    for (int i = 0; i < notificationCount; ++i)
        enableItem(dialog, notificationEdit(i), enabled);
}

void enableLogin(HWND dialog, bool enabled) {
    enableItem(dialog, IDC_SD_USER_EDIT, enabled);
    enableItem(dialog, IDC_SD_PASSWORD_EDIT, enabled);
}

void showControlsOfType(HWND dialog, uint8_t type) {
    for (int control = IDC_SD_DIRECTORY_LABEL; control <= IDC_SD_PASSWORD_EDIT; ++control)
        showItem(dialog, control, shownForType(control, type));
}

void fill(HWND dialog, int edit, const char* text) {
    state.filling = true;
    SetDlgItemTextA(dialog, edit, text);
    state.filling = false;
}

void showProxyAndPort(HWND dialog) {
    checkItem(dialog, IDC_SD_PROXY_CHECK, state.workRecord.useProxy != 0);
    char port[16];
    std::snprintf(port, sizeof port, "%u", static_cast<unsigned>(state.workRecord.port));
    fill(dialog, IDC_SD_PORT_EDIT, port);
}

void setTitle(HWND dialog) {
    char title[textCapacity + 16];
    std::snprintf(title, sizeof title, "%s%02d", loadText(IDS_SPEED_DIAL_TITLE).c_str(),
                  state.key + 1);
    SetWindowTextA(dialog, title);
}

void setLimits(HWND dialog) {
    for (const EditLimit& e : speedDialEdits)
        SendDlgItemMessageA(dialog, e.control, EM_SETLIMITTEXT, e.limit, 0);
}

void offerTypesOfKey(HWND dialog) {
    const TypeChoice types = typesForKey(state.key);
    enableItem(dialog, IDC_SD_EMAIL_RADIO, types.email);
    enableItem(dialog, IDC_SD_FTP_RADIO, types.ftp);
    enableItem(dialog, IDC_SD_SMB_RADIO, types.smb);
}

void fillNamesAndAddress(HWND dialog, const DestinationEntry& e) {
    if (state.singleByteNames) {
        fill(dialog, IDC_SD_NAME_EDIT, e.name);
    } else {
        fill(dialog, IDC_SD_NAME_EDIT, e.name2);
        fill(dialog, IDC_SD_NAME2_EDIT, e.name);
    }
    fill(dialog, IDC_SD_ADDRESS_EDIT, e.address);
}

void fillFileServerFields(HWND dialog, const DestinationEntry& e) {
    fill(dialog, IDC_SD_DIRECTORY_EDIT, e.directory);
    for (int i = 0; i < notificationCount; ++i)
        fill(dialog, notificationEdit(i), e.notifyAddress[i]);
    fill(dialog, IDC_SD_USER_EDIT, e.userName);
    fill(dialog, IDC_SD_PASSWORD_EDIT, e.password);
    checkItem(dialog, IDC_SD_NOTIFY_CHECK, e.notify != 0);
    checkItem(dialog, IDC_SD_ANONYMOUS_RADIO, e.accountMode == 1);
    checkItem(dialog, IDC_SD_PRIVATE_RADIO, e.accountMode != 1);
    enableNotificationEdits(dialog, e.notify != 0);
    enableLogin(dialog, e.accountMode != 1);
}

void onInitDialog(HWND dialog) {
    setTitle(dialog);
    applyLabels(dialog, startTexts);
    state.singleByteNames = usesSingleByteNames(shell.rules);
    showItem(dialog, IDC_SD_NAME2_LABEL, !state.singleByteNames);
    showItem(dialog, IDC_SD_NAME2_EDIT, !state.singleByteNames);
    setLimits(dialog);
    // Decoding gives a free file-server key its defaults (port 21, anonymous)
    // in the stored record too; Cancel's unpack takes them back.
    decodeDestination(shell.rules, shell.document->registers, state.workRecord, state.key);
    offerTypesOfKey(dialog);
    state.workRecord.type = startingType(state.key, state.workRecord.type);
    showControlsOfType(dialog, state.workRecord.type);
    CheckRadioButton(dialog, IDC_SD_EMAIL_RADIO, IDC_SD_SMB_RADIO,
                     radioOfType(state.workRecord.type));
    const DestinationEntry& decoded = state.workRecord;
    fillNamesAndAddress(dialog, decoded);
    if (decoded.type == typeFtp) showProxyAndPort(dialog);
    if (decoded.type != typeEmail) fillFileServerFields(dialog, decoded);
    // The dialog opens for typing a name, not on the type buttons.
    SetFocus(GetDlgItem(dialog, IDC_SD_NAME_EDIT));
}

void onTyped(HWND dialog, int control) {
    if (state.filling) return;
    HWND edit = GetDlgItem(dialog, control);
    const Typed typed = typeIntoEntry(shell.rules, state.singleByteNames, state.workRecord, control,
                                      itemText(dialog, control));
    if (!typed.putBack()) return;
    // Putting the text back notifies again, so that further refused
    // characters go one at a time; the caret stays where the refused one was.
    SetWindowTextA(edit, typed.text.c_str());
    const WPARAM caret = typed.result.position;
    SendMessageA(edit, EM_SETSEL, caret, static_cast<LPARAM>(caret));
}

void onTypeChosen(HWND dialog, int radio) {
    CheckRadioButton(dialog, IDC_SD_EMAIL_RADIO, IDC_SD_SMB_RADIO, radio);
    const uint8_t type = radio == IDC_SD_FTP_RADIO   ? typeFtp
                         : radio == IDC_SD_SMB_RADIO ? typeSmb
                                                     : typeEmail;
    state.workRecord.type = type;
    showControlsOfType(dialog, type);
    if (type == typeFtp) showProxyAndPort(dialog);
}

void onNotificationClicked(HWND dialog) {
    state.workRecord.notify = isItemChecked(dialog, IDC_SD_NOTIFY_CHECK) ? 1 : 0;
    enableNotificationEdits(dialog, state.workRecord.notify != 0);
}

void onAccountChosen(HWND dialog, int radio) {
    CheckRadioButton(dialog, IDC_SD_PRIVATE_RADIO, IDC_SD_ANONYMOUS_RADIO, radio);
    const bool anonymous = radio == IDC_SD_ANONYMOUS_RADIO;
    state.workRecord.accountMode = anonymous ? 1 : 0;
    enableLogin(dialog, !anonymous);
}

void refuse(HWND dialog, const EntryCheck& found) {
    if (found.kind == EntryCheck::PortOutOfRange)
        ShowPlainMessage(dialog, found.message, lowestPort, highestPort);
    else
        ShowPlainMessage(dialog, found.message);
    HWND field = GetDlgItem(dialog, found.control);
    SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(field), TRUE);
    SendMessageA(field, EM_SETSEL, 0, -1);
}

// Register and image change together, and only here.
void commit(HWND dialog) {
    encodeDestination(shell.rules, shell.document->registers, state.key, state.workRecord);
    packImage(*shell.document);
    state.committed = true;
    EndDialog(dialog, 0);
}

void onOk(HWND dialog) {
    const std::string name = itemText(dialog, IDC_SD_NAME_EDIT);
    const EntryCheck found =
        checkEntry(shell.rules, state.workRecord, name, itemText(dialog, IDC_SD_PORT_EDIT));
    // The name check may have taken characters out or moved two-byte ones to
    // even offsets; the edit shows, and the entry keeps, what it left.
    if (found.nameText != name) SetDlgItemTextA(dialog, IDC_SD_NAME_EDIT, found.nameText.c_str());
    if (found.passed())
        commit(dialog);
    else
        refuse(dialog, found);
}

// Decoding wrote into the stored key; reading the image again undoes it, so
// nothing of a cancelled edit stays behind.
void onCancel(HWND dialog) {
    unpackImage(*shell.document);
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
    case IDC_SD_EMAIL_RADIO:
    case IDC_SD_FTP_RADIO:
    case IDC_SD_SMB_RADIO:
        onTypeChosen(dialog, control);
        return;
    case IDC_SD_PROXY_CHECK:
        state.workRecord.useProxy = isItemChecked(dialog, IDC_SD_PROXY_CHECK) ? 1 : 0;
        return;
    case IDC_SD_NOTIFY_CHECK:
        onNotificationClicked(dialog);
        return;
    case IDC_SD_ANONYMOUS_RADIO:
    case IDC_SD_PRIVATE_RADIO:
        onAccountChosen(dialog, control);
        return;
    }
    if (notification == EN_CHANGE) onTyped(dialog, control);
}

INT_PTR CALLBACK SpeedDialDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        onInitDialog(dialog);
        return FALSE; // the focus is set
    case WM_COMMAND:
        onCommand(dialog, LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    case WM_CLOSE:
        // The title bar's close ends the dialog as it stands. Answered here,
        // or the dialog manager would turn it into a Cancel.
        EndDialog(dialog, 0);
        return TRUE;
    }
    return FALSE;
}

} // namespace

bool OpenSpeedDialDialog(HWND owner) {
    // Property with no focused row asks for key -1, and Edit > New for
    // noEntry when every key is in use: there is no key to open.
    const int key = shell.currentEntryIndex;
    if (!shell.document || key < 0 || key >= dialBlockCount) return false;
    state = SpeedDial();
    state.key = key;
    runResourceDialog(owner, IDD_SPEED_DIAL, SpeedDialDlgProc);
    return state.committed;
}
