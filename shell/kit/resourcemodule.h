#pragma once
// The module every string, menu, dialog and bitmap comes from: a library of
// the program's own base name with the extension "DLL" beside it, or else the
// program itself. Icon, cursor and accelerator keys always come from the
// program (exeModule). Nothing else calls LoadString, LoadMenu, DialogBox or
// LoadImage with a module of its own choosing.
#include <windows.h>

#include <string>

// Chooses once, from the file name of `exe`. Returns the chosen module.
HINSTANCE chooseResourceModule(HINSTANCE exe);
// Frees the library when one was loaded; the program itself stays.
void releaseResourceModule();

HINSTANCE resourceModule();
HINSTANCE exeModule();

// A string of the resource module; empty when it has none of that number.
std::string loadText(UINT id);
// The same into a caller's buffer (at most size - 1 characters).
void loadText(UINT id, char* buffer, int size);

HMENU loadResourceMenu(UINT id);
HBITMAP loadResourceBitmap(UINT id);
INT_PTR runResourceDialog(HWND owner, UINT id, DLGPROC procedure, LPARAM parameter = 0);
HWND createResourceDialog(HWND parent, UINT id, DLGPROC procedure, LPARAM parameter = 0);
// A resource of a custom type (such as "DEFAULTFILE"); null when absent.
const void* findResourceData(UINT id, const char* type, DWORD& size);
