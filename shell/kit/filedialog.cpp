#include "filedialog.h"

#include "resource.h"
#include "resourcemodule.h"
#include "shellstate.h"

#include <commdlg.h>

#include <cstring>
#include <string>

namespace {

FileDialogHook dialogHook;
PrintDialogHook printHook;

// The common dialogs bring the whole shell with them: loaded when a dialog is
// first needed rather than at start-up, they cost the program nothing until
// then.
template <typename Function> Function commonDialog(const char* name) {
    static HMODULE library = LoadLibraryA("comdlg32.dll");
    if (!library) return nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(library, name)));
}

int runCommonDialog(const char* name, OPENFILENAMEA& dialog) {
    auto run = commonDialog<BOOL(WINAPI*)(LPOPENFILENAMEA)>(name);
    return run && run(&dialog) ? 1 : 0;
}

// Everything that tells one file dialog from another.
struct FileDialogKind {
    SettingsFileMode mode;
    UINT title;             // 0: the system's own title
    UINT filterTextId;      // the filter's description from the resource module ...
    const char* filterText; // ... or this text, when no string is named
    const char* pattern;
    const char* extension;
    bool save;
};

const FileDialogKind fileDialogKinds[] = {
    {settingsOpen, IDS_OPEN, IDS_DAT_FILTER, nullptr, "*.DAT", "DAT", false},
    {settingsSave, IDS_SAVE, IDS_DAT_FILTER, nullptr, "*.DAT", "DAT", true},
    {settingsSaveAs, IDS_SAVE_AS, IDS_DAT_FILTER, nullptr, "*.DAT", "DAT", true},
    {csvExport, 0, 0, "CSV FILE(*.CSV)", "*.CSV", "CSV", true},
};

const FileDialogKind& kindOf(SettingsFileMode mode) {
    for (const FileDialogKind& kind : fileDialogKinds)
        if (kind.mode == mode) return kind;
    return fileDialogKinds[0];
}

int runFileDialog(HWND owner, const FileDialogKind& kind, char* chosen, size_t capacity) {
    // One filter entry: its description, then the pattern; the list ends
    // with an empty pair.
    std::string filter = kind.filterText ? kind.filterText : loadText(kind.filterTextId);
    filter.push_back('\0');
    filter.append(kind.pattern);
    filter.push_back('\0');
    filter.push_back('\0');
    const std::string title = kind.title ? loadText(kind.title) : std::string();
    OPENFILENAMEA dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.lpstrFile = chosen;
    dialog.nMaxFile = static_cast<DWORD>(capacity);
    dialog.lpstrTitle = kind.title ? title.c_str() : nullptr;
    dialog.lpstrDefExt = kind.extension;
    dialog.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_LONGNAMES;
    // A file to open must exist; a file to save usually does not yet.
    if (!kind.save) {
        dialog.Flags |= OFN_FILEMUSTEXIST;
        return runCommonDialog("GetOpenFileNameA", dialog);
    }
    dialog.Flags |= OFN_OVERWRITEPROMPT;
    return runCommonDialog("GetSaveFileNameA", dialog);
}

int chooseFile(HWND owner, char* path, size_t size, SettingsFileMode mode) {
    char chosen[MAX_PATH];
    const size_t capacity = size < sizeof chosen ? size : sizeof chosen;
    if (capacity == 0) return 0;
    copyText(chosen, capacity, path);
    const int ok = dialogHook ? dialogHook(owner, mode, chosen, capacity)
                              : runFileDialog(owner, kindOf(mode), chosen, capacity);
    if (!ok || chosen[0] == '\0') return 0;
    copyText(path, capacity, chosen);
    return 1;
}

} // namespace

void setFileDialogHook(FileDialogHook hook) {
    dialogHook = hook;
}

int chooseSettingsFile(HWND owner, char* path, size_t size, SettingsFileMode mode) {
    return chooseFile(owner, path, size, mode);
}

int chooseCsvFile(HWND owner, char* path, size_t size) {
    if (size == 0) return 0;
    copyText(path, size, "*.CSV");
    if (chooseFile(owner, path, size, csvExport)) return 1;
    path[0] = '\0';
    return 0;
}

void setPrintDialogHook(PrintDialogHook hook) {
    printHook = hook;
}

int askPrintDialog(PRINTDLGA& dialog) {
    if (printHook) return printHook(dialog);
    auto run = commonDialog<BOOL(WINAPI*)(LPPRINTDLGA)>("PrintDlgA");
    return run && run(&dialog) && dialog.hDC ? 1 : 0;
}
