#pragma once
// Editing the keys of the register list: Cut, Copy, Paste, Delete, New and
// Property, and choosing the view.
#include <windows.h>

void cutCommand(HWND frame, UINT command);
void copyCommand(HWND frame, UINT command);
void pasteCommand(HWND frame, UINT command);
void deleteCommand(HWND frame, UINT command);
void newEntryCommand(HWND frame, UINT command);
void propertyCommand(HWND frame, UINT command);
// 113, 114 and 115: select the view's node in the tree.
void selectViewCommand(HWND frame, UINT command);
