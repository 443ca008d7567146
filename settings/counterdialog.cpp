// Total Counter (868): six usage counters. Nothing in the program learns
// them from the machine yet, so they show 0.
#include "settingssheets.h"

#include "dialogkit.h"
#include "resource.h"
#include "resourcemodule.h"
#include "shellstate.h"

#include <cstdio>
#include <iterator>

namespace {

// The counters in the order the dialog shows them.
uint32_t usageCounters[6];

const LabelText labels[] = {
    {IDC_CNT_COPY_LABEL, IDS_COUNTER_COPY},     {IDC_CNT_FAX_RX_LABEL, IDS_COUNTER_FAX_RX},
    {IDC_CNT_REPORT_LABEL, IDS_COUNTER_REPORT}, {IDC_CNT_PC_LABEL, IDS_COUNTER_PC},
    {IDC_CNT_FAX_TX_LABEL, IDS_COUNTER_FAX_TX}, {IDC_CNT_MAIL_TX_LABEL, IDS_COUNTER_MAIL_TX},
    {IDOK, IDS_OK},
};

const int counterTexts[] = {IDC_CNT_COPY_TEXT, IDC_CNT_FAX_RX_TEXT, IDC_CNT_REPORT_TEXT,
                            IDC_CNT_PC_TEXT,   IDC_CNT_FAX_TX_TEXT, IDC_CNT_MAIL_TX_TEXT};

void onInitDialog(HWND dialog) {
    SetWindowTextA(dialog, loadText(IDS_TOTAL_COUNTER).c_str());
    applyLabels(dialog, labels);
    unpackImage(*shell.document);
    for (size_t i = 0; i < std::size(counterTexts); ++i) {
        char text[16];
        std::snprintf(text, sizeof text, "%lu", static_cast<unsigned long>(usageCounters[i]));
        SetDlgItemTextA(dialog, counterTexts[i], text);
    }
}

INT_PTR CALLBACK CounterDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        onInitDialog(dialog);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) EndDialog(dialog, 1);
        if (LOWORD(wParam) == IDCANCEL) EndDialog(dialog, 0);
        return TRUE;
    }
    return FALSE;
}

} // namespace

void CounterDialog(HWND owner) {
    if (!shell.document) return;
    runResourceDialog(owner, IDD_COUNTER, CounterDlgProc);
}
