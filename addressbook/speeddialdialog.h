#pragma once
// The speed-dial registration dialog, opened by the register list.
#include <windows.h>

// The dialog for key shell.currentEntryIndex, owned by `owner`. True when OK
// stored the entry in the register and packed the image; the caller shows
// the new row.
bool OpenSpeedDialDialog(HWND owner);
