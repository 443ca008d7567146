#pragma once
// Drop-down lists whose items stand for values that are not their positions:
// each item carries its value as item data.
#include <windows.h>

#include <cstddef>

#include "machinerules.h"

// Empties the list, appends the items and selects the one whose data is
// `selectedData` (none when no item has it).
void fillItemList(HWND dialog, int combo, const ListItem* items, size_t count, int selectedData);
void selectItemData(HWND dialog, int combo, int data);
// The data of the selected item, -1 for none.
int selectedItemData(HWND dialog, int combo);
