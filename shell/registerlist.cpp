// The register list: one row per speed-dial key, 001 to 050, free keys
// included. The row the user works on is shell.currentEntryIndex.
#include "views.h"

#include "speeddialdialog.h"
#include "documentcommands.h"
#include "dpi.h"
#include "mainwindow.h"
#include "resource.h"
#include "resourcemodule.h"
#include "shellstate.h"

#include <cstdio>

namespace {

struct Column {
    UINT title;
    int width;
};

// The second name column comes only with the languages that have one.
const Column singleNameColumns[] = {
    {IDS_COL_NUMBER, 50}, {IDS_COL_NAME, 100}, {IDS_COL_ADDRESS, 140}};
const Column twoNameColumns[] = {
    {IDS_COL_NUMBER, 50}, {IDS_COL_NAME, 100}, {IDS_COL_NAME2, 100}, {IDS_COL_ADDRESS, 140}};

int addressColumn() {
    return 3 - shell.singleNameColumn;
}

void setCell(HWND list, int row, int column, const char* text) {
    LVITEMA cell = {};
    cell.iSubItem = column;
    cell.pszText = const_cast<char*>(text);
    SendMessageA(list, LVM_SETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&cell));
}

void insertColumns(HWND list) {
    const Column* columns = shell.singleNameColumn ? singleNameColumns : twoNameColumns;
    const int count = shell.singleNameColumn ? 3 : 4;
    for (int i = 0; i < count; ++i) {
        const std::string title = loadText(columns[i].title);
        LVCOLUMNA column = {};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        column.pszText = const_cast<char*>(title.c_str());
        column.cx = scaled(columns[i].width);
        column.iSubItem = i;
        SendMessageA(list, LVM_INSERTCOLUMNA, static_cast<WPARAM>(i),
                     reinterpret_cast<LPARAM>(&column));
    }
}

int focusedRow(HWND list) {
    return static_cast<int>(
        SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), MAKELPARAM(LVNI_FOCUSED, 0)));
}

void takeFocusedRow(HWND list) {
    shell.currentEntryIndex = focusedRow(list);
    shell.viewState.selectedIndex = shell.currentEntryIndex;
}

void greyItem(HMENU menu, UINT command, bool enabled) {
    EnableMenuItem(menu, command, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

} // namespace

HWND CreateRegisterList(HINSTANCE module, HWND frame, HIMAGELIST imageList) {
    HWND list = CreateWindowExA(
        WS_EX_CLIENTEDGE, WC_LISTVIEWA, "",
        WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_BORDER | WS_TABSTOP | LVS_REPORT |
            LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_SHAREIMAGELISTS,
        0, 0, 0, 0, frame, reinterpret_cast<HMENU>(IDC_REGISTER_LIST), module, nullptr);
    if (!list) return nullptr;
    SendMessageA(list, LVM_SETIMAGELIST, LVSIL_NORMAL, reinterpret_cast<LPARAM>(imageList));
    SendMessageA(list, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(imageList));
    HWND header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
    if (header)
        SetWindowLongPtrA(header, GWL_STYLE, GetWindowLongPtrA(header, GWL_STYLE) | HDS_BUTTONS);
    insertColumns(list);
    EnableWindow(list, shell.viewState.documentOpen != 0);
    return list;
}

void FillSpeedDialList(HWND list) {
    if (!list || !shell.document) return;
    SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
    DestinationEntry entry;
    for (int key = 0; key < dialBlockCount; ++key) {
        // Reading a key also clears it when it is malformed, so that a damaged
        // record shows as a free key rather than as noise.
        decodeDestination(shell.rules, shell.document->registers, entry, key);
        InsertEntryRow(list, entry, key);
    }
    LONG_PTR style = GetWindowLongPtrA(list, GWL_STYLE);
    SetWindowLongPtrA(list, GWL_STYLE, (style & ~LVS_TYPEMASK) | LVS_REPORT | LVS_SORTASCENDING);
    SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT,
                 LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    if (IsWindowVisible(list)) SetFocus(list);
}

void InsertEntryRow(HWND list, const DestinationEntry& entry, int index) {
    char number[8];
    std::snprintf(number, sizeof number, "%03d", index + 1);
    LVITEMA item = {};
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.iItem = index;
    item.pszText = number;
    item.iImage = VIEW_IMAGE_SPEED_DIAL;
    const int row =
        static_cast<int>(SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
    if (row < 0) return;
    if (shell.singleNameColumn) {
        setCell(list, row, 1, entry.name);
    } else {
        setCell(list, row, 1, entry.name2);
        setCell(list, row, 2, entry.name);
    }
    setCell(list, row, addressColumn(), entry.address);
}

void selectListRow(HWND list, int index) {
    LVITEMA state = {};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&state));
    SendMessageA(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(index), FALSE);
}

std::string rowAddressText(HWND list, int row) {
    char text[textCapacity] = "";
    LVITEMA cell = {};
    cell.iSubItem = addressColumn();
    cell.pszText = text;
    cell.cchTextMax = sizeof text;
    SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&cell));
    return text;
}

void rescaleListColumns(HWND list, int oldDpi, int newDpi) {
    if (!list || oldDpi <= 0) return;
    HWND header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
    const int count = header ? static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
    for (int i = 0; i < count; ++i) {
        const int width =
            static_cast<int>(SendMessageA(list, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(i), 0));
        SendMessageA(list, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(i),
                     MAKELPARAM(MulDiv(width, newDpi, oldDpi), 0));
    }
}

LRESULT OnRegisterListNotify(HWND frame, NMHDR* notification) {
    HWND list = notification->hwndFrom;
    switch (notification->code) {
    case LVN_ITEMACTIVATE:
        EditCurrentEntry(frame, list);
        break;
    case LVN_ITEMCHANGED:
        // The menus follow when they open (WM_INITMENU).
        takeFocusedRow(list);
        break;
    case NM_CLICK:
    case NM_RCLICK:
        if (shell.groupItemsChanged) {
            takeFocusedRow(list);
            RefreshUiState(shell.viewState);
            shell.groupItemsChanged = false;
        }
        break;
    }
    return 0;
}

void ShowListMenu(HWND list, POINT screenPoint) {
    LVHITTESTINFO hit = {};
    hit.pt = screenPoint;
    ScreenToClient(list, &hit.pt);
    const int row =
        static_cast<int>(SendMessageA(list, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    if (row < 0 || !(hit.flags & LVHT_ONITEM)) return;
    if (shell.viewState.viewKind == viewNone) return;
    shell.currentEntryIndex = row;
    HMENU menu = loadResourceMenu(IDR_LIST_MENU);
    if (!menu) return;
    HMENU popup = GetSubMenu(menu, 0);
    const RowMenuState state =
        rowMenuState(rowAddressText(list, row).empty(), shell.pasteSlot[viewSpeedDial]);
    greyItem(popup, IDM_CUT, state.cut);
    greyItem(popup, IDM_COPY, state.copy);
    greyItem(popup, IDM_PASTE, state.paste);
    greyItem(popup, IDM_DELETE, state.del);
    HWND frame = GetParent(list);
    SetForegroundWindow(frame);
    TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_RIGHTBUTTON, screenPoint.x, screenPoint.y, 0, frame,
                   nullptr);
    DestroyMenu(menu);
}

void rebuildEntryRow(HWND list, int index) {
    DestinationEntry entry;
    decodeDestination(shell.rules, shell.document->registers, entry, index);
    SendMessageA(list, LVM_DELETEITEM, static_cast<WPARAM>(index), 0);
    InsertEntryRow(list, entry, index);
    selectListRow(list, index);
}

namespace {

void editEntry(HWND list) {
    if (!OpenSpeedDialDialog(list)) return;
    rebuildEntryRow(list, shell.currentEntryIndex);
    markDocumentChanged();
}

} // namespace

void RegisterNewEntry(HWND, HWND list) {
    shell.currentEntryIndex = noEntry;
    if (!shell.document) return;
    // Keys 001-040 (e-mail) come before 041-050 (file servers), as the two
    // register arrays hold them.
    for (int key = 0; key < dialBlockCount; ++key) {
        if (destinationRecord(shell.document->registers, key)[0] != 0) continue;
        shell.currentEntryIndex = key;
        editEntry(list);
        return;
    }
}

void EditCurrentEntry(HWND, HWND list) {
    shell.currentEntryIndex = focusedRow(list);
    if (shell.currentEntryIndex >= 0) editEntry(list);
    SetFocus(list);
}
