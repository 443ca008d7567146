// Administrator Mode (first page of the Administrator sheet): two switches
// and the way to a new administrator number.
#include "pages.h"
#include "adminnumber.h"
#include "resource.h"

namespace {

const LabelText labels[] = {
    {IDC_AM_SLEEP_SHIFT_CHECK, IDS_AM_SLEEP_SHIFT},
    {IDC_AM_PRINTER_OWNER_CHECK, IDS_AM_PRINTER_OWNER},
    {IDC_AM_CHANGE_NUMBER_BUTTON, IDS_AM_CHANGE_NUMBER},
};

const Field fields[] = {
    checkField(IDC_AM_SLEEP_SHIFT_CHECK, FIELD(image.sleepShift)),
    checkField(IDC_AM_PRINTER_OWNER_CHECK, FIELD(image.showPrinterOwner)),
};

// A new number waits in the settings record; the page's apply packs it.
bool command(HWND page, int control, int notification) {
    if (control != IDC_AM_CHANGE_NUMBER_BUTTON) return false;
    if (notification != BN_CLICKED || !ChangeAdminNumberDialog(page))
        sheetState.commandPending = 0;
    return true;
}

} // namespace

const SettingsPage administratorModePage = {
    pageAdministratorMode, labels, std::size(labels), fields, std::size(fields),
    nullptr, command, nullptr, nullptr, nullptr, nullptr,
};
