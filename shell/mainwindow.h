#pragma once
// The main frame: its class, its children and their layout, the splitter, the
// machine poll and the close.
#include <windows.h>

#include "uirules.h"

constexpr char mainClassName[] = "ZOD";
constexpr UINT_PTR pollTimer = 1;
constexpr UINT pollPeriod = 3000; // ms

ATOM RegisterMainClass(HINSTANCE instance);
// Creates, shows and paints the frame. Returns 1, or 0 when it could not be made.
int CreateMainWindow(HINSTANCE instance, int showCommand);
LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

void LayoutPanes(HWND frame);
// Inverting ink: drawn twice at the same x the line vanishes.
void DrawSplitterLine(HWND frame, int x);
// Enables every menu item and toolbar button from `view`, shows the panes
// that belong to it and lays them out.
void RefreshUiState(ViewState view);
// "Zotwell - ZOT - <titleFileName>".
void setFrameCaption(HWND frame);
// Asks about unsaved changes, then tears the frame down and destroys it.
// False when the user chose to keep it.
bool closeFrame(HWND frame);
