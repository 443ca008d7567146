#include "editcommands.h"

#include "documentcommands.h"
#include "resource.h"
#include "shellstate.h"
#include "views.h"

namespace {

// The key the Edit commands work on, or -1 when the speed-dial list shows no
// current key.
int currentKey() {
    if (!shell.viewState.documentOpen || shell.viewState.viewKind != viewSpeedDial) return -1;
    const int key = shell.currentEntryIndex;
    return key >= 0 && key < dialBlockCount ? key : -1;
}

// Rebuilds the key's row from its record, selects it and packs the image.
void showChangedKey(int key) {
    HWND list = shell.registerList;
    SendMessageA(list, LVM_DELETEITEM, static_cast<WPARAM>(key), 0);
    DestinationEntry shown;
    decodeDestination(shell.rules, shell.document->registers, shown, key);
    InsertEntryRow(list, shown, key);
    selectListRow(list, key);
    packImage(*shell.document);
    markDocumentChanged();
}

} // namespace

void copyCommand(HWND, UINT) {
    const int key = currentKey();
    if (key < 0) return;
    decodeDestination(shell.rules, shell.document->registers, shell.clipboardRecord, key);
    // Copy always fills the speed-dial slot.
    shell.pasteSlot[viewOneTouch] = -1;
    shell.pasteSlot[viewSpeedDial] = key;
    shell.pasteSlot[viewGroups] = -1;
}

void pasteCommand(HWND, UINT) {
    const int key = currentKey();
    if (key < 0 || shell.pasteSlot[viewSpeedDial] < 0) return;
    shell.pasteUsed = true;
    DestinationEntry entry = shell.clipboardRecord;
    // An e-mail entry does not fit a file-server key, nor the reverse: the
    // key keeps what it had.
    if (!encodeDestination(shell.rules, shell.document->registers, key, entry)) return;
    showChangedKey(key);
}

void deleteCommand(HWND, UINT) {
    const int key = currentKey();
    if (key < 0) return;
    DestinationEntry empty = {};
    encodeDestination(shell.rules, shell.document->registers, key, empty);
    showChangedKey(key);
}

void cutCommand(HWND frame, UINT) {
    SendMessageA(frame, WM_COMMAND, IDM_COPY, 0);
    SendMessageA(frame, WM_COMMAND, IDM_DELETE, 0);
}

void newEntryCommand(HWND frame, UINT) {
    RegisterNewEntry(frame, shell.registerList);
    SetFocus(shell.registerList);
}

void propertyCommand(HWND frame, UINT) {
    EditCurrentEntry(frame, shell.registerList);
}

void selectViewCommand(HWND, UINT command) {
    // The one-touch and speed-dial commands both take the first node under
    // the root; the groups command the third.
    selectTreeChild(shell.tree, command == IDM_SHOW_GROUPS ? 2 : 0);
}
