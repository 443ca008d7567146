#include "filedialog.h"

#include "resource.h"
#include "resourcemodule.h"
#include "shellstate.h"

#include <commdlg.h>

#include <cstring>
#include <string>

namespace {

FileDialogHook dialogHook;

using FileDialogFunction = BOOL(WINAPI*)(LPOPENFILENAMEA);

// The common dialogs bring the whole shell with them: loaded when a file
// dialog is first needed rather than at start-up, they cost the program
// nothing until then.
FileDialogFunction commonDialog(const char* name) {
    static HMODULE library = LoadLibraryA("comdlg32.dll");
    if (!library) return nullptr;
    return reinterpret_cast<FileDialogFunction>(
        reinterpret_cast<void (*)()>(GetProcAddress(library, name)));
}

int runCommonDialog(const char* name, OPENFILENAMEA& dialog) {
    FileDialogFunction run = commonDialog(name);
    return run && run(&dialog) ? 1 : 0;
}

UINT titleFor(SettingsFileMode mode) {
    switch (mode) {
    case settingsSave:
        return IDS_SAVE;
    case settingsSaveAs:
        return IDS_SAVE_AS;
    default:
        return IDS_OPEN;
    }
}

} // namespace

void setFileDialogHook(FileDialogHook hook) {
    dialogHook = hook;
}

int chooseSettingsFile(HWND owner, char* path, size_t size, SettingsFileMode mode) {
    char chosen[MAX_PATH];
    const size_t capacity = size < sizeof chosen ? size : sizeof chosen;
    if (capacity == 0) return 0;
    copyText(chosen, capacity, path);
    int ok;
    if (dialogHook) {
        ok = dialogHook(owner, mode, chosen, capacity);
    } else {
        // One filter entry: its description from the resource module, then the
        // pattern; the list ends with an empty pair.
        std::string filter = loadText(IDS_DAT_FILTER);
        filter.push_back('\0');
        filter.append("*.DAT");
        filter.push_back('\0');
        filter.push_back('\0');
        const std::string title = loadText(titleFor(mode));
        OPENFILENAMEA dialog = {};
        dialog.lStructSize = sizeof dialog;
        dialog.hwndOwner = owner;
        dialog.lpstrFilter = filter.c_str();
        dialog.lpstrFile = chosen;
        dialog.nMaxFile = static_cast<DWORD>(capacity);
        dialog.lpstrTitle = title.c_str();
        dialog.lpstrDefExt = "DAT";
        dialog.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_LONGNAMES;
        // A file to open must exist; a file to save usually does not yet.
        if (mode == settingsOpen) {
            dialog.Flags |= OFN_FILEMUSTEXIST;
            ok = runCommonDialog("GetOpenFileNameA", dialog);
        } else {
            dialog.Flags |= OFN_OVERWRITEPROMPT;
            ok = runCommonDialog("GetSaveFileNameA", dialog);
        }
    }
    if (!ok || chosen[0] == '\0') return 0;
    copyText(path, capacity, chosen);
    return 1;
}
