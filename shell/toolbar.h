#pragma once
// The frame's toolbar: big buttons for the connection, the transfers and the
// file commands, each with a balloon tooltip.
#include <windows.h>

HWND CreateMainToolbar(HWND frame);
void destroyMainToolbar();
// Takes the images drawn for the frame's new scale (shell.dpi) and resizes.
void reloadToolbarImages();
void enableToolbarButton(UINT command, bool enabled);
// The toolbar's height once it has sized itself to the frame.
int autoSizeToolbar();
