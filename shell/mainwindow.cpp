#include "mainwindow.h"

#include "commands.h"
#include "documentcommands.h"
#include "dpi.h"
#include "machine.h"
#include "resource.h"
#include "resourcemodule.h"
#include "shellstate.h"
#include "statusbar.h"
#include "statuspanel.h"
#include "toolbar.h"
#include "views.h"

#include <windowsx.h>

#include <algorithm>
#include <cstdio>
#include <new>

namespace {

HBRUSH ownBackground; // the class background once the system colours changed

void centreOnScreen(HWND frame) {
    HDC info = CreateICA("DISPLAY", nullptr, nullptr, nullptr);
    if (!info) return;
    shell.screenWidth = GetDeviceCaps(info, HORZRES);
    shell.screenHeight = GetDeviceCaps(info, VERTRES);
    DeleteDC(info);
    RECT frameRect;
    GetWindowRect(frame, &frameRect);
    const int width = frameRect.right - frameRect.left;
    const int height = frameRect.bottom - frameRect.top;
    SetWindowPos(frame, nullptr, (shell.screenWidth - width) / 2, (shell.screenHeight - height) / 2,
                 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

HIMAGELIST loadViewImages() {
    const Artwork& art = artworkFor(shell.dpi);
    HIMAGELIST images =
        ImageList_Create(art.viewWidth, art.viewHeight, ILC_COLOR4 | ILC_MASK, VIEW_IMAGE_COUNT, 0);
    HBITMAP bitmap = loadResourceBitmap(art.viewImages);
    if (images && bitmap) ImageList_AddMasked(images, bitmap, RGB(255, 255, 255));
    if (bitmap) DeleteObject(bitmap);
    return images;
}

LRESULT onCreate(HWND frame) {
    shell.mainWindow = frame;
    shell.document = new (std::nothrow) Document();
    if (!shell.document) return -1; // nothing to work on: creating the frame fails
    initImage(shell.document->image);
    // The window's own DPI is known only now: the size follows it, as far as
    // the screen has room (200 % on a small screen).
    shell.dpi = windowDpi(frame);
    RECT work = {0, 0, scaled(frameWidth), scaled(frameHeight)};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const int width = std::min(scaled(frameWidth), static_cast<int>(work.right - work.left));
    const int height = std::min(scaled(frameHeight), static_cast<int>(work.bottom - work.top));
    SetWindowPos(frame, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    centreOnScreen(frame);
    shell.viewState.documentOpen = 0;
    shell.splitterX = 0;
    shell.viewImages = loadViewImages();
    CreateMainToolbar(frame);
    CreateMainStatusBar(frame);
    shell.tree = CreateTree(exeModule(), frame, shell.viewImages);
    shell.registerList = CreateRegisterList(exeModule(), frame, shell.viewImages);
    shell.groupItemsList = CreateGroupItemsList(exeModule(), frame, shell.viewImages);
    FillTree(shell.tree);
    CreateStatusPanel(frame);
    SetFocus(shell.tree);
    shell.viewState = ViewState{0, 0, 0, 0, viewNone, -1};
    SendMessageA(frame, WM_INITMENU, 0, 0);
    RefreshUiState(shell.viewState);
    SetTimer(frame, pollTimer, pollPeriod, nullptr);
    return 0;
}

// Everything the frame made, in an order that lets each part go on its own;
// safe to run twice (closing, then destroying).
void tearDown(HWND frame) {
    KillTimer(frame, pollTimer);
    shell.viewState.documentOpen = 0;
    destroyMainToolbar();
    if (shell.statusBar) DestroyWindow(shell.statusBar);
    shell.statusBar = nullptr;
    destroyStatusPanel();
    if (shell.viewImages) ImageList_Destroy(shell.viewImages);
    shell.viewImages = nullptr;

    delete shell.document;
    shell.document = nullptr;
}

void onTimer(HWND frame) {
    if (!shell.link.linkOpen) return;
    if (!PollMachine(frame)) {
        shell.link.linkOpen = 0;
        SendMessageA(frame, WM_COMMAND, IDM_DISCONNECT, 0);
    }
}

void onSysColorChange(HWND frame) {
    HBRUSH fresh = CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
    SetClassLongPtrA(frame, GCLP_HBRBACKGROUND, reinterpret_cast<LONG_PTR>(fresh));
    if (ownBackground) DeleteObject(ownBackground);
    ownBackground = fresh;
}

int clientWidth(HWND frame) {
    RECT area;
    GetClientRect(frame, &area);
    return area.right;
}

// The splitter moves only while a document is open: without one the status
// panel covers the whole width and there is nothing to divide.
LRESULT onLeftButtonDown(HWND frame) {
    if (!shell.viewState.documentOpen) return 0;
    SetCapture(frame);
    shell.splitterDragging = true;
    DrawSplitterLine(frame, shell.splitterX);
    return 0;
}

LRESULT onMouseMove(HWND frame, WPARAM keys, int x) {
    if (!shell.viewState.documentOpen || !shell.splitterDragging || !(keys & MK_LBUTTON)) return 0;
    const int width = clientWidth(frame);
    if (splitterMoveIgnored(shell.splitterX, x, width, shell.dpi)) return 0;
    DrawSplitterLine(frame, shell.splitterX);
    shell.splitterX = clampSplitter(x, width, shell.dpi);
    DrawSplitterLine(frame, shell.splitterX);
    return 0;
}

void endSplitterDrag(HWND frame) {
    DrawSplitterLine(frame, shell.splitterX); // erases the line
    shell.splitterDragging = false;
}

LRESULT onLeftButtonUp(HWND frame, int x) {
    if (!shell.viewState.documentOpen || !shell.splitterDragging) return 0;
    endSplitterDrag(frame);
    ReleaseCapture();
    const int width = clientWidth(frame);
    if (!splitterMoveIgnored(shell.splitterX, x, width, shell.dpi))
        shell.splitterX = clampSplitter(x, width, shell.dpi);
    const int kind = shell.viewState.viewKind;
    ShowWindow(shell.registerList, SW_HIDE);
    if (kind != viewNone) ShowWindow(shell.registerList, SW_SHOW);
    ShowWindow(shell.groupItemsList, SW_HIDE);
    if (kind == viewGroups) ShowWindow(shell.groupItemsList, SW_SHOW);
    LayoutPanes(frame);
    InvalidateRect(frame, nullptr, TRUE);
    return 0;
}

void onCaptureChanged(HWND frame) {
    if (shell.splitterDragging) endSplitterDrag(frame);
}

// From the keyboard (Shift+F10, the menu key) the point is (-1, -1): the menu
// then belongs to the focused control's current item.
POINT keyboardMenuPoint(HWND control) {
    RECT item = {};
    if (control == shell.tree) {
        HTREEITEM selected = TreeView_GetSelection(control);
        if (selected) TreeView_GetItemRect(control, selected, &item, TRUE);
    } else if (control == shell.registerList) {
        const int row = static_cast<int>(SendMessageA(
            control, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), MAKELPARAM(LVNI_FOCUSED, 0)));
        if (row >= 0) ListView_GetItemRect(control, row, &item, LVIR_LABEL);
    }
    POINT at = {item.left + scaled(4), item.top + scaled(4)};
    ClientToScreen(control, &at);
    return at;
}

LRESULT onContextMenu(HWND frame, HWND source, LPARAM position) {
    POINT screen = {GET_X_LPARAM(position), GET_Y_LPARAM(position)};
    if (position == -1) {
        if (source != shell.tree && source != shell.registerList) return 0;
        screen = keyboardMenuPoint(source);
    }
    POINT client = screen;
    ScreenToClient(frame, &client);
    HWND child = ChildWindowFromPointEx(frame, client, CWP_SKIPINVISIBLE | CWP_SKIPDISABLED);
    if (child == shell.tree)
        ShowTreeMenu(shell.tree, screen);
    else if (child == shell.registerList)
        ShowListMenu(shell.registerList, screen);
    return 0;
}

LRESULT onNotify(HWND frame, NMHDR* notification) {
    switch (notification->idFrom) {
    case IDC_TREE:
        shell.viewState.treeHasFocus = 1;
        return OnTreeNotify(frame, notification);
    case IDC_REGISTER_LIST:
        shell.viewState.treeHasFocus = 0;
        return OnRegisterListNotify(frame, notification);
    case IDC_GROUP_ITEMS_LIST:
        shell.viewState.treeHasFocus = 0;
        return OnGroupItemsNotify(frame, notification);
    }
    return 0;
}

// The same images drawn for the new scale, in every view that shows them.
void reloadViewImages() {
    HIMAGELIST old = shell.viewImages;
    shell.viewImages = loadViewImages();
    if (shell.tree)
        SendMessageA(shell.tree, TVM_SETIMAGELIST, TVSIL_NORMAL,
                     reinterpret_cast<LPARAM>(shell.viewImages));
    for (HWND list : {shell.registerList, shell.groupItemsList}) {
        if (!list) continue;
        SendMessageA(list, LVM_SETIMAGELIST, LVSIL_NORMAL,
                     reinterpret_cast<LPARAM>(shell.viewImages));
        SendMessageA(list, LVM_SETIMAGELIST, LVSIL_SMALL,
                     reinterpret_cast<LPARAM>(shell.viewImages));
    }
    if (old) ImageList_Destroy(old);
}

// The views' text follows the scale as well: their font, grown or shrunk by
// the change (a control's own font stays at the size it was made with).
void rescaleViewFont(int oldDpi, int newDpi) {
    HFONT current = reinterpret_cast<HFONT>(SendMessageA(shell.tree, WM_GETFONT, 0, 0));
    if (!current) current = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    LOGFONTA font = {};
    if (!current || !GetObjectA(current, sizeof font, &font)) return;
    font.lfHeight = MulDiv(font.lfHeight, newDpi, oldDpi);
    HFONT fresh = CreateFontIndirectA(&font);
    if (!fresh) return;
    for (HWND view : {shell.tree, shell.registerList, shell.groupItemsList, shell.statusBar})
        if (view) SendMessageA(view, WM_SETFONT, reinterpret_cast<WPARAM>(fresh), TRUE);
    if (shell.viewFont) DeleteObject(shell.viewFont);
    shell.viewFont = fresh;
}

// Moved to a monitor of another scale (or the scale changed): every fixed
// size follows, the columns and the splitter keep their share of the window,
// and the frame takes the rectangle Windows suggests.
LRESULT onDpiChanged(HWND frame, int dpi, const RECT* suggested) {
    if (dpi <= 0) return 0;
    const int old = shell.dpi > 0 ? shell.dpi : baseDpi;
    shell.dpi = dpi;
    if (shell.splitterX > 0) shell.splitterX = MulDiv(shell.splitterX, dpi, old);
    rescaleListColumns(shell.registerList, old, dpi);
    rescaleListColumns(shell.groupItemsList, old, dpi);
    reloadViewImages();
    reloadToolbarImages();
    rescaleViewFont(old, dpi);
    if (suggested)
        SetWindowPos(frame, nullptr, suggested->left, suggested->top,
                     suggested->right - suggested->left, suggested->bottom - suggested->top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    LayoutPanes(frame);
    InvalidateRect(frame, nullptr, TRUE);
    return 0;
}

void moveTo(HWND window, const PaneRect& r, bool toFront) {
    if (!window) return;
    SetWindowPos(window, toFront ? HWND_TOP : nullptr, r.x, r.y, r.width, r.height,
                 SWP_NOACTIVATE | (toFront ? 0 : SWP_NOZORDER));
}

} // namespace

ATOM RegisterMainClass(HINSTANCE instance) {
    WNDCLASSA frameClass = {};
    frameClass.lpfnWndProc = MainWindowProc;
    frameClass.hInstance = instance;
    frameClass.hIcon = LoadIconA(exeModule(), MAKEINTRESOURCEA(IDI_ZOTWELL));
    frameClass.hCursor = LoadCursorA(exeModule(), MAKEINTRESOURCEA(IDC_SPLIT));
    frameClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    frameClass.lpszClassName = mainClassName;
    // No class menu: the frame is created with the menu of the resource module.
    return RegisterClassA(&frameClass);
}

int CreateMainWindow(HINSTANCE instance, int showCommand) {
    char caption[titleCapacity];
    std::snprintf(caption, sizeof caption, "%s - %s", loadText(IDS_APP_TITLE).c_str(),
                  shell.titleFileName);
    HWND frame = CreateWindowExA(0, mainClassName, caption, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                 CW_USEDEFAULT, frameWidth, frameHeight, nullptr, shell.mainMenu,
                                 instance, nullptr);
    if (!frame) return 0;
    ShowWindow(frame, showCommand);
    UpdateWindow(frame);
    return 1;
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        return onCreate(window);
    case WM_SIZE:
        LayoutPanes(window);
        break;
    case WM_DPICHANGED:
        return onDpiChanged(window, HIWORD(wParam), reinterpret_cast<const RECT*>(lParam));
    case WM_SYSCOLORCHANGE:
        onSysColorChange(window);
        break;
    case WM_INITMENU:
        RefreshUiState(shell.viewState);
        break;
    case WM_COMMAND:
        return DispatchCommand(window, LOWORD(wParam), lParam);
    case WM_NOTIFY:
        return onNotify(window, reinterpret_cast<NMHDR*>(lParam));
    case WM_CONTEXTMENU:
        return onContextMenu(window, reinterpret_cast<HWND>(wParam), lParam);
    case WM_TIMER:
        onTimer(window);
        break;
    case WM_LBUTTONDOWN:
        return onLeftButtonDown(window);
    case WM_MOUSEMOVE:
        return onMouseMove(window, wParam, GET_X_LPARAM(lParam));
    case WM_LBUTTONUP:
        return onLeftButtonUp(window, GET_X_LPARAM(lParam));
    case WM_CAPTURECHANGED:
        onCaptureChanged(window);
        break;
    case WM_CLOSE:
        closeFrame(window);
        return 0;
    case WM_NCDESTROY:
        // Only now are the views, which draw with the font, gone.
        if (shell.viewFont) DeleteObject(shell.viewFont);
        shell.viewFont = nullptr;
        break;
    case WM_DESTROY:
        tearDown(window);
        shell.mainWindow = nullptr;
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void LayoutPanes(HWND frame) {
    if (!shell.toolbar) return; // torn down
    RECT area;
    GetClientRect(frame, &area);
    const int toolbarHeight = autoSizeToolbar();
    const PaneLayout layout = layoutPanes(area.right, area.bottom, toolbarHeight, shell.splitterX,
                                          shell.viewState, shell.dpi);
    shell.splitterX = layout.splitterX;
    moveTo(shell.tree, layout.tree, false);
    switch (layout.shown) {
    case RightPane::StatusPanel:
        moveTo(shell.statusPanel, layout.right, true);
        break;
    case RightPane::RegisterList:
        moveTo(shell.registerList, layout.right, true);
        break;
    case RightPane::ListWithItems:
        moveTo(shell.registerList, layout.right, true);
        moveTo(shell.groupItemsList, layout.items, true);
        break;
    }
    layoutStatusBar(area.right);
}

void DrawSplitterLine(HWND frame, int x) {
    RECT area;
    GetClientRect(frame, &area);
    RECT bar = {};
    if (shell.toolbar) GetWindowRect(shell.toolbar, &bar);
    HDC dc = GetDC(frame);
    HPEN pen = CreatePen(PS_SOLID, scaled(2), RGB(0, 0, 0));
    HGDIOBJ old = SelectObject(dc, pen);
    const int mode = SetROP2(dc, R2_NOTXORPEN);
    MoveToEx(dc, x, (bar.bottom - bar.top) + scaled(2), nullptr);
    LineTo(dc, x, area.bottom - scaled(statusBarReserve));
    SetROP2(dc, mode);
    SelectObject(dc, old);
    DeleteObject(pen);
    ReleaseDC(frame, dc);
}

void setFrameCaption(HWND frame) {
    char caption[titleCapacity];
    std::snprintf(caption, sizeof caption, "%s - %s", loadText(IDS_APP_TITLE).c_str(),
                  shell.titleFileName);
    SetWindowTextA(frame, caption);
}

bool closeFrame(HWND frame) {
    if (!settleUnsavedChanges(frame)) return false;
    shell.documentDirty = false;
    // Told over the window, if the machine cannot be told.
    if (shell.sessionOpen && openDevice(shell.link) == 0) closeSession(shell.link, frame);
    shell.sessionOpen = false;
    closeDevice(shell.link);
    // Out of sight first: the children then go without repainting the frame.
    ShowWindow(frame, SW_HIDE);
    tearDown(frame);
    DestroyWindow(frame);
    return true;
}
