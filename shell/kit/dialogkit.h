#pragma once
// Small helpers that the dialogs and property-sheet pages share: captions
// from the string table, lists filled from string ranges, and one-line
// wrappers for showing, enabling and checking a dialog's controls.
#include <windows.h>

#include <cstddef>
#include <string>

// A control and the string that captions it.
struct LabelText {
    int control;
    UINT text;
};

// Captions every control of the table with its string from the resource
// module, so that a language library relabels the dialog.
void applyLabels(HWND dialog, const LabelText* labels, size_t count);
template <size_t N> void applyLabels(HWND dialog, const LabelText (&labels)[N]) {
    applyLabels(dialog, labels, N);
}

// Appends the strings first..last (inclusive) to a drop-down list and selects
// item `selection` (none when it is out of range). With first > last it
// appends nothing and only selects.
void FillComboFromStrings(HWND dialog, int comboId, UINT firstStringId, UINT lastStringId,
                          int selection);
// Appends the same strings, each with its position as item data; selects nothing.
void FillComboWithIndices(HWND dialog, int comboId, UINT firstStringId, UINT lastStringId);
// The selected position of a drop-down list, -1 for none.
int comboSelection(HWND dialog, int comboId);

// The whole text of a control.
std::string itemText(HWND dialog, int control);
// At most `limit` characters of it, as a bounded read of a field would take them.
std::string itemText(HWND dialog, int control, int limit);
// Replaces an edit's text and puts the caret at `caret`.
void putBackText(HWND dialog, int control, const std::string& text, size_t caret);
// Gives a control the focus as the dialog manager would and selects its text.
void focusAndSelect(HWND dialog, int control);

void showItem(HWND dialog, int control, bool shown);
void enableItem(HWND dialog, int control, bool enabled);
void checkItem(HWND dialog, int control, bool checked);
bool isItemChecked(HWND dialog, int control);
bool isItemEnabled(HWND dialog, int control);
