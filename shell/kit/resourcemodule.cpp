#include "resourcemodule.h"

#include <cstring>

namespace {

HINSTANCE exeInstance;
HINSTANCE chosenModule;
HMODULE loadedLibrary; // the language library, when one was loaded

bool fileExists(const char* path) {
    // Opening with no access rights asks only whether the file is there.
    HANDLE file = CreateFileA(path, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    CloseHandle(file);
    return true;
}

} // namespace

HINSTANCE chooseResourceModule(HINSTANCE exe) {
    exeInstance = exe;
    chosenModule = exe;
    char path[MAX_PATH + 4];
    DWORD length = GetModuleFileNameA(exe, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return chosenModule;
    char* name = std::strrchr(path, '\\');
    char* dot = std::strrchr(name ? name : path, '.');
    if (dot)
        std::strcpy(dot, ".DLL");
    else
        std::strcat(path, ".DLL");
    if (!fileExists(path)) return chosenModule;
    // A language library carries resources and no code: mapped as data, a
    // stray file of that name can never run anything in this process.
    loadedLibrary =
        LoadLibraryExA(path, nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (loadedLibrary) chosenModule = reinterpret_cast<HINSTANCE>(loadedLibrary);
    return chosenModule;
}

void releaseResourceModule() {
    if (loadedLibrary) FreeLibrary(loadedLibrary);
    loadedLibrary = nullptr;
    chosenModule = exeInstance;
}

HINSTANCE resourceModule() {
    return chosenModule;
}

HINSTANCE exeModule() {
    return exeInstance;
}

void loadText(UINT id, char* buffer, int size) {
    if (size <= 0) return;
    buffer[0] = '\0';
    LoadStringA(chosenModule, id, buffer, size);
}

std::string loadText(UINT id) {
    char buffer[1024];
    loadText(id, buffer, sizeof buffer);
    return buffer;
}

const void* findResourceData(UINT id, const char* type, DWORD& size) {
    size = 0;
    HRSRC found = FindResourceA(chosenModule, MAKEINTRESOURCEA(id), type);
    if (!found) return nullptr;
    HGLOBAL loaded = LoadResource(chosenModule, found);
    if (!loaded) return nullptr;
    size = SizeofResource(chosenModule, found);
    return LockResource(loaded);
}

HMENU loadResourceMenu(UINT id) {
    DWORD size = 0;
    const void* menu = findResourceData(id, RT_MENU, size);
    return menu ? LoadMenuIndirectA(static_cast<const MENUTEMPLATEA*>(menu)) : nullptr;
}

HBITMAP loadResourceBitmap(UINT id) {
    return static_cast<HBITMAP>(
        LoadImageA(chosenModule, MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}

// Dialogs are built from the template of the resource module but belong to
// the program's own instance, which a library mapped as data cannot be.
INT_PTR runResourceDialog(HWND owner, UINT id, DLGPROC procedure, LPARAM parameter) {
    DWORD size = 0;
    const void* dialog = findResourceData(id, RT_DIALOG, size);
    if (!dialog) return -1;
    return DialogBoxIndirectParamA(exeInstance, static_cast<LPCDLGTEMPLATEA>(dialog), owner,
                                   procedure, parameter);
}

HWND createResourceDialog(HWND parent, UINT id, DLGPROC procedure, LPARAM parameter) {
    DWORD size = 0;
    const void* dialog = findResourceData(id, RT_DIALOG, size);
    if (!dialog) return nullptr;
    return CreateDialogIndirectParamA(exeInstance, static_cast<LPCDLGTEMPLATEA>(dialog), parent,
                                      procedure, parameter);
}
