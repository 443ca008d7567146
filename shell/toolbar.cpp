#include "toolbar.h"

#include "resource.h"
#include "resourcemodule.h"
#include "shellstate.h"

namespace {

struct ToolButton {
    int image; // -1: a separator
    UINT command;
    UINT tipText;
};

const ToolButton toolButtons[] = {
    {TOOLBAR_IMAGE_CONNECT, IDM_CONNECT, IDS_CONNECT},
    {TOOLBAR_IMAGE_DISCONNECT, IDM_DISCONNECT, IDS_DISCONNECT},
    {-1, 0, 0},
    {TOOLBAR_IMAGE_UPLOAD, IDM_UPLOAD, IDS_UPLOAD},
    {TOOLBAR_IMAGE_DOWNLOAD, IDM_DOWNLOAD, IDS_DOWNLOAD},
    {-1, 0, 0},
    {TOOLBAR_IMAGE_OPEN, IDM_OPEN, IDS_OPEN},
    {TOOLBAR_IMAGE_SAVE, IDM_SAVE, IDS_SAVE},
    {TOOLBAR_IMAGE_NEW, IDM_NEW, IDS_NEW},
    {-1, 0, 0},
};
constexpr int toolButtonCount = sizeof toolButtons / sizeof toolButtons[0];

HIMAGELIST loadToolbarImages(UINT bitmapId) {
    HIMAGELIST images = ImageList_Create(TOOLBAR_IMAGE_SIZE, TOOLBAR_IMAGE_SIZE,
                                         ILC_COLOR8 | ILC_MASK, TOOLBAR_IMAGE_COUNT, 0);
    HBITMAP bitmap = loadResourceBitmap(bitmapId);
    if (images && bitmap) ImageList_AddMasked(images, bitmap, RGB(192, 192, 192));
    if (bitmap) DeleteObject(bitmap);
    return images;
}

void addButtons(HWND toolbar) {
    TBBUTTON buttons[toolButtonCount] = {};
    for (int i = 0; i < toolButtonCount; ++i) {
        const ToolButton& b = toolButtons[i];
        buttons[i].iBitmap = b.image < 0 ? 0 : b.image;
        buttons[i].idCommand = static_cast<int>(b.command);
        buttons[i].fsState = TBSTATE_ENABLED;
        buttons[i].fsStyle = static_cast<BYTE>(b.image < 0 ? BTNS_SEP : BTNS_BUTTON);
    }
    SendMessageA(toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageA(toolbar, TB_ADDBUTTONSA, toolButtonCount, reinterpret_cast<LPARAM>(buttons));
}

// One balloon tip per button; the toolbar passes the mouse on to it.
HWND createTooltips(HWND frame, HWND toolbar) {
    HWND tip = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                               WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX | TTS_BALLOON, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, frame, nullptr,
                               exeModule(), nullptr);
    if (!tip) return nullptr;
    for (const ToolButton& b : toolButtons) {
        if (b.image < 0) continue;
        TTTOOLINFOA tool = {};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_SUBCLASS | TTF_CENTERTIP;
        tool.hwnd = toolbar;
        tool.uId = b.command;
        tool.hinst = resourceModule();
        tool.lpszText = MAKEINTRESOURCEA(b.tipText);
        const LRESULT index = SendMessageA(toolbar, TB_COMMANDTOINDEX, b.command, 0);
        SendMessageA(toolbar, TB_GETITEMRECT, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(&tool.rect));
        SendMessageA(tip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    }
    SendMessageA(toolbar, TB_SETTOOLTIPS, reinterpret_cast<WPARAM>(tip), 0);
    return tip;
}

} // namespace

HWND CreateMainToolbar(HWND frame) {
    HWND toolbar =
        CreateWindowExA(0, TOOLBARCLASSNAMEA, nullptr, WS_CHILD | WS_VISIBLE | TBSTYLE_TOOLTIPS, 0,
                        0, 0, 0, frame, reinterpret_cast<HMENU>(IDC_TOOLBAR), exeModule(), nullptr);
    shell.toolbar = toolbar;
    if (!toolbar) return nullptr;
    shell.toolbarImages = loadToolbarImages(IDB_TOOLBAR);
    shell.toolbarDisabledImages = loadToolbarImages(IDB_TOOLBAR_DISABLED);
    SendMessageA(toolbar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(shell.toolbarImages));
    SendMessageA(toolbar, TB_SETDISABLEDIMAGELIST, 0,
                 reinterpret_cast<LPARAM>(shell.toolbarDisabledImages));
    addButtons(toolbar);
    SendMessageA(toolbar, TB_AUTOSIZE, 0, 0);
    shell.tooltip = createTooltips(frame, toolbar);
    return toolbar;
}

void destroyMainToolbar() {
    if (shell.tooltip) DestroyWindow(shell.tooltip);
    if (shell.toolbar) DestroyWindow(shell.toolbar);
    if (shell.toolbarImages) ImageList_Destroy(shell.toolbarImages);
    if (shell.toolbarDisabledImages) ImageList_Destroy(shell.toolbarDisabledImages);
    shell.tooltip = nullptr;
    shell.toolbar = nullptr;
    shell.toolbarImages = nullptr;
    shell.toolbarDisabledImages = nullptr;
}

void enableToolbarButton(UINT command, bool enabled) {
    if (shell.toolbar)
        SendMessageA(shell.toolbar, TB_ENABLEBUTTON, command, MAKELPARAM(enabled, 0));
}

int autoSizeToolbar() {
    if (!shell.toolbar) return 0;
    SendMessageA(shell.toolbar, TB_AUTOSIZE, 0, 0);
    RECT area;
    GetClientRect(shell.toolbar, &area);
    return area.bottom - area.top;
}
