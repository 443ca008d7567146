#include "statusbar.h"

#include "dpi.h"
#include "resource.h"
#include "resourcemodule.h"
#include "shellstate.h"

namespace {

struct LockPane {
    int virtualKey;
    int pane;
    const char* text; // fixed: the indicators are the keys' own names
};

const LockPane lockPanes[] = {
    {VK_CAPITAL, 3, "CAPS"},
    {VK_NUMLOCK, 4, "NUM"},
    {VK_SCROLL, 5, "SCRL"},
};

void setPane(int pane, const char* text) {
    if (shell.statusBar)
        SendMessageA(shell.statusBar, SB_SETTEXTA, static_cast<WPARAM>(pane),
                     reinterpret_cast<LPARAM>(text));
}

} // namespace

HWND CreateMainStatusBar(HWND frame) {
    HWND bar =
        CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0,
                        frame, reinterpret_cast<HMENU>(IDC_STATUS_BAR), exeModule(), nullptr);
    shell.statusBar = bar;
    if (!bar) return nullptr;
    // Placeholder edges until the first layout gives the real ones.
    int edges[statusPaneCount] = {60, 120, 180, 240, 300, 0};
    for (int& edge : edges)
        edge = scaled(edge);
    SendMessageA(bar, SB_SETPARTS, statusPaneCount, reinterpret_cast<LPARAM>(edges));
    setStatusPaneText(1, IDS_STATUS_PANE);
    for (const LockPane& lock : lockPanes)
        refreshLockPane(lock.virtualKey);
    return bar;
}

void layoutStatusBar(int clientWidth) {
    if (!shell.statusBar) return;
    SendMessageA(shell.statusBar, WM_SIZE, 0, 0); // the bar places and sizes itself
    int edges[statusPaneCount];
    statusPaneEdges(clientWidth, shell.dpi, edges);
    SendMessageA(shell.statusBar, SB_SETPARTS, statusPaneCount, reinterpret_cast<LPARAM>(edges));
}

void setStatusPaneText(int pane, UINT stringId) {
    setPane(pane, loadText(stringId).c_str());
}

void refreshLockPane(int virtualKey) {
    BYTE keys[256];
    if (!GetKeyboardState(keys)) return;
    for (const LockPane& lock : lockPanes)
        if (lock.virtualKey == virtualKey)
            setPane(lock.pane, keys[virtualKey] & 1 ? lock.text : " ");
}

void showLinkStatusText(void*, int pane, const LinkText& text) {
    setStatusPaneText(pane, text.id);
}
