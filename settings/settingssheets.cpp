// Both machine-settings sheets are built from a table of rows, one row a
// page. A row whose page is not there for this machine is left out.
#include "settingssheets.h"

#include "machinerules.h"
#include "pages.h"
#include "resource.h"
#include "resourcemodule.h"
#include "shellstate.h"

#include <commctrl.h>

#include <cstring>

namespace {

enum RowRule : uint8_t {
    always,
    a3Only,      // left out on an A4 machine
    networkOnly, // left out while the machine reports no network option
};

struct PageRow {
    UINT title;
    UINT templateId;
    const SettingsPage* page; // null while the page is not built
    RowRule rule;
};

const PageRow utilityRows[] = {
    {IDS_TAB_MACHINE, IDD_MACHINE_SETTING, &machineSettingPage, always},
    {IDS_TAB_PAPER, IDD_PAPER_SOURCE, &paperSourcePage, always},
    {IDS_TAB_COPY1, IDD_COPY_SETTING1, &copySetting1Page, a3Only},
    {IDS_TAB_COPY2, IDD_COPY_SETTING2, &copySetting2Page, always},
    {IDS_TAB_FAX_TX, IDD_FAX_TX, &faxTxPage, always},
    {IDS_TAB_FAX_RX, IDD_FAX_RX, &faxRxPage, always},
    {IDS_TAB_SCAN, IDD_SCAN_SETTING, &scanSettingPage, always},
    {IDS_TAB_REPORT, IDD_REPORT_SETTING, &reportSettingPage, always},
};

const PageRow administratorRows[] = {
    {IDS_ADMINISTRATOR_MODE, IDD_ADMIN_MODE, &administratorModePage, always},
    {IDS_TAB_NETWORK, IDD_NETWORK_SETTING, &networkSettingPage, networkOnly},
    {IDS_TAB_EMAIL1, IDD_EMAIL_SETTING1, &emailSetting1Page, networkOnly},
    {IDS_TAB_EMAIL2, IDD_EMAIL_SETTING2, &emailSetting2Page, networkOnly},
    {IDS_TAB_USER, IDD_USER_SETTING, &userSettingPage, always},
    {IDS_TAB_FTP_SMB, IDD_FTP_SMB, &ftpSmbPage, networkOnly},
};

constexpr int maxPages = 10;

bool rowPresent(const PageRow& row) {
    if (!row.page) return false;
    switch (row.rule) {
    case a3Only:
        return isA3Machine(shell.machineClass);
    case networkOnly:
        return shell.document->config[6] != 0 || shell.document->config[7] != 0;
    default:
        return true;
    }
}

template <size_t N> void runSheet(HWND owner, UINT caption, const PageRow (&rows)[N]) {
    if (!shell.document) return;
    // Flags a cancelled sheet left behind must not keep OK from closing this one.
    std::memset(&sheetState, 0, sizeof sheetState);
    // Every page starts from the image; pages shown later share the edits of
    // the pages before them.
    unpackImage(*shell.document);
    HPROPSHEETPAGE pages[maxPages];
    UINT count = 0;
    for (const PageRow& row : rows) {
        if (!rowPresent(row) || count == maxPages) continue;
        HPROPSHEETPAGE page = CreateSettingsPage(row.templateId, row.title, SettingsPageProc,
                                                 reinterpret_cast<LPARAM>(row.page));
        if (page) pages[count++] = page;
    }
    if (count == 0) return;
    const std::string title = loadText(caption);
    PROPSHEETHEADERA header = {};
    header.dwSize = sizeof header;
    header.dwFlags = PSH_NOCONTEXTHELP;
    header.hwndParent = owner;
    header.hInstance = resourceModule();
    header.pszCaption = title.c_str();
    header.nPages = count;
    header.nStartPage = 0;
    header.phpage = pages;
    PropertySheetA(&header);
    DismissSheet(owner);
}

} // namespace

HPROPSHEETPAGE CreateSettingsPage(UINT templateId, UINT titleStringId, DLGPROC pageProcedure,
                                  LPARAM page) {
    char title[textCapacity];
    loadText(titleStringId, title, sizeof title);
    // The template is taken through the resource accessor, as every dialog is:
    // a language library is mapped as data, which only it reads right.
    DWORD size = 0;
    const void* dialog = findResourceData(templateId, RT_DIALOG, size);
    if (!dialog) return nullptr;
    PROPSHEETPAGEA sheetPage = {};
    sheetPage.dwSize = sizeof sheetPage;
    sheetPage.dwFlags = PSP_USETITLE | PSP_DLGINDIRECT;
    sheetPage.hInstance = resourceModule();
    sheetPage.pResource = static_cast<LPCDLGTEMPLATEA>(dialog);
    sheetPage.pfnDlgProc = pageProcedure;
    sheetPage.pszTitle = title; // copied by the sheet
    sheetPage.lParam = page;
    return CreatePropertySheetPageA(&sheetPage);
}

void OpenUtilitySheet(HWND owner) {
    runSheet(owner, IDS_UTILITY_SETTING, utilityRows);
}

void OpenAdministratorSheet(HWND owner) {
    runSheet(owner, IDS_ADMINISTRATOR_MODE, administratorRows);
}
