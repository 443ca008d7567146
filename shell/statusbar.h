#pragma once
// The frame's status bar: six panes, pane 1 naming the program and the last
// three showing the lock keys.
#include <windows.h>

#include "link.h"

HWND CreateMainStatusBar(HWND frame);
// Moves the bar to the bottom of the frame and sets the pane edges.
void layoutStatusBar(int clientWidth);
void setStatusPaneText(int pane, UINT stringId);
// Re-reads the keyboard and rewrites the pane of one lock key (VK_CAPITAL,
// VK_NUMLOCK or VK_SCROLL) only.
void refreshLockPane(int virtualKey);
// The machine link's way of writing a pane.
void showLinkStatusText(void* window, int pane, const LinkText& text);
