#include "aboutdialog.h"

#include "resource.h"
#include "resourcemodule.h"
#include "version.h"

namespace {

// The product's own names and version are not translated.
void onInitDialog(HWND dialog) {
    SetWindowTextA(dialog, loadText(IDS_ABOUT).c_str());
    SetDlgItemTextA(dialog, IDC_ABOUT_MODEL, "Model 80KV-2ux");
    SetDlgItemTextA(dialog, IDC_ABOUT_PRODUCT, "Zotwell Utility");
    SetDlgItemTextA(dialog, IDC_ABOUT_VERSION, ZOTWELL_VERSION_SHORT);
    SetDlgItemTextA(dialog, IDC_ABOUT_NOTE, "");
}

INT_PTR CALLBACK AboutDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        onInitDialog(dialog);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, LOWORD(wParam));
            return TRUE;
        }
        break;
    case WM_CLOSE:
        EndDialog(dialog, IDCANCEL);
        return TRUE;
    }
    return FALSE;
}

} // namespace

void ShowAboutDialog(HWND frame) {
    runResourceDialog(frame, IDD_ABOUT, AboutDlgProc);
}
