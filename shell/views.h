#pragma once
// The address book views: the tree (the machine and its speed-dial register),
// the register list with one row per key, and the group-items list.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "destination.h"

// Tree.
HWND CreateTree(HINSTANCE module, HWND frame, HIMAGELIST imageList);
void FillTree(HWND tree);
void selectTreeRoot(HWND tree);
// Selects the child of the root at `position` (0 the first, 2 the third);
// nothing when the tree has no such node.
void selectTreeChild(HWND tree, int position);
LRESULT OnTreeNotify(HWND frame, NMHDR* notification);
void ShowTreeMenu(HWND tree, POINT screenPoint);

// Register list.
HWND CreateRegisterList(HINSTANCE module, HWND frame, HIMAGELIST imageList);
void FillSpeedDialList(HWND list);
// The row of one key, built from its decoded entry, at the row of its index.
void InsertEntryRow(HWND list, const DestinationEntry& entry, int index);
void selectListRow(HWND list, int index);
// Shows the row of one key as its register now holds it.
void rebuildEntryRow(HWND list, int index);
// The address column of a row; empty for a free key.
std::string rowAddressText(HWND list, int row);
// Keeps each column's share of the window when the scale changes.
void rescaleListColumns(HWND list, int oldDpi, int newDpi);
LRESULT OnRegisterListNotify(HWND frame, NMHDR* notification);
void ShowListMenu(HWND list, POINT screenPoint);
void RegisterNewEntry(HWND frame, HWND list);
void EditCurrentEntry(HWND frame, HWND list);

// Group-items list.
HWND CreateGroupItemsList(HINSTANCE module, HWND frame, HIMAGELIST imageList);
LRESULT OnGroupItemsNotify(HWND frame, NMHDR* notification);
