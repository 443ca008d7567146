// The model setup dialog. The installers lie in folders of their own below the
// launcher's folder; OK forms the chosen one's full path and leaves the start
// to the shell, which also handles elevation and shows its own errors (a
// missing installer, a refused start). The launcher does not look back.
#include "modelsetupdialog.h"

#include <shellapi.h>
#include <strsafe.h>

#include "zodmodel_resource.h"

namespace {

const char model60Installer[] = "DRV60ux\\Setup.exe";
const char model80Installer[] = "DRV80ux\\Setup.exe";

// The chosen model's installer, relative to the launcher's folder.
const char* selectedInstaller = model60Installer;

// The launcher's folder, ending with its separator. Empty when the launcher's
// own path could not be read whole or its folder does not fit: OK then starts
// nothing rather than a file of the same name somewhere else.
char launcherFolder[256];

void readLauncherFolder() {
    launcherFolder[0] = '\0';
    char modulePath[512];
    DWORD length = GetModuleFileNameA(nullptr, modulePath, sizeof modulePath);
    if (length == 0 || length >= sizeof modulePath) return; // failed, or cut short
    // Step by characters, not bytes: in a double-byte code page the second
    // byte of a character can have the value of '\\'.
    const char* nameStart = modulePath;
    for (const char* p = modulePath; *p; p = CharNextA(p))
        if (*p == '\\' || *p == '/' || *p == ':') nameStart = p + 1;
    size_t folderLength = static_cast<size_t>(nameStart - modulePath);
    if (FAILED(StringCchCopyNA(launcherFolder, sizeof launcherFolder, modulePath, folderLength)))
        launcherFolder[0] = '\0';
}

// Over the parent when there is one, else in the middle of the display.
void centreWindow(HWND window) {
    RECT box;
    GetWindowRect(window, &box);
    int width = box.right - box.left;
    int height = box.bottom - box.top;
    int x, y;
    if (HWND parent = GetParent(window)) {
        RECT area;
        GetWindowRect(parent, &area);
        x = area.left + (area.right - area.left - width) / 2;
        y = area.top + (area.bottom - area.top - height) / 2;
    } else {
        HDC display = CreateICA("DISPLAY", nullptr, nullptr, nullptr);
        if (!display) return; // stays where the system put it
        x = (GetDeviceCaps(display, HORZRES) - width) / 2;
        y = (GetDeviceCaps(display, VERTRES) - height) / 2;
        DeleteDC(display);
    }
    MoveWindow(window, x, y, width, height, TRUE);
}

void onInitDialog(HWND dialog) {
    centreWindow(dialog);
    readLauncherFolder();
    CheckRadioButton(dialog, IDC_MODEL_60, IDC_MODEL_80, IDC_MODEL_60);
    selectedInstaller = model60Installer;
}

// "<launcher folder><chosen installer>". False when the folder is unknown or
// the path does not fit: a path cut short would name another file.
bool formInstallerPath(char* path, size_t size) {
    if (launcherFolder[0] == '\0') return false;
    return SUCCEEDED(StringCchPrintfA(path, size, "%s%s", launcherFolder, selectedInstaller));
}

void onOk(HWND dialog) {
    // MAX_PATH: the most the ANSI shell takes.
    char installerPath[MAX_PATH];
    if (formInstallerPath(installerPath, sizeof installerPath))
        ShellExecuteA(dialog, "open", installerPath, nullptr, nullptr, SW_SHOWNORMAL);
    EndDialog(dialog, 0);
}

INT_PTR CALLBACK ModelSetupDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        onInitDialog(dialog);
        return FALSE; // the dialog manager sets no focus of its own
    case WM_COMMAND:
        if (HIWORD(wParam) != BN_CLICKED) break;
        switch (LOWORD(wParam)) {
        case IDC_MODEL_60:
            selectedInstaller = model60Installer;
            return TRUE;
        case IDC_MODEL_80:
            selectedInstaller = model80Installer;
            return TRUE;
        case IDOK:
            onOk(dialog);
            return TRUE;
        case IDCANCEL: // also the close box and Esc
            EndDialog(dialog, 0);
            return TRUE;
        }
        break;
    }
    return FALSE;
}

} // namespace

bool runModelSetupDialog(HINSTANCE instance) {
    return DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_MODEL_SETUP), nullptr, ModelSetupDlgProc,
                           0) != -1;
}
