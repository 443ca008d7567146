// The tree: the machine as its root and the speed-dial register as its child.
// Selecting a node chooses what the right-hand pane shows.
#include "views.h"

#include "mainwindow.h"
#include "resource.h"
#include "resourcemodule.h"
#include "shellstate.h"

#include <cstring>

namespace {

HTREEITEM insertNode(HWND tree, HTREEITEM parent, const char* text, int image, int selectedImage,
                     ViewKind kind, bool hasChildren) {
    TVINSERTSTRUCTA insert = {};
    insert.hParent = parent;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM | TVIF_CHILDREN;
    insert.item.pszText = const_cast<char*>(text);
    insert.item.iImage = image;
    insert.item.iSelectedImage = selectedImage;
    insert.item.lParam = kind;
    insert.item.cChildren = hasChildren ? 1 : 0;
    return reinterpret_cast<HTREEITEM>(
        SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
}

bool nodeKind(HWND tree, HTREEITEM item, ViewKind& kind) {
    TVITEMA data = {};
    data.mask = TVIF_PARAM | TVIF_HANDLE;
    data.hItem = item;
    if (!SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&data))) return false;
    kind = static_cast<ViewKind>(data.lParam);
    return true;
}

void showPanesFor(ViewKind kind) {
    const bool list = kind != viewNone;
    ShowWindow(shell.statusPanel, list ? SW_HIDE : SW_SHOW);
    ShowWindow(shell.registerList, list ? SW_SHOW : SW_HIDE);
    ShowWindow(shell.groupItemsList, kind == viewGroups ? SW_SHOW : SW_HIDE);
}

void onSelectionChanged(HWND frame, const NMTREEVIEWA& change) {
    if (!change.itemNew.hItem) return;
    const ViewKind kind = static_cast<ViewKind>(change.itemNew.lParam);
    showPanesFor(kind);
    shell.viewState.viewKind = kind;
    RefreshUiState(shell.viewState);
    if (kind == viewSpeedDial) {
        FillSpeedDialList(shell.registerList);
        shell.currentEntryIndex = 0;
        selectListRow(shell.registerList, 0);
    }
    LayoutPanes(frame);
}

void trackRootMenu(HWND tree, HTREEITEM root, POINT at) {
    HMENU menu = loadResourceMenu(IDR_TREE_MENU);
    if (!menu) return;
    HMENU popup = GetSubMenu(menu, 0);
    showPanesFor(viewNone);
    shell.viewState.viewKind = viewNone;
    RefreshUiState(shell.viewState);
    const RootMenuState state = rootMenuState(shell.viewState.online != 0);
    EnableMenuItem(popup, IDM_CONNECT, MF_BYCOMMAND | (state.connect ? MF_ENABLED : MF_GRAYED));
    EnableMenuItem(popup, IDM_DISCONNECT,
                   MF_BYCOMMAND | (state.disconnect ? MF_ENABLED : MF_GRAYED));
    EnableMenuItem(popup, IDM_TREE_DOWNLOAD,
                   MF_BYCOMMAND | (state.download ? MF_ENABLED : MF_GRAYED));
    EnableMenuItem(popup, IDM_TREE_UPLOAD, MF_BYCOMMAND | (state.upload ? MF_ENABLED : MF_GRAYED));
    SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(root));
    HWND frame = GetParent(tree);
    SetForegroundWindow(frame);
    TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, frame, nullptr);
    DestroyMenu(menu);
}

} // namespace

HWND CreateTree(HINSTANCE module, HWND frame, HIMAGELIST imageList) {
    HWND tree =
        CreateWindowExA(WS_EX_CLIENTEDGE, WC_TREEVIEWA, "",
                        WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP | TVS_HASBUTTONS |
                            TVS_HASLINES | TVS_LINESATROOT | TVS_NOTOOLTIPS,
                        0, 0, 0, 0, frame, reinterpret_cast<HMENU>(IDC_TREE), module, nullptr);
    if (tree)
        SendMessageA(tree, TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(imageList));
    return tree;
}

void FillTree(HWND tree) {
    SendMessageA(tree, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
    SendMessageA(tree, TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(shell.viewImages));
    char name[textCapacity];
    machineName(name);
    HTREEITEM root = insertNode(tree, TVI_ROOT, name, VIEW_IMAGE_MACHINE,
                                VIEW_IMAGE_MACHINE_SELECTED, viewNone, true);
    const std::string speedDial = loadText(IDS_SPEED_DIAL);
    insertNode(tree, root, speedDial.c_str(), VIEW_IMAGE_SPEED_DIAL, VIEW_IMAGE_SPEED_DIAL_SELECTED,
               viewSpeedDial, false);
    SendMessageA(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(root));
    EnableWindow(tree, shell.viewState.documentOpen != 0);
}

void selectTreeRoot(HWND tree) {
    HTREEITEM root = TreeView_GetRoot(tree);
    if (root) SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(root));
}

void selectTreeChild(HWND tree, int position) {
    HTREEITEM node = TreeView_GetChild(tree, TreeView_GetRoot(tree));
    for (int i = 0; node && i < position; ++i)
        node = TreeView_GetNextSibling(tree, node);
    if (node) SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(node));
}

LRESULT OnTreeNotify(HWND frame, NMHDR* notification) {
    if (notification->code == TVN_SELCHANGEDA)
        onSelectionChanged(frame, *reinterpret_cast<NMTREEVIEWA*>(notification));
    return 0;
}

void ShowTreeMenu(HWND tree, POINT screenPoint) {
    TVHITTESTINFO hit = {};
    hit.pt = screenPoint;
    ScreenToClient(tree, &hit.pt);
    HTREEITEM item = TreeView_HitTest(tree, &hit);
    if (!item || !(hit.flags & TVHT_ONITEM)) return;
    ViewKind kind;
    if (!nodeKind(tree, item, kind)) return;
    static const UINT selectCommand[] = {0, IDM_SHOW_ONE_TOUCH, IDM_SHOW_SPEED_DIAL,
                                         IDM_SHOW_GROUPS};
    if (kind == viewNone)
        trackRootMenu(tree, item, screenPoint);
    else if (kind >= viewOneTouch && kind <= viewGroups)
        SendMessageA(GetParent(tree), WM_COMMAND, selectCommand[kind], 0);
}
