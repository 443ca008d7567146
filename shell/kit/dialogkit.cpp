#include "dialogkit.h"

#include "resourcemodule.h"

void applyLabels(HWND dialog, const LabelText* labels, size_t count) {
    for (size_t i = 0; i < count; ++i)
        SetDlgItemTextA(dialog, labels[i].control, loadText(labels[i].text).c_str());
}

namespace {

void appendStrings(HWND combo, UINT first, UINT last, bool withIndices) {
    for (UINT id = first, position = 0; id <= last && first <= last; ++id, ++position) {
        const std::string text = loadText(id);
        const LRESULT item =
            SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
        if (withIndices && item >= 0)
            SendMessageA(combo, CB_SETITEMDATA, static_cast<WPARAM>(item), position);
    }
}

} // namespace

void FillComboFromStrings(HWND dialog, int comboId, UINT firstStringId, UINT lastStringId,
                          int selection) {
    HWND combo = GetDlgItem(dialog, comboId);
    appendStrings(combo, firstStringId, lastStringId, false);
    SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(selection), 0);
}

void FillComboWithIndices(HWND dialog, int comboId, UINT firstStringId, UINT lastStringId) {
    appendStrings(GetDlgItem(dialog, comboId), firstStringId, lastStringId, true);
}

int comboSelection(HWND dialog, int comboId) {
    return static_cast<int>(SendDlgItemMessageA(dialog, comboId, CB_GETCURSEL, 0, 0));
}

std::string itemText(HWND dialog, int control) {
    HWND window = GetDlgItem(dialog, control);
    std::string text(static_cast<size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(
        static_cast<size_t>(GetWindowTextA(window, &text[0], static_cast<int>(text.size()))));
    return text;
}

std::string itemText(HWND dialog, int control, int limit) {
    std::string text(static_cast<size_t>(limit) + 1, '\0');
    text.resize(static_cast<size_t>(
        GetDlgItemTextA(dialog, control, &text[0], static_cast<int>(text.size()))));
    return text;
}

void putBackText(HWND dialog, int control, const std::string& text, size_t caret) {
    HWND edit = GetDlgItem(dialog, control);
    SetWindowTextA(edit, text.c_str());
    SendMessageA(edit, EM_SETSEL, caret, static_cast<LPARAM>(caret));
}

void focusAndSelect(HWND dialog, int control) {
    HWND field = GetDlgItem(dialog, control);
    SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(field), TRUE);
    SendMessageA(field, EM_SETSEL, 0, -1);
}

void showItem(HWND dialog, int control, bool shown) {
    ShowWindow(GetDlgItem(dialog, control), shown ? SW_SHOW : SW_HIDE);
}

void enableItem(HWND dialog, int control, bool enabled) {
    EnableWindow(GetDlgItem(dialog, control), enabled);
}

void checkItem(HWND dialog, int control, bool checked) {
    CheckDlgButton(dialog, control, checked ? BST_CHECKED : BST_UNCHECKED);
}

bool isItemChecked(HWND dialog, int control) {
    return IsDlgButtonChecked(dialog, control) == BST_CHECKED;
}

bool isItemEnabled(HWND dialog, int control) {
    return IsWindowEnabled(GetDlgItem(dialog, control)) != 0;
}
