// Print: the Select Print Items dialog (739), the system print dialog once
// per command, and the speed-dial list sent to the printer it returned.
#include "dialogs.h"

#include "dialogkit.h"
#include "filedialog.h"
#include "gdicanvas.h"
#include "printlayout.h"
#include "resource.h"
#include "resourcemodule.h"
#include "shellstate.h"

#include <string>

namespace {

// The print dialog is asked at most once per Print command, whichever lists
// the command prints.
enum class PrinterState { NotAsked, Printing, Refused };

struct PrintJob {
    PrinterState state;
    HDC printer; // from the print dialog while printing
};
PrintJob job;

struct PrintItems {
    bool oneTouch, speedDial, groupDial;
};
PrintItems items;

const LabelText labels[] = {
    {IDC_PRINT_ONE_TOUCH_CHECK, IDS_PRINT_ONE_TOUCH},
    {IDC_PRINT_SPEED_DIAL_CHECK, IDS_PRINT_SPEED_DIAL},
    {IDC_PRINT_GROUP_DIAL_CHECK, IDS_PRINT_GROUP_DIAL},
    {IDOK, IDS_OK},
    {IDCANCEL, IDS_CANCEL},
};

const int itemChecks[] = {IDC_PRINT_ONE_TOUCH_CHECK, IDC_PRINT_SPEED_DIAL_CHECK,
                          IDC_PRINT_GROUP_DIAL_CHECK};

void onInitDialog(HWND dialog) {
    SetWindowTextA(dialog, loadText(IDS_PRINT_ITEMS_TITLE).c_str());
    applyLabels(dialog, labels);
    for (int check : itemChecks)
        checkItem(dialog, check, true);
    SetFocus(GetDlgItem(dialog, IDOK));
}

void onOk(HWND dialog) {
    items.oneTouch = isItemChecked(dialog, IDC_PRINT_ONE_TOUCH_CHECK);
    items.speedDial = isItemChecked(dialog, IDC_PRINT_SPEED_DIAL_CHECK);
    items.groupDial = isItemChecked(dialog, IDC_PRINT_GROUP_DIAL_CHECK);
    EndDialog(dialog, 1);
}

INT_PTR CALLBACK SelectPrintItemsDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        onInitDialog(dialog);
        return FALSE; // the focus is on OK already
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) onOk(dialog);
        if (LOWORD(wParam) == IDCANCEL) EndDialog(dialog, 0);
        return TRUE;
    }
    return FALSE;
}

int selectPrintItems(HWND window) {
    return runResourceDialog(window, IDD_PRINT_ITEMS, SelectPrintItemsDlgProc) == 1 ? 1 : 0;
}

int askPrinter(HWND window) {
    PRINTDLGA dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = window;
    dialog.Flags = PD_RETURNDC | PD_NOPAGENUMS | PD_DISABLEPRINTTOFILE | PD_NOSELECTION;
    dialog.nCopies = 1;
    const int confirmed = askPrintDialog(dialog);
    if (dialog.hDevMode) GlobalFree(dialog.hDevMode);
    if (dialog.hDevNames) GlobalFree(dialog.hDevNames);
    if (!confirmed) {
        if (dialog.hDC) DeleteDC(dialog.hDC);
        return 0;
    }
    job.printer = dialog.hDC;
    return 1;
}

void endPrintJob() {
    if (job.printer) DeleteDC(job.printer);
    job = PrintJob{PrinterState::NotAsked, nullptr};
}

std::string printFace() {
    char face[textCapacity];
    loadText(IDS_PRINT_FONT, face, textCapacity);
    return face[0] ? face : "Arial";
}

DialListTexts dialListTexts() {
    SYSTEMTIME today = {};
    GetLocalTime(&today);
    return DialListTexts{loadText(IDS_SPEED_DIAL),
                         loadText(IDS_PRINT_PAGE_HEADER),
                         formatPrintDate(today.wMonth, today.wDay, today.wYear),
                         loadText(IDS_PRINT_COL_KEY),
                         loadText(IDS_COL_NAME),
                         loadText(IDS_COL_NAME2),
                         loadText(IDS_COL_ADDRESS)};
}

void printDialList(HWND window) {
    const bool secondName = usesSingleName(shell.rules) == 0;
    if (job.state == PrinterState::NotAsked)
        job.state = askPrinter(window) ? PrinterState::Printing : PrinterState::Refused;
    if (job.state != PrinterState::Printing) return;

    HDC dc = job.printer;
    const PageGeometry page{GetDeviceCaps(dc, LOGPIXELSX), GetDeviceCaps(dc, LOGPIXELSY),
                            GetDeviceCaps(dc, HORZRES), GetDeviceCaps(dc, VERTRES)};
    const std::string documentName = loadText(IDS_PRINT_DOCUMENT);
    DOCINFOA document = {};
    document.cbSize = sizeof document;
    document.lpszDocName = documentName.c_str();
    HCURSOR previous = SetCursor(LoadCursor(nullptr, IDC_WAIT));
    // A document the printer refused to start gets no pages.
    if (StartDocA(dc, &document) > 0) {
        GdiCanvas canvas(dc, page.dpiX, printFace(), true);
        ::printDialList(canvas, page, dialListTexts(),
                        dialListRows(shell.rules, shell.document->registers), secondName,
                        shell.rules.codePage);
        EndDoc(dc);
    }
    SetCursor(previous);
}

} // namespace

HBITMAP DialListPicture(int dpi, int width, int height) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top-down, as a page is drawn
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    HDC dc = CreateCompatibleDC(nullptr);
    if (!dc) return nullptr;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap) {
        HGDIOBJ previous = SelectObject(dc, bitmap);
        {
            GdiCanvas canvas(dc, dpi, printFace(), false);
            ::printDialList(canvas, PageGeometry{dpi, dpi, width, height}, dialListTexts(),
                            dialListRows(shell.rules, shell.document->registers),
                            usesSingleName(shell.rules) == 0, shell.rules.codePage, 1);
        }
        SelectObject(dc, previous);
    }
    DeleteDC(dc);
    return bitmap;
}

void OpenPrintDialog(HWND frame) {
    if (selectPrintItems(frame) && items.speedDial) printDialList(frame);
    endPrintJob();
}
