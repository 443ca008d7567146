#pragma once
// The system's file dialogs (settings files *.DAT and the CSV export) and its
// print dialog.
#include <windows.h>
#include <commdlg.h>

#include <cstddef>

enum SettingsFileMode {
    settingsOpen = 0,   // Open and Import Address Book, titled "Open"
    settingsSave = 1,   // Save of a document that has no name yet, titled "Save"
    settingsSaveAs = 2, // Save As, titled "Save As..."
    csvExport = 3,      // Export Address Book: a CSV file to save, the system's own title
};

// `path` holds the name the dialog starts with and receives the chosen one
// (`size` bytes, MAX_PATH at most). Returns nonzero when a file was chosen;
// on cancel `path` is unchanged.
int chooseSettingsFile(HWND owner, char* path, size_t size, SettingsFileMode mode);

// The CSV file to export to; the name field starts as "*.CSV". Returns
// nonzero when a file was chosen; on cancel `path` is empty.
int chooseCsvFile(HWND owner, char* path, size_t size);

// Where a person answers: when set, it is asked instead of the dialog and
// returns nonzero with the path written, or 0 for cancel.
using FileDialogHook = int (*)(HWND owner, SettingsFileMode mode, char* path, size_t size);
void setFileDialogHook(FileDialogHook hook);

// The print dialog, set up as `dialog` says (its flags ask for a device
// context). Returns nonzero when the user confirmed it and dialog.hDC holds
// the printer's device context, which the caller deletes.
int askPrintDialog(PRINTDLGA& dialog);

// Where a person answers the print dialog: when set, it receives the dialog as
// it would be shown and returns nonzero with dialog.hDC set, or 0 for cancel.
using PrintDialogHook = int (*)(PRINTDLGA& dialog);
void setPrintDialogHook(PrintDialogHook hook);
