#include "toolbar.h"

#include "dpi.h"
#include "resource.h"
#include "resourcemodule.h"
#include "shellstate.h"

namespace {

void buttonRect(HWND toolbar, UINT command, RECT& rect) {
    const LRESULT index = SendMessageA(toolbar, TB_COMMANDTOINDEX, command, 0);
    SendMessageA(toolbar, TB_GETITEMRECT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&rect));
}

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

HIMAGELIST loadToolbarImages(UINT bitmapId, const Artwork& art) {
    HIMAGELIST images = ImageList_Create(art.toolbarSize, art.toolbarSize,
                                         art.toolbarColour | ILC_MASK, TOOLBAR_IMAGE_COUNT, 0);
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
        buttonRect(toolbar, b.command, tool.rect);
        SendMessageA(tip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    }
    SendMessageA(toolbar, TB_SETTOOLTIPS, reinterpret_cast<WPARAM>(tip), 0);
    return tip;
}

// Loads the strips drawn for the frame's scale and hands them to the toolbar;
// the lists it had go.
void setToolbarImages(HWND toolbar) {
    const Artwork& art = artworkFor(shell.dpi);
    HIMAGELIST oldImages = shell.toolbarImages;
    HIMAGELIST oldDisabled = shell.toolbarDisabledImages;
    shell.toolbarImages = loadToolbarImages(art.toolbar, art);
    shell.toolbarDisabledImages = loadToolbarImages(art.toolbarDisabled, art);
    SendMessageA(toolbar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(shell.toolbarImages));
    SendMessageA(toolbar, TB_SETDISABLEDIMAGELIST, 0,
                 reinterpret_cast<LPARAM>(shell.toolbarDisabledImages));
    SendMessageA(toolbar, TB_SETBITMAPSIZE, 0, MAKELPARAM(art.toolbarSize, art.toolbarSize));
    if (oldImages) ImageList_Destroy(oldImages);
    if (oldDisabled) ImageList_Destroy(oldDisabled);
}

} // namespace

HWND CreateMainToolbar(HWND frame) {
    HWND toolbar =
        CreateWindowExA(0, TOOLBARCLASSNAMEA, nullptr, WS_CHILD | WS_VISIBLE | TBSTYLE_TOOLTIPS, 0,
                        0, 0, 0, frame, reinterpret_cast<HMENU>(IDC_TOOLBAR), exeModule(), nullptr);
    shell.toolbar = toolbar;
    if (!toolbar) return nullptr;
    setToolbarImages(toolbar);
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

void reloadToolbarImages() {
    if (!shell.toolbar) return;
    setToolbarImages(shell.toolbar);
    SendMessageA(shell.toolbar, TB_AUTOSIZE, 0, 0);
    if (!shell.tooltip) return;
    // The buttons grew or shrank: so do the places their tips answer to.
    for (const ToolButton& b : toolButtons) {
        if (b.image < 0) continue;
        TTTOOLINFOA tool = {};
        tool.cbSize = sizeof tool;
        tool.hwnd = shell.toolbar;
        tool.uId = b.command;
        buttonRect(shell.toolbar, b.command, tool.rect);
        SendMessageA(shell.tooltip, TTM_NEWTOOLRECTA, 0, reinterpret_cast<LPARAM>(&tool));
    }
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
