#include "commands.h"

#include "aboutdialog.h"
#include "dialogs.h"
#include "documentcommands.h"
#include "editcommands.h"
#include "machinecommands.h"
#include "settingssheets.h"
#include "resource.h"
#include "shellstate.h"
#include "statusbar.h"
#include "views.h"

namespace {

void lockKeyCommand(HWND, UINT command) {
    switch (command) {
    case IDM_CAPS_LOCK:
        refreshLockPane(VK_CAPITAL);
        break;
    case IDM_NUM_LOCK:
        refreshLockPane(VK_NUMLOCK);
        break;
    case IDM_SCROLL_LOCK:
        refreshLockPane(VK_SCROLL);
        break;
    }
}

void utilitySettingCommand(HWND frame, UINT) {
    // The sheet edits the machine settings, which the root stands for.
    if (shell.viewState.viewKind != viewNone) {
        if (shell.viewState.viewKind == viewSpeedDial)
            SendMessageA(frame, WM_COMMAND, IDM_SHOW_ONE_TOUCH, 0);
        selectTreeRoot(shell.tree);
    }
    OpenUtilitySheet(frame);
}

void printCommand(HWND frame, UINT) {
    OpenPrintDialog(frame);
}
void adminCommand(HWND frame, UINT) {
    AdminManagementPrompt(frame);
}
void counterCommand(HWND frame, UINT) {
    CounterDialog(frame);
}
void configurationCommand(HWND frame, UINT) {
    MachineStatusDialog(frame);
}
void exportCommand(HWND frame, UINT) {
    ExportAddressBook(frame);
}
void aboutCommand(HWND frame, UINT) {
    ShowAboutDialog(frame);
}

struct Command {
    UINT id;
    void (*run)(HWND frame, UINT command);
};

// F1 (124) is deliberately absent: it does nothing, like every ID not here.
const Command commands[] = {
    {IDM_NEW, newCommand},
    {IDM_OPEN, openCommand},
    {IDM_SAVE, saveCommand},
    {IDM_SAVE_AS, saveAsCommand},
    {IDM_IMPORT_ADDRESS_BOOK, importCommand},
    {IDM_PRINT, printCommand},
    {IDM_EXIT, exitCommand},
    {IDM_CUT, cutCommand},
    {IDM_COPY, copyCommand},
    {IDM_PASTE, pasteCommand},
    {IDM_DELETE, deleteCommand},
    {IDM_SHOW_ONE_TOUCH, selectViewCommand},
    {IDM_SHOW_SPEED_DIAL, selectViewCommand},
    {IDM_SHOW_GROUPS, selectViewCommand},
    {IDM_CONNECT, connectCommand},
    {IDM_DISCONNECT, disconnectCommand},
    {IDM_DOWNLOAD, downloadCommand},
    {IDM_UPLOAD, uploadCommand},
    {IDM_UTILITY_SETTING, utilitySettingCommand},
    {IDM_ADMIN_MANAGEMENT, adminCommand},
    {IDM_COUNTER, counterCommand},
    {IDM_CONFIGURATION, configurationCommand},
    {IDM_ABOUT, aboutCommand},
    {IDM_TREE_DOWNLOAD, downloadCommand},
    {IDM_TREE_UPLOAD, uploadCommand},
    {IDM_PROPERTY, propertyCommand},
    {IDM_EXPORT_ADDRESS_BOOK, exportCommand},
    {IDM_NEW_ENTRY, newEntryCommand},
    {IDM_FETCH, fetchCommand},
    {IDM_CAPS_LOCK, lockKeyCommand},
    {IDM_NUM_LOCK, lockKeyCommand},
    {IDM_SCROLL_LOCK, lockKeyCommand},
};

} // namespace

LRESULT DispatchCommand(HWND frame, UINT command, LPARAM) {
    // Once the frame is torn down there is nothing left to work on.
    if (!shell.document) return 0;
    for (const Command& c : commands)
        if (c.id == command) {
            c.run(frame, command);
            break;
        }
    return 0;
}
