// FAX RX Operation (Utility sheet): memory reception with its password and
// its on and off times, the ring count, reduction, print and reception modes,
// fax forwarding with its destination, the trays to print on, the footer and
// the closed network. The memory-RX rules depend on whether memory RX was
// switched during this visit of the page, which the page remembers.
#include "pages.h"

#include "faxrules.h"
#include "forwardlocationdialog.h"
#include "forwardrules.h"
#include "messages.h"
#include "resource.h"
#include "selecttray.h"
#include "textrules.h"

#include <cstdio>

namespace {

const LabelText labels[] = {
    {IDC_FRX_MEMORY_GROUP, IDS_FRX_MEMORY_RX},
    {IDC_FRX_MEMORY_ON_RADIO, IDS_FRX_ON},
    {IDC_FRX_MEMORY_OFF_RADIO, IDS_FRX_OFF},
    {IDC_FRX_PASSWORD_LABEL, IDS_FRX_PASSWORD},
    {IDC_FRX_ON_TIME_LABEL, IDS_FRX_ON_TIME},
    {IDC_FRX_ON_COLON, IDS_FRX_TIME_COLON},
    {IDC_FRX_OFF_TIME_LABEL, IDS_FRX_OFF_TIME},
    {IDC_FRX_OFF_COLON, IDS_FRX_TIME_COLON},
    {IDC_FRX_PRINT_MODE_GROUP, IDS_FRX_PRINT_MODE},
    {IDC_FRX_MEMORY_PRINT_RADIO, IDS_FRX_MEMORY_PRINT},
    {IDC_FRX_DIRECT_PRINT_RADIO, IDS_FRX_DIRECT_PRINT},
    {IDC_FRX_RX_MODE_GROUP, IDS_FRX_RX_MODE},
    {IDC_FRX_AUTO_RX_RADIO, IDS_FRX_AUTO_RX},
    {IDC_FRX_MANUAL_RX_RADIO, IDS_FRX_MANUAL_RX},
    {IDC_FRX_RINGS_TITLE, IDS_FRX_RINGS},
    {IDC_FRX_TRANSFER_CHECK, IDS_FRX_TRANSFER},
    {IDC_FRX_REDUCTION_GROUP, IDS_FRX_REDUCTION},
    {IDC_FRX_REDUCTION_ON_RADIO, IDS_FRX_REDUCTION_ON},
    {IDC_FRX_REDUCTION_OFF_RADIO, IDS_FRX_REDUCTION_OFF},
    {IDC_FRX_REDUCTION_CUT_RADIO, IDS_FRX_REDUCTION_CUT},
    {IDC_FRX_FORWARD_GROUP, IDS_FRX_FORWARD},
    {IDC_FRX_FORWARD_ON_RADIO, IDS_FRX_FORWARD_ON},
    {IDC_FRX_FORWARD_PRINT_RADIO, IDS_FRX_FORWARD_PRINT},
    {IDC_FRX_FORWARD_OFF_RADIO, IDS_FRX_FORWARD_OFF},
    {IDC_FRX_SELECT_TRAY_BUTTON, IDS_FRX_SELECT_TRAY},
    {IDC_FRX_FOOTER_CHECK, IDS_FRX_FOOTER},
    {IDC_FRX_CLOSED_NETWORK_CHECK, IDS_FRX_CLOSED_NETWORK},
};

// Radios 568 ON(2), 569 CUT, 570 OFF(1).
const uint32_t reductions[] = {0, 2, 1};
const uint32_t printModes[] = {8, 0};
const uint32_t rxModes[] = {0, 32};
const uint32_t forwardModes[] = {forwardOn, forwardOnPrint, forwardOff};
const uint32_t footerValues[] = {0, 16};
const uint32_t closedValues[] = {0, 32};

const Field fields[] = {
    sliderField(IDC_FRX_RINGS_SLIDER),
    radioField(IDC_FRX_REDUCTION_ON_RADIO, IDC_FRX_REDUCTION_OFF_RADIO,
               FIELD(utility.reductionRx), reductions),
    radioField(IDC_FRX_MEMORY_PRINT_RADIO, IDC_FRX_DIRECT_PRINT_RADIO, FIELD(utility.rxPrintMode),
               printModes),
    radioField(IDC_FRX_AUTO_RX_RADIO, IDC_FRX_MANUAL_RX_RADIO, FIELD(utility.rxMode), rxModes),
    // ON(3) and ON(Print) open the destination dialog (command below); the
    // table stores OFF(4).
    radioField(IDC_FRX_FORWARD_ON_RADIO, IDC_FRX_FORWARD_OFF_RADIO, FIELD(utility.forwardMode),
               forwardModes),
    checkField(IDC_FRX_FOOTER_CHECK, FIELD(utility.rxFooter), footerValues),
    checkField(IDC_FRX_CLOSED_NETWORK_CHECK, FIELD(utility.closedNetwork), closedValues),
};

const int timeEdits[rxTimeEditCount] = {IDC_FRX_ON_HOUR_EDIT, IDC_FRX_ON_MINUTE_EDIT,
                                        IDC_FRX_OFF_HOUR_EDIT, IDC_FRX_OFF_MINUTE_EDIT};
const int timeControls[] = {IDC_FRX_ON_TIME_LABEL,  IDC_FRX_ON_HOUR_EDIT,  IDC_FRX_ON_COLON,
                            IDC_FRX_ON_MINUTE_EDIT, IDC_FRX_OFF_TIME_LABEL, IDC_FRX_OFF_HOUR_EDIT,
                            IDC_FRX_OFF_COLON,      IDC_FRX_OFF_MINUTE_EDIT};

// What this visit of the page did to memory RX.
struct Visit {
    bool onWhenOpened;
    bool switchedOn;
    bool switchedOff;
};
Visit visit;

UtilitySettings& rx() {
    return settingsRecord().utility;
}

bool memoryRxIsOn() {
    return rx().memoryRx == memoryRxOn;
}

std::string storedPassword() {
    return storedRxPassword(rx().memoryRxPassword);
}

std::string typedPassword(HWND page) {
    return itemText(page, IDC_FRX_PASSWORD_EDIT, passwordDigits);
}

RxTimes typedTimes(HWND page) {
    RxTimes times;
    for (int i = 0; i < rxTimeEditCount; ++i)
        times.text[i] = itemText(page, timeEdits[i], timeDigits);
    return times;
}

// Text the page itself puts into an edit is no edit by the user.
void fill(HWND page, int edit, const char* text) {
    const bool was = sheetState.filling;
    sheetState.filling = true;
    SetDlgItemTextA(page, edit, text);
    sheetState.filling = was;
}

void enableTimes(HWND page, bool enabled) {
    for (int control : timeControls)
        enableItem(page, control, enabled);
}

void fillTime(HWND page, int hourEdit, int minuteEdit, uint16_t packed, bool set) {
    char hour[8] = "", minute[8] = "";
    if (set) {
        std::snprintf(hour, sizeof hour, "%02d", rxTimeHour(packed));
        std::snprintf(minute, sizeof minute, "%02d", rxTimeMinute(packed));
    }
    fill(page, hourEdit, hour);
    fill(page, minuteEdit, minute);
}

// The stored times, each shown when its flag says it is set.
void showStoredTimes(HWND page) {
    const UtilitySettings& u = rx();
    fillTime(page, IDC_FRX_ON_HOUR_EDIT, IDC_FRX_ON_MINUTE_EDIT, u.memoryRxOnTime,
             (u.memoryRxTimeFlags & onTimeSet) != 0);
    fillTime(page, IDC_FRX_OFF_HOUR_EDIT, IDC_FRX_OFF_MINUTE_EDIT, u.memoryRxOffTime,
             (u.memoryRxTimeFlags & offTimeSet) != 0);
}

void showMemoryRx(HWND page) {
    checkItem(page, IDC_FRX_MEMORY_ON_RADIO, memoryRxIsOn());
    checkItem(page, IDC_FRX_MEMORY_OFF_RADIO, rx().memoryRx == 0);
    enableItem(page, IDC_FRX_PASSWORD_EDIT, memoryRxIsOn());
}

void startVisit() {
    visit = {memoryRxIsOn(), false, false};
}

void opened(HWND page) {
    fill(page, IDC_FRX_PASSWORD_EDIT, "");
    SendDlgItemMessageA(page, IDC_FRX_PASSWORD_EDIT, EM_SETLIMITTEXT, passwordDigits, 0);
    for (int edit : timeEdits)
        SendDlgItemMessageA(page, edit, EM_SETLIMITTEXT, timeDigits, 0);
    showMemoryRx(page);
    enableTimes(page, false);
    showStoredTimes(page);
    for (int control : {IDC_FRX_TRANSFER_CHECK, IDC_FRX_TRANSFER_SLIDER, IDC_FRX_TRANSFER_LABEL})
        showItem(page, control, false);
    startVisit();
}

void onMemoryOn(HWND page) {
    if (memoryRxIsOn()) {
        sheetState.commandPending = 0;
        return;
    }
    rx().memoryRx = memoryRxOn;
    enableItem(page, IDC_FRX_PASSWORD_EDIT, true);
    enableTimes(page, true);
    visit.switchedOn = true;
}

void onMemoryOff(HWND page) {
    if (!memoryRxIsOn()) {
        sheetState.commandPending = 0;
        return;
    }
    if (typedPassword(page) != storedPassword()) {
        sheetState.commandPending = 0;
        ShowMessage(page, IDS_WRONG_PASSWORD, MB_OK);
        showMemoryRx(page);
        focusAndSelect(page, IDC_FRX_PASSWORD_EDIT);
        return;
    }
    UtilitySettings& u = rx();
    u.memoryRx = 0;
    u.memoryRxTimeFlags = 0;
    storeRxPassword(u.memoryRxPassword, "");
    fill(page, IDC_FRX_PASSWORD_EDIT, "");
    for (int edit : timeEdits)
        fill(page, edit, "");
    showMemoryRx(page);
    enableTimes(page, false);
    visit.switchedOn = false;
    visit.switchedOff = true;
}

// Only digits, at most `limit` of them; a refused character is taken out
// where it stood.
void onDigitsTyped(HWND page, int edit, int limit) {
    std::string text = itemText(page, edit, limit + 1);
    const FilterResult found = filterDigits(text);
    if (found.kind == FilterResult::Remove) {
        applyFilter(text, found);
        putBackText(page, edit, text, found.position);
    } else if (text.size() > static_cast<size_t>(limit)) {
        // A paste arrives whole, past the edit's limit.
        text.resize(static_cast<size_t>(limit));
        putBackText(page, edit, text, text.size());
    }
}

int radioOfForwardMode(uint8_t mode) {
    switch (mode) {
    case forwardOn:
        return IDC_FRX_FORWARD_ON_RADIO;
    case forwardOnPrint:
        return IDC_FRX_FORWARD_PRINT_RADIO;
    }
    return IDC_FRX_FORWARD_OFF_RADIO;
}

void onForwardOn(HWND page, int radio) {
    const uint8_t clicked = radio == IDC_FRX_FORWARD_ON_RADIO ? forwardOn : forwardOnPrint;
    const uint8_t before = rx().forwardMode;
    CheckRadioButton(page, IDC_FRX_FORWARD_ON_RADIO, IDC_FRX_FORWARD_OFF_RADIO, radio);
    OpenForwardLocationDialog(page);
    const uint8_t after = forwardModeAfterDialog(clicked, before, forwardCancelled != 0,
                                                 holdsDestination(rx().forwardLocation));
    rx().forwardMode = after;
    if (forwardCancelled && after == before) sheetState.commandPending = 0;
    const int shown = radioOfForwardMode(after);
    CheckRadioButton(page, IDC_FRX_FORWARD_ON_RADIO, IDC_FRX_FORWARD_OFF_RADIO, shown);
    if (shown != radio) SetFocus(GetDlgItem(page, shown));
}

bool command(HWND page, int control, int notification) {
    switch (control) {
    case IDC_FRX_MEMORY_ON_RADIO:
        if (notification == BN_CLICKED) onMemoryOn(page);
        return notification == BN_CLICKED;
    case IDC_FRX_MEMORY_OFF_RADIO:
        if (notification == BN_CLICKED) onMemoryOff(page);
        return notification == BN_CLICKED;
    case IDC_FRX_PASSWORD_EDIT:
        if (notification == EN_CHANGE) onDigitsTyped(page, control, passwordDigits);
        return notification == EN_CHANGE;
    case IDC_FRX_ON_HOUR_EDIT:
    case IDC_FRX_ON_MINUTE_EDIT:
    case IDC_FRX_OFF_HOUR_EDIT:
    case IDC_FRX_OFF_MINUTE_EDIT:
        if (notification == EN_CHANGE) onDigitsTyped(page, control, timeDigits);
        return notification == EN_CHANGE;
    case IDC_FRX_FORWARD_ON_RADIO:
    case IDC_FRX_FORWARD_PRINT_RADIO:
        if (notification == BN_CLICKED) onForwardOn(page, control);
        return notification == BN_CLICKED;
    case IDC_FRX_SELECT_TRAY_BUTTON:
        if (notification != BN_CLICKED) return false;
        if (SelectTrayDialog(page) != 1) sheetState.commandPending = 0;
        return true;
    }
    return false;
}

bool refuse(HWND page, int control) {
    refuseAt(page, control);
    return false;
}

// The same checks when the page is left and when it is applied: an apply
// that follows a passed leave finds nothing new, and an apply of a page that
// was not left last must refuse what leaving it would have.
bool check(HWND page, bool) {
    if (!memoryRxIsOn()) return true;
    const std::string typed = typedPassword(page);
    if (rxPasswordIncomplete(typed)) {
        ShowMessage(page, IDS_FRX_BAD_PASSWORD, MB_OK);
        return refuse(page, IDC_FRX_PASSWORD_EDIT);
    }
    const bool unswitched = visit.onWhenOpened && !visit.switchedOn && !visit.switchedOff;
    if (unswitched && typed.size() == passwordDigits && typed != storedPassword()) {
        ShowMessage(page, IDS_WRONG_PASSWORD, MB_OK);
        return refuse(page, IDC_FRX_PASSWORD_EDIT);
    }
    const RxTimes times = typedTimes(page);
    if (!times.anyFilled()) return true;
    const RxTimeCheck found = checkRxTimes(times);
    if (found.passed()) return true;
    const bool hour = found.edit == onHour || found.edit == offHour;
    ShowMessage(page, hour ? IDS_RANGE_HOUR : IDS_RANGE_MINUTE, MB_OK, 0, found.high);
    return refuse(page, timeEdits[found.edit]);
}

void storeSwitchedOn(HWND page) {
    UtilitySettings& u = rx();
    storeRxPassword(u.memoryRxPassword, typedPassword(page));
    const RxTimes times = typedTimes(page);
    u.memoryRxTimeFlags = rxTimeFlags(times);
    if (u.memoryRxTimeFlags == 0) return;
    u.memoryRxOnTime = packRxTime(times.value(onHour), times.value(onMinute));
    u.memoryRxOffTime = packRxTime(times.value(offHour), times.value(offMinute));
}

void applying(HWND page) {
    UtilitySettings& u = rx();
    if (memoryRxIsOn() && visit.switchedOn) storeSwitchedOn(page);
    fill(page, IDC_FRX_PASSWORD_EDIT, "");
    if (memoryRxIsOn()) {
        enableTimes(page, false);
        showStoredTimes(page);
    } else {
        storeRxPassword(u.memoryRxPassword, "");
    }
    if (u.forwardMode == forwardOff) u.forwardLocation = ForwardLocation();
    startVisit();
}

} // namespace

const SettingsPage faxRxPage = {
    pageFaxRx, labels, std::size(labels), fields, std::size(fields),
    opened, command, nullptr, check, applying, nullptr,
};
