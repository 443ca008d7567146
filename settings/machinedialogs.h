#pragma once
// The two sub-dialogs of the Machine Setting and Paper Source pages. Each
// keeps a snapshot of its page's block: OK keeps the edits, Cancel and the
// close box put the snapshot back. Both return 1 for OK, 0 otherwise.
#include <windows.h>

int BuzzerVolumeDialog(HWND page);
int TraySettingDialog(HWND page);
