#include "settingspage.h"

#include "messages.h"
#include "resource.h"
#include "resourcemodule.h"
#include "settingsrules.h"
#include "shellstate.h"

#include <commctrl.h>

#include <cstdio>

SheetState sheetState;
const uint32_t offOn[2] = {0, 1};

namespace {

constexpr int portDigits = 5;
constexpr int portReadLimit = 7;
constexpr size_t maxSavedBlocks = 8;

// The lengths of a page's text blocks as they were when it opened.
struct SavedLength {
    int block;
    uint32_t length;
};
SavedLength savedLengths[sheetPageCount][maxSavedBlocks];
size_t savedCount[sheetPageCount];

// Sent to a page to focus a refused control once the sheet has finished the
// notice that refused: the sheet may move the focus on its way out of it.
constexpr UINT refocusMessage = WM_APP + 1;

void focusRefused(HWND page, int control, int octet) {
    if (octet >= 0)
        SendDlgItemMessageA(page, control, IPM_SETFOCUS, static_cast<WPARAM>(octet), 0);
    else
        focusAndSelect(page, control);
}

const SettingsPage* pageOf(HWND page) {
    return reinterpret_cast<const SettingsPage*>(GetWindowLongPtrA(page, DWLP_USER));
}

// The image block whose member starts at `offset` of the settings record.
int blockOfField(uint16_t offset) {
    for (int k = 0; k < settingBlockCount; ++k)
        if (offsetof(SettingsRecord, image) + settingBlocks[k].memberOffset == offset)
            return dialBlockCount + k;
    return -1;
}

bool isText(const Field& f) {
    return f.kind == FieldKind::Text || f.kind == FieldKind::Name;
}

uint8_t* fieldBytes(const Field& f) {
    return reinterpret_cast<uint8_t*>(&settingsRecord()) + f.offset;
}

void enableDependants(HWND page, const Field& f, uint32_t value) {
    for (uint8_t i = 0; i < f.dependantCount; ++i)
        enableItem(page, f.dependants[i], value != 0);
}

void setSliderLabel(HWND page, const SliderSpec& slider, int value) {
    if (!slider.label) return;
    const std::string unit = slider.unit ? loadText(slider.unit) : std::string();
    SetDlgItemTextA(page, slider.label, sliderLabel(slider, value, unit).c_str());
}

void loadSlider(HWND page, const SliderSpec& slider) {
    HWND bar = GetDlgItem(page, slider.control);
    SendMessageA(bar, TBM_SETRANGE, FALSE, MAKELPARAM(slider.low, slider.high));
    const int value = static_cast<int>(fieldValue(settingsRecord(), slider.offset, slider.width));
    SendMessageA(bar, TBM_SETPAGESIZE, 0, slider.pageStep);
    SendMessageA(bar, TBM_SETPOS, TRUE, value);
    setSliderLabel(page, slider, value);
}

void saveBlockLengths(const SettingsPage& p) {
    size_t& n = savedCount[p.id];
    n = 0;
    for (size_t i = 0; i < p.fieldCount && n < maxSavedBlocks; ++i) {
        if (!isText(p.fields[i])) continue;
        const int block = blockOfField(p.fields[i].offset);
        if (block >= 0)
            savedLengths[p.id][n++] = {block, settingsDocument().image.blocks[block].blockLength};
    }
}

void restoreBlockLengths(const SettingsPage& p) {
    for (size_t i = 0; i < savedCount[p.id]; ++i)
        settingsDocument().image.blocks[savedLengths[p.id][i].block].blockLength =
            savedLengths[p.id][i].length;
}

// --- storing what the user changed, by kind of binding

void storeText(HWND page, const Field& f) {
    std::string text = itemText(page, f.control, f.width);
    const int limit = f.width - 2;
    if (f.kind == FieldKind::Name) {
        const FilterResult found = filterNameText(shell.rules, text);
        if (found.kind == FilterResult::Remove || found.kind == FilterResult::Cut) {
            applyFilter(text, found);
            putBackText(page, f.control, text, found.position);
        } else {
            SendDlgItemMessageA(page, f.control, EM_SETLIMITTEXT, static_cast<WPARAM>(limit), 0);
        }
    } else {
        StripControlChars(page, text, f.control, limit);
    }
    const int block = blockOfField(f.offset);
    if (block >= 0) setTextSetting(settingsDocument(), block, text.c_str(), text.size());
}

void storeDigits(HWND page, const Field& f, int digits) {
    std::string text = itemText(page, f.control, portReadLimit);
    const FilterResult found = filterDigits(text);
    if (found.kind == FilterResult::Remove) {
        applyFilter(text, found);
        putBackText(page, f.control, text, found.position);
    } else {
        SendDlgItemMessageA(page, f.control, EM_SETLIMITTEXT, static_cast<WPARAM>(digits), 0);
    }
    const IntegerCheck value = checkIntegerText(text, 0, 99999);
    setFieldValue(settingsRecord(), f.offset, f.width,
                  value.kind == IntegerCheck::Empty ? 0 : static_cast<uint32_t>(value.value));
}

void storeAddress(HWND page, const Field& f) {
    DWORD packed = 0;
    SendDlgItemMessageA(page, f.control, IPM_GETADDRESS, 0, reinterpret_cast<LPARAM>(&packed));
    ipv4Unpack(packed, fieldBytes(f));
}

// Returns false when the notice changed nothing the table binds.
bool storeField(HWND page, const Field& f, int control, int notification) {
    switch (f.kind) {
    case FieldKind::Check: {
        if (notification != BN_CLICKED) return false;
        const uint32_t value = f.values[isItemChecked(page, control) ? 1 : 0];
        setFieldValue(settingsRecord(), f.offset, f.width, value);
        enableDependants(page, f, value);
        return true;
    }
    case FieldKind::Radios: {
        if (notification != BN_CLICKED) return false;
        const uint32_t value = f.values[control - f.control];
        // Clicking the button that is already checked changes nothing.
        if (fieldValue(settingsRecord(), f.offset, f.width) == value) {
            sheetState.commandPending = 0;
            return true;
        }
        CheckRadioButton(page, f.control, f.lastControl, control);
        setFieldValue(settingsRecord(), f.offset, f.width, value);
        enableDependants(page, f, value);
        return true;
    }
    case FieldKind::List: {
        if (notification != CBN_SELCHANGE) return false;
        const int position = comboSelection(page, control);
        if (position < 0) return false;
        setFieldValue(settingsRecord(), f.offset, f.width, static_cast<uint32_t>(position));
        return true;
    }
    case FieldKind::Port:
    case FieldKind::Number:
        if (notification != EN_CHANGE) return false;
        storeDigits(page, f, f.kind == FieldKind::Port ? portDigits : f.digits);
        return true;
    case FieldKind::Ipv4:
        if (notification != EN_CHANGE) return false;
        storeAddress(page, f);
        return true;
    case FieldKind::Text:
    case FieldKind::Name:
        if (notification != EN_CHANGE) return false;
        storeText(page, f);
        return true;
    case FieldKind::Slider:
        return false;
    }
    return false;
}

const Field* boundField(const SettingsPage& p, int control) {
    for (size_t i = 0; i < p.fieldCount; ++i) {
        const Field& f = p.fields[i];
        const int last = f.kind == FieldKind::Radios ? f.lastControl : f.control;
        if (control >= f.control && control <= last) return &f;
    }
    return nullptr;
}

void markPageChanged(HWND page, const SettingsPage& p) {
    if (!sheetState.commandPending) return;
    sheetState.commandPending = 0;
    sheetState.changed[p.id] = 1;
    PropSheet_Changed(GetParent(page), page);
}

// --- the messages of the page contract

void onInitDialog(HWND page, const PROPSHEETPAGEA& sheetPage) {
    const SettingsPage& p = *reinterpret_cast<const SettingsPage*>(sheetPage.lParam);
    SetWindowLongPtrA(page, DWLP_USER, reinterpret_cast<LONG_PTR>(&p));
    applyLabels(page, p.labels, p.labelCount);
    // The sheet read the image when it opened; reading it again here would
    // drop what the user changed on the pages shown before this one.
    saveBlockLengths(p);
    sheetState.filling = true;
    for (size_t i = 0; i < p.fieldCount; ++i)
        loadField(page, p.fields[i]);
    if (p.opened) p.opened(page);
    sheetState.filling = false;
}

void onCommand(HWND page, int control, int notification) {
    const SettingsPage* p = pageOf(page);
    if (!p || sheetState.filling) return;
    sheetState.commandPending = 1;
    bool handled = p->command && p->command(page, control, notification);
    if (!handled) {
        const Field* f = boundField(*p, control);
        handled = f && storeField(page, *f, control, notification);
        if (handled && p->fieldChanged) p->fieldChanged(page, *f);
    }
    if (!handled) {
        sheetState.commandPending = 0;
        return;
    }
    markPageChanged(page, *p);
}

void onScroll(HWND page, int code, HWND slider) {
    const SettingsPage* p = pageOf(page);
    if (!p || !slider || code > TB_BOTTOM) return;
    sheetState.commandPending = 1;
    OnSliderScroll(page, code, slider);
    markPageChanged(page, *p);
}

LRESULT onKillActive(HWND page, const SettingsPage& p) {
    if (sheetState.leaveGuard[p.id]) {
        sheetState.leaveGuard[p.id] = 0;
        return FALSE;
    }
    return p.check && !p.check(page, false);
}

LRESULT onApply(HWND page, const SettingsPage& p, const PSHNOTIFY& notify) {
    if (sheetState.changed[p.id]) {
        if (p.check && !p.check(page, true)) return PSNRET_INVALID_NOCHANGEPAGE;
        sheetState.changed[p.id] = 0;
        if (p.applying) p.applying(page);
        packImage(settingsDocument());
        // Applied edits wait for a save like the address book's: closing asks.
        markDocumentChanged();
    }
    CloseSheetWhenApplied(page, &notify);
    return PSNRET_NOERROR;
}

void onReset(HWND page, const SettingsPage& p) {
    restoreBlockLengths(p);
    if (p.reset) p.reset(page);
}

LRESULT onNotify(HWND page, const NMHDR& header) {
    const SettingsPage* p = pageOf(page);
    if (!p) return 0;
    switch (header.code) {
    case PSN_KILLACTIVE:
        return onKillActive(page, *p);
    case PSN_APPLY:
        return onApply(page, *p, reinterpret_cast<const PSHNOTIFY&>(header));
    case PSN_QUERYCANCEL:
        // Every edit that was not applied is dropped: the image still holds
        // what the last apply packed.
        unpackImage(settingsDocument());
        return FALSE;
    case PSN_RESET:
        onReset(page, *p);
        return 0;
    }
    return 0;
}

} // namespace

SettingsRecord& settingsRecord() {
    return shell.document->settings;
}

Document& settingsDocument() {
    return *shell.document;
}

Field checkField(int control, FieldRef field, const uint32_t* values) {
    Field f = {};
    f.kind = FieldKind::Check;
    f.control = f.lastControl = control;
    f.offset = field.offset;
    f.width = field.width;
    f.values = values;
    return f;
}

Field radioField(int first, int last, FieldRef field, const uint32_t* values) {
    Field f = checkField(first, field, values);
    f.kind = FieldKind::Radios;
    f.lastControl = last;
    return f;
}

Field listField(int control, FieldRef field, UINT firstString, UINT lastString) {
    Field f = checkField(control, field, nullptr);
    f.kind = FieldKind::List;
    f.firstString = firstString;
    f.lastString = lastString;
    return f;
}

Field sliderField(int control) {
    Field f = {};
    f.kind = FieldKind::Slider;
    f.control = f.lastControl = control;
    if (const SliderSpec* s = sliderSpec(control)) {
        f.offset = s->offset;
        f.width = s->width;
    }
    return f;
}

namespace {
Field plainField(FieldKind kind, int control, FieldRef field) {
    Field f = checkField(control, field, nullptr);
    f.kind = kind;
    return f;
}
} // namespace

Field portField(int control, FieldRef field) {
    return plainField(FieldKind::Port, control, field);
}
Field ipv4Field(int control, FieldRef field) {
    return plainField(FieldKind::Ipv4, control, field);
}
Field textField(int control, FieldRef field) {
    return plainField(FieldKind::Text, control, field);
}
Field nameField(int control, FieldRef field) {
    return plainField(FieldKind::Name, control, field);
}
Field numberField(int control, FieldRef field, uint8_t digits) {
    Field f = plainField(FieldKind::Number, control, field);
    f.digits = digits;
    return f;
}

void loadField(HWND page, const Field& f) {
    const bool wasFilling = sheetState.filling;
    sheetState.filling = true;
    const uint32_t value = f.kind == FieldKind::Ipv4 || isText(f)
                               ? 0
                               : fieldValue(settingsRecord(), f.offset, f.width);
    switch (f.kind) {
    case FieldKind::Check:
        checkItem(page, f.control, value == f.values[1]);
        enableDependants(page, f, value);
        break;
    case FieldKind::Radios:
        // A stored value that no button stands for checks none.
        for (int c = f.control; c <= f.lastControl; ++c)
            checkItem(page, c, f.values[c - f.control] == value);
        enableDependants(page, f, value);
        break;
    case FieldKind::List:
        SendDlgItemMessageA(page, f.control, CB_RESETCONTENT, 0, 0);
        FillComboFromStrings(page, f.control, f.firstString, f.lastString, static_cast<int>(value));
        break;
    case FieldKind::Slider:
        if (const SliderSpec* s = sliderSpec(f.control)) loadSlider(page, *s);
        break;
    case FieldKind::Port:
    case FieldKind::Number: {
        char text[16];
        std::snprintf(text, sizeof text, "%lu", static_cast<unsigned long>(value));
        const int digits = f.kind == FieldKind::Port ? portDigits : f.digits;
        SendDlgItemMessageA(page, f.control, EM_SETLIMITTEXT, static_cast<WPARAM>(digits), 0);
        SetDlgItemTextA(page, f.control, text);
        break;
    }
    case FieldKind::Ipv4: {
        const uint8_t* address = fieldBytes(f);
        if (ipv4Blank(address))
            SendDlgItemMessageA(page, f.control, IPM_CLEARADDRESS, 0, 0);
        else
            SendDlgItemMessageA(page, f.control, IPM_SETADDRESS, 0,
                                static_cast<LPARAM>(ipv4Packed(address)));
        break;
    }
    case FieldKind::Text:
    case FieldKind::Name: {
        char text[blockDataSize + 1];
        const int block = blockOfField(f.offset);
        textSetting(settingsDocument(), block, text, sizeof text);
        SendDlgItemMessageA(page, f.control, EM_SETLIMITTEXT, static_cast<WPARAM>(f.width - 2), 0);
        SetDlgItemTextA(page, f.control, text);
        break;
    }
    }
    sheetState.filling = wasFilling;
}

void refuseAt(HWND page, int control, int octet) {
    const SettingsPage* p = pageOf(page);
    HWND sheet = GetParent(page);
    if (p && sheet) {
        // Selecting this page's tab asks this page again whether it may be
        // left; the guard lets that inner question pass.
        sheetState.leaveGuard[p->id] = 1;
        const int index = static_cast<int>(SendMessageA(sheet, PSM_HWNDTOINDEX,
                                                         reinterpret_cast<WPARAM>(page), 0));
        if (index >= 0) PropSheet_SetCurSel(sheet, nullptr, index);
        sheetState.leaveGuard[p->id] = 0;
    }
    focusRefused(page, control, octet);
    PostMessageA(page, refocusMessage, static_cast<WPARAM>(control), octet);
}

bool checkRangeField(HWND page, int control, long low, long high, UINT rangeMessage) {
    const IntegerCheck found = checkIntegerText(itemText(page, control, portReadLimit), low, high);
    if (found.kind == IntegerCheck::Ok) return true;
    if (found.kind == IntegerCheck::Empty)
        ShowMessage(page, IDS_NOT_INTEGER, MB_OK);
    else
        ShowMessage(page, rangeMessage, MB_OK, static_cast<int>(low), static_cast<int>(high));
    refuseAt(page, control);
    return false;
}

bool checkPortField(HWND page, int control) {
    return checkRangeField(page, control, 1, 65535, IDS_RANGE_PORT);
}

int CheckIpv4Octets(HWND dialog, UINT messageId, const uint8_t address[4]) {
    const Ipv4Verdict verdict = ipv4OctetVerdict(address);
    if (verdict == ipv4FirstOctetBad)
        ShowMessage(dialog, IDS_RANGE_FIRST_OCTET, MB_OK, 1, 126, 128, 254);
    else if (verdict == ipv4LastOctetBad)
        ShowMessage(dialog, messageId, MB_OK, 1, 255);
    return verdict;
}

int CheckIpv4Complete(HWND dialog, int controlId, int mode) {
    if (mode == ipv4FirstOctetBad || mode == ipv4LastOctetBad) return 1;
    DWORD packed = 0;
    const LRESULT filled = SendDlgItemMessageA(dialog, controlId, IPM_GETADDRESS, 0,
                                               reinterpret_cast<LPARAM>(&packed));
    if (filled == 4) return 1;
    ShowMessage(dialog, IDS_RANGE, MB_OK, 0, 255);
    return 0;
}

bool checkAddress(HWND page, int control, const uint8_t address[4], bool octets, bool complete) {
    const int mode = octets ? CheckIpv4Octets(page, IDS_RANGE, address) : -1;
    if (complete && !CheckIpv4Complete(page, control, mode)) {
        refuseAt(page, control);
        return false;
    }
    if (mode == ipv4FirstOctetBad || mode == ipv4LastOctetBad) {
        refuseAt(page, control, mode);
        return false;
    }
    return true;
}

void OnSliderScroll(HWND page, int scrollCode, HWND slider) {
    const SliderSpec* spec = sliderSpec(GetDlgCtrlID(slider));
    if (!spec) return;
    SettingsRecord& settings = settingsRecord();
    const int current = static_cast<int>(fieldValue(settings, spec->offset, spec->width));
    const int thumb = static_cast<int>(SendMessageA(slider, TBM_GETPOS, 0, 0));
    const int value = sliderStep(*spec, scrollCode, current, thumb);
    setFieldValue(settings, spec->offset, spec->width, static_cast<uint32_t>(value));
    SendMessageA(slider, TBM_SETPOS, TRUE, value);
    setSliderLabel(page, *spec, value);
}

bool StripControlChars(HWND dialog, std::string& text, int controlId, int maxLength) {
    const FilterResult found = filterServerText(text);
    if (found.kind == FilterResult::Remove) {
        applyFilter(text, found);
        putBackText(dialog, controlId, text, found.position);
        return false;
    }
    SendDlgItemMessageA(dialog, controlId, EM_SETLIMITTEXT, static_cast<WPARAM>(maxLength), 0);
    return true;
}

bool CloseSheetWhenApplied(HWND, const PSHNOTIFY* notify) {
    if (!notify || !notify->lParam) return false;
    for (uint8_t changed : sheetState.changed)
        if (changed) return false;
    // The property sheet ends its modal loop itself once every page has
    // applied without refusing.
    return true;
}

void DismissSheet(HWND owner) {
    if (!owner || !IsWindow(owner)) return;
    EnableWindow(owner, TRUE);
    SetForegroundWindow(owner);
}

INT_PTR CALLBACK SettingsPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        onInitDialog(page, *reinterpret_cast<const PROPSHEETPAGEA*>(lParam));
        return TRUE;
    case WM_COMMAND:
        onCommand(page, LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    case WM_HSCROLL:
        onScroll(page, LOWORD(wParam), reinterpret_cast<HWND>(lParam));
        return TRUE;
    case refocusMessage:
        focusRefused(page, static_cast<int>(wParam), static_cast<int>(lParam));
        return TRUE;
    case WM_NOTIFY:
        SetWindowLongPtrA(page, DWLP_MSGRESULT,
                          onNotify(page, *reinterpret_cast<const NMHDR*>(lParam)));
        return TRUE;
    }
    return FALSE;
}
