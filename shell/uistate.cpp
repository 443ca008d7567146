// RefreshUiState: the one place that enables and disables the menu items and
// toolbar buttons and shows the panes, all from the view state.
#include "mainwindow.h"

#include "resource.h"
#include "shellstate.h"
#include "statuspanel.h"
#include "toolbar.h"
#include "views.h"

namespace {

void enableMenuItem(UINT command, bool enabled) {
    if (shell.mainMenu)
        EnableMenuItem(shell.mainMenu, command, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

void show(HWND window, bool visible) {
    if (window) ShowWindow(window, visible ? SW_SHOW : SW_HIDE);
}

// Whether the Edit commands have an entry to work on: for the key lists the
// current row's address, for groups whether the group has members.
bool currentEntryEmpty(const ViewState& view) {
    if (view.viewKind == viewGroups)
        return SendMessageA(shell.groupItemsList, LVM_GETITEMCOUNT, 0, 0) == 0;
    if (shell.currentEntryIndex < 0 || shell.currentEntryIndex >= dialBlockCount) return true;
    return rowAddressText(shell.registerList, shell.currentEntryIndex).empty();
}

void refreshEditMenu(const ViewState& view) {
    const int slot = view.viewKind >= viewOneTouch && view.viewKind <= viewGroups
                         ? shell.pasteSlot[view.viewKind]
                         : -1;
    const EditMenuState edit = editMenuState(view, currentEntryEmpty(view), slot);
    enableMenuItem(IDM_NEW_ENTRY, edit.newEntry);
    enableMenuItem(IDM_PROPERTY, edit.property);
    enableMenuItem(IDM_CUT, edit.cut);
    enableMenuItem(IDM_COPY, edit.copy);
    enableMenuItem(IDM_PASTE, edit.paste);
    enableMenuItem(IDM_DELETE, edit.del);
}

} // namespace

void RefreshUiState(ViewState view) {
    const bool registersOnly = shell.document && shell.document->dialRegistersOnly;
    for (int i = 0; i < stateCommandCount(); ++i) {
        const UINT command = stateCommandAt(i);
        const bool enabled = commandEnabled(command, view, registersOnly);
        enableMenuItem(command, enabled);
        enableToolbarButton(command, enabled);
    }
    if (view.documentOpen) {
        ShowConnectionText(shell.mainWindow);
        if (view.online) {
            EnableWindow(shell.tree, TRUE);
            EnableWindow(shell.registerList, TRUE);
        }
    }
    show(shell.tree, true);
    const bool lists = view.documentOpen && view.viewKind != viewNone;
    show(shell.statusPanel, !lists);
    show(shell.registerList, lists);
    show(shell.groupItemsList, lists && view.viewKind == viewGroups);
    refreshEditMenu(view);
    if (shell.mainWindow) LayoutPanes(shell.mainWindow);
}
