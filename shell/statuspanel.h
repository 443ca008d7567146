#pragma once
// The status panel: a modeless child dialog in the right-hand pane that tells
// whether the program is connected to the machine.
#include <windows.h>

HWND CreateStatusPanel(HWND frame);
void destroyStatusPanel();
// "Connect Status : ONLINE" or "... OFFLINE", from the connection state.
void ShowConnectionText(HWND frame);
