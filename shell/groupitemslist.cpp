// The group-items list: the members of the group chosen in the register list.
// This program's tree offers no group view, so it stays hidden and empty
// unless a resource library's menu asks for groups.
#include "views.h"

#include "dpi.h"
#include "mainwindow.h"
#include "resource.h"
#include "resourcemodule.h"
#include "shellstate.h"

HWND CreateGroupItemsList(HINSTANCE module, HWND frame, HIMAGELIST imageList) {
    HWND list = CreateWindowExA(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "",
                                WS_CHILD | WS_CLIPSIBLINGS | WS_BORDER | WS_TABSTOP | LVS_REPORT |
                                    LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_SHAREIMAGELISTS,
                                0, 0, 0, 0, frame, reinterpret_cast<HMENU>(IDC_GROUP_ITEMS_LIST),
                                module, nullptr);
    if (!list) return nullptr;
    SendMessageA(list, LVM_SETIMAGELIST, LVSIL_NORMAL, reinterpret_cast<LPARAM>(imageList));
    SendMessageA(list, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(imageList));
    HWND header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
    if (header)
        SetWindowLongPtrA(header, GWL_STYLE, GetWindowLongPtrA(header, GWL_STYLE) | HDS_BUTTONS);
    const std::string title = loadText(IDS_COL_GROUP_ITEMS);
    LVCOLUMNA column = {};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = const_cast<char*>(title.c_str());
    column.cx = scaled(150);
    SendMessageA(list, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
    SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT,
                 LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    EnableWindow(list, shell.viewState.documentOpen != 0);
    return list;
}

LRESULT OnGroupItemsNotify(HWND frame, NMHDR* notification) {
    switch (notification->code) {
    case LVN_ITEMACTIVATE:
        EditCurrentEntry(frame, shell.registerList);
        break;
    case LVN_ITEMCHANGED:
        // A member is not an entry of the register list: the Edit commands
        // have nothing to act on until the register list is clicked again.
        shell.viewState.selectedIndex = -1;
        shell.groupItemsChanged = true;
        RefreshUiState(shell.viewState);
        break;
    }
    return 0;
}
