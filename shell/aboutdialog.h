#pragma once
#include <windows.h>

// The About box (dialog 578), modal, owned by the frame.
void ShowAboutDialog(HWND frame);
