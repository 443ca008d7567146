#pragma once
// The settings-file dialog (*.DAT): the system's open or save dialog.
#include <windows.h>

#include <cstddef>

enum SettingsFileMode {
    settingsOpen = 0,   // Open and Import Address Book, titled "Open"
    settingsSave = 1,   // Save of a document that has no name yet, titled "Save"
    settingsSaveAs = 2, // Save As, titled "Save As..."
};

// `path` holds the name the dialog starts with and receives the chosen one
// (`size` bytes, MAX_PATH at most). Returns nonzero when a file was chosen;
// on cancel `path` is unchanged.
int chooseSettingsFile(HWND owner, char* path, size_t size, SettingsFileMode mode);

// Where a person answers: when set, it is asked instead of the dialog and
// returns nonzero with the path written, or 0 for cancel.
using FileDialogHook = int (*)(HWND owner, SettingsFileMode mode, char* path, size_t size);
void setFileDialogHook(FileDialogHook hook);
