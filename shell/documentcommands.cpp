#include "documentcommands.h"

#include "filedialog.h"
#include "mainwindow.h"
#include "messages.h"
#include "resource.h"
#include "resourcemodule.h"
#include "settingsfile.h"
#include "shellstate.h"
#include "statuspanel.h"
#include "views.h"

#include <cstring>
#include <string>

namespace {

// Files carry the signature of the resource module, so that a language
// module may give its own.
std::string ownSignature() {
    return loadText(IDS_SIGNATURE);
}

void copyPath(char (&to)[MAX_PATH], const char* from) {
    copyText(to, MAX_PATH, from);
}

void setCaptionFromPath(HWND frame) {
    const char* path = shell.currentFilePath;
    const char* name = path;
    // Step by characters, not bytes: in a double-byte code page the second
    // byte of a character can have the value of '\\'.
    for (const char* p = path; *p; p = CharNextA(p))
        if (*p == '\\' || *p == '/' || *p == ':') name = p + 1;
    copyText(shell.titleFileName, titleCapacity, name);
    setFrameCaption(frame);
}

void reportSaveFailure(HWND frame, const char* path) {
    ShowSystemMessage(frame, IDS_ERR_SAVE_FAILED, path, GetLastError());
}

// Writes the document; the file on disk is replaced only when every byte of
// the new one is written.
bool writeDocument(HWND frame, const char* path) {
    packImage(*shell.document);
    SetLastError(0);
    if (saveSettingsFile(*shell.document, path, ownSignature().c_str()) == FileStatus::Ok)
        return true;
    reportSaveFailure(frame, path);
    return false;
}

// The 50 keys read once, so that a damaged record is cleared before anything
// shows or sends it.
void normaliseKeys() {
    normaliseDestinations(shell.rules, shell.document->registers);
}

} // namespace

bool documentUntitled() {
    return std::strcmp(shell.titleFileName, shell.currentFilePath) == 0;
}

void reloadViews(HWND frame, bool captionFromPath) {
    selectTreeRoot(shell.tree);
    if (shell.viewState.documentOpen) {
        EnableWindow(shell.tree, TRUE);
        EnableWindow(shell.registerList, TRUE);
        setTreeRootText(shell.tree);
        if (captionFromPath) setCaptionFromPath(frame);
        ShowConnectionText(frame);
    }
    LayoutPanes(frame);
}

bool settleUnsavedChanges(HWND frame) {
    if (!shell.documentDirty) return true;
    switch (ShowMessage(frame, IDS_ASK_SAVE_CHANGES, MB_YESNOCANCEL, shell.currentFilePath)) {
    case IDYES:
        return documentUntitled() ? saveDocumentAs(frame) : saveDocument(frame);
    case IDNO:
        return true;
    default:
        return false;
    }
}

bool saveDocument(HWND frame) {
    if (!shell.viewState.documentOpen) return false;
    char path[MAX_PATH];
    copyPath(path, shell.currentFilePath);
    if (documentUntitled() && !chooseSettingsFile(frame, path, sizeof path, settingsSave))
        return false;
    if (!writeDocument(frame, path)) return false;
    // A first Save names the file but not the caption, which keeps the
    // untitled name.
    copyPath(shell.currentFilePath, path);
    shell.documentDirty = false;
    return true;
}

bool saveDocumentAs(HWND frame) {
    if (!shell.viewState.documentOpen) return false;
    char path[MAX_PATH];
    copyPath(path, shell.currentFilePath);
    if (!chooseSettingsFile(frame, path, sizeof path, settingsSaveAs)) return false;
    if (!writeDocument(frame, path)) return false;
    copyPath(shell.currentFilePath, path);
    setCaptionFromPath(frame);
    // Only Save clears the mark: closing after Save As still asks.
    shell.documentDirty = true;
    return true;
}

void newCommand(HWND frame, UINT) {
    if (!settleUnsavedChanges(frame)) return;
    // The built-in template is read where it lies, in the resource module.
    DWORD size = 0;
    const void* data = findResourceData(IDR_DEFAULTFILE, RT_DEFAULTFILE, size);
    if (!data || newDocument(*shell.document, static_cast<const uint8_t*>(data), size,
                             ownSignature().c_str()) != FileStatus::Ok) {
        ShowMessage(frame, IDS_ERR_FILE_FORMAT, MB_OK);
        return;
    }
    shell.viewState.documentOpen = 1;
    RefreshUiState(shell.viewState);
    loadText(IDS_NEWFILE, shell.titleFileName, titleCapacity);
    setFrameCaption(frame);
    copyPath(shell.currentFilePath, shell.titleFileName);
    normaliseKeys();
    reloadViews(frame, false);
    shell.documentDirty = true;
}

void openCommand(HWND frame, UINT) {
    if (!settleUnsavedChanges(frame)) return;
    char path[MAX_PATH];
    copyPath(path, shell.currentFilePath);
    if (!chooseSettingsFile(frame, path, sizeof path, settingsOpen)) return;
    // Refused files leave the open document, its name and its mark alone.
    if (openSettingsFile(*shell.document, path, ownSignature().c_str()) != FileStatus::Ok) {
        ShowMessage(frame, IDS_ERR_FILE_FORMAT, MB_OK);
        return;
    }
    copyPath(shell.currentFilePath, path);
    shell.viewState.documentOpen = 1;
    unpackImage(*shell.document);
    takePaperSizeRegion();
    RefreshUiState(shell.viewState);
    normaliseKeys();
    reloadViews(frame, true);
    // What was there is saved or given up; the file just read is unchanged.
    shell.documentDirty = false;
}

void saveCommand(HWND frame, UINT) {
    saveDocument(frame);
}

void saveAsCommand(HWND frame, UINT) {
    saveDocumentAs(frame);
}

void importCommand(HWND frame, UINT) {
    if (!shell.viewState.documentOpen) return; // no address book to take the keys into
    if (!chooseSettingsFile(frame, shell.importPathBuffer, sizeof shell.importPathBuffer,
                            settingsOpen))
        return;
    if (ShowMessage(frame, IDS_ASK_IMPORT, MB_YESNO) == IDYES) {
        if (importAddressBook(*shell.document, shell.importPathBuffer, ownSignature().c_str()) !=
            FileStatus::Ok) {
            ShowMessage(frame, IDS_ERR_FILE_FORMAT, MB_OK);
            return;
        }
        shell.document->importPending = 1;
        unpackImage(*shell.document);
        normaliseKeys();
    }
    reloadViews(frame, true);
    markDocumentChanged();
}

void exitCommand(HWND frame, UINT) {
    closeFrame(frame);
}
