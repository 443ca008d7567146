#pragma once
// Connect, Disconnect, Download and Upload.
#include <windows.h>

void connectCommand(HWND frame, UINT command);
void disconnectCommand(HWND frame, UINT command);
void downloadCommand(HWND frame, UINT command);
void fetchCommand(HWND frame, UINT command);
void uploadCommand(HWND frame, UINT command);
