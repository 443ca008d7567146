#pragma once
// The one dispatcher of WM_COMMAND: every menu item, toolbar button,
// accelerator and context-menu item, and the commands the program sends
// itself.
#include <windows.h>

// Carries out `command` to its end; returns 0 for every command.
LRESULT DispatchCommand(HWND frame, UINT command, LPARAM lParam);
