#include "statuspanel.h"

#include "resource.h"
#include "resourcemodule.h"
#include "shellstate.h"

namespace {

const COLORREF panelColour = RGB(255, 255, 223);
HBRUSH panelBrush; // made on first use, kept for the life of the program

INT_PTR colourRequest(HDC dc) {
    if (!panelBrush) panelBrush = CreateSolidBrush(panelColour);
    SetBkMode(dc, TRANSPARENT);
    return reinterpret_cast<INT_PTR>(panelBrush);
}

INT_PTR CALLBACK StatusPanelProc(HWND panel, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        shell.statusPanel = panel;
        ShowConnectionText(GetParent(panel));
        return TRUE;
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
        return colourRequest(reinterpret_cast<HDC>(wParam));
    case WM_CLOSE:
        DestroyWindow(panel);
        return TRUE;
    case WM_DESTROY:
        if (shell.statusPanel == panel) shell.statusPanel = nullptr;
        return TRUE;
    }
    return FALSE;
}

} // namespace

HWND CreateStatusPanel(HWND frame) {
    return createResourceDialog(frame, IDD_STATUS_PANEL, StatusPanelProc);
}

void destroyStatusPanel() {
    if (shell.statusPanel) DestroyWindow(shell.statusPanel);
    shell.statusPanel = nullptr;
}

void ShowConnectionText(HWND) {
    if (!shell.statusPanel) return;
    const UINT text = shell.viewState.online ? IDS_ONLINE : IDS_OFFLINE;
    SetDlgItemTextA(shell.statusPanel, IDC_STATUS_TEXT, loadText(text).c_str());
}
