#pragma once
// What every page of the two machine-settings sheets shares. A page is mostly
// data: its template, its labels, and a table that binds its controls to
// fields of the settings record. One page procedure loads the table into the
// controls when the page opens, stores what the user changes, tells the sheet
// that the page changed, checks the page when it is left or applied, packs the
// image on apply and puts the saved block lengths back on cancel. A page adds
// functions only for the rules that are not plain bindings.
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>

#include "dialogkit.h"
#include "machineimage.h"

// Every page of both sheets; each has its own changed flag.
enum SheetPage {
    pageMachineSetting,
    pagePaperSource,
    pageCopySetting1,
    pageCopySetting2,
    pageFaxTx,
    pageFaxRx,
    pageScanSetting,
    pageReportSetting,
    pageAdministratorMode,
    pageNetworkSetting,
    pageEmailSetting1,
    pageEmailSetting2,
    pageUserSetting,
    pageFtpSmb,
    sheetPageCount
};

// The state that the pages of both sheets share while a sheet is up.
struct SheetState {
    uint8_t changed[sheetPageCount]; // 1 while the page holds unapplied edits
    uint8_t leaveGuard[sheetPageCount];
    uint8_t commandPending; // a handler clears it when a notice changed nothing
    uint8_t networkChanged;
    bool filling; // the pages are putting fields into controls: no notice is an edit
};
extern SheetState sheetState;

enum class FieldKind : uint8_t {
    Check,  // check box: values[0] when clear, values[1] when checked
    Radios, // buttons control..lastControl: values[i] for the i-th button
    List,   // drop-down list of strings firstString..lastString: the position
    Slider, // trackbar: range, step and label from the slider table
    Port,   // edit of up to 5 digits: the decimal value, 0 when empty
    Ipv4,   // IPv4 address control: four octets in dotted order, blank when all zero
    Text,   // edit: text through the server-text filter; the block's length follows it
    Name,   // edit: a 20-character name through the name filter; the same
    Number, // edit of up to `digits` digits: the decimal value, 0 when empty
};

struct Field {
    FieldKind kind;
    int control;
    uint16_t offset; // of the value in SettingsRecord
    uint8_t width;   // of the value in bytes (text: the member's width)
    int lastControl; // Radios: the group's last button
    const uint32_t* values;
    UINT firstString, lastString; // List
    uint8_t digits;               // Number
    // Controls enabled while the value is not 0 (a check box or radio group
    // that switches a part of the page on).
    const int* dependants;
    uint8_t dependantCount;
};

// Table rows. FIELD(member) names a member of SettingsRecord.
struct FieldRef {
    uint16_t offset;
    uint8_t width;
};
#define FIELD(m)                                                                                   \
    FieldRef {                                                                                     \
        static_cast<uint16_t>(offsetof(SettingsRecord, m)),                                        \
            static_cast<uint8_t>(sizeof(static_cast<SettingsRecord*>(nullptr)->m))                 \
    }
extern const uint32_t offOn[2];
Field checkField(int control, FieldRef field, const uint32_t* values = offOn);
Field radioField(int first, int last, FieldRef field, const uint32_t* values);
Field listField(int control, FieldRef field, UINT firstString, UINT lastString);
Field sliderField(int control);
Field portField(int control, FieldRef field);
Field ipv4Field(int control, FieldRef field);
Field textField(int control, FieldRef field);
Field nameField(int control, FieldRef field);
Field numberField(int control, FieldRef field, uint8_t digits);
template <size_t N> Field withDependants(Field field, const int (&controls)[N]) {
    field.dependants = controls;
    field.dependantCount = static_cast<uint8_t>(N);
    return field;
}

// One page: its row data and its own rules. Every function may be null.
struct SettingsPage {
    SheetPage id;
    const LabelText* labels;
    size_t labelCount;
    const Field* fields;
    size_t fieldCount;
    // After the fields are in their controls: the rest of the page's set-up.
    void (*opened)(HWND page);
    // A notice from a control, before the table sees it. Returns true when
    // the page handled it (then the table does not); it may clear
    // sheetState.commandPending to say that nothing changed.
    bool (*command)(HWND page, int control, int notification);
    // After a bound field stored a change.
    void (*fieldChanged)(HWND page, const Field& field);
    // The page's checks, when it is left (`applying` false) or applied.
    // Returns false after refusing (the message shown, the focus placed).
    bool (*check)(HWND page, bool applying);
    // After the checks passed, before the image is packed.
    void (*applying)(HWND page);
    // The sheet was cancelled: the page restores its own backups.
    void (*reset)(HWND page);
};

// The page procedure of every page; PROPSHEETPAGE::lParam is its SettingsPage.
INT_PTR CALLBACK SettingsPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);

// Puts one bound field into its control (after a page changed the field itself).
void loadField(HWND page, const Field& field);
SettingsRecord& settingsRecord();
Document& settingsDocument();

// The page's refusal: its tab selected and the control focused with its text
// selected; for an address control, `octet` (0 or 3) gets the focus.
void refuseAt(HWND page, int control, int octet = -1);
// A port edit: empty, or outside 1-65535, refuses with its message.
bool checkPortField(HWND page, int control);
// The field's range check with the range message; refuses at the control.
bool checkRangeField(HWND page, int control, long low, long high, UINT rangeMessage);

// IPv4 checks (see the octet rules in settingsrules.h). Returns 0 (the first
// octet is at fault), 3 (the last) or 4 (valid), after showing the message.
int CheckIpv4Octets(HWND dialog, UINT messageId, const uint8_t address[4]);
// 1 when the address control holds all four octets, or when `mode` is 0 or 3
// (a failure was already reported); otherwise shows the 0-255 range message.
int CheckIpv4Complete(HWND dialog, int controlId, int mode);
// Both checks of one address, refusing at the failing octet or the control.
bool checkAddress(HWND page, int control, const uint8_t address[4], bool octets, bool complete);

// The shared handler of every slider: moves its field and its label.
void OnSliderScroll(HWND page, int scrollCode, HWND slider);
// The typing filter of server names, addresses, accounts and passwords:
// removes the first byte outside 0x20..0x7F and puts the caret there (false),
// or limits the edit to maxLength characters (true).
bool StripControlChars(HWND dialog, std::string& text, int controlId, int maxLength);
// After a page's apply: true when OK was pressed and no page of either sheet
// holds edits any more, so that the sheet closes.
bool CloseSheetWhenApplied(HWND page, const PSHNOTIFY* notify);
// Gives the main window back its focus once the sheet has gone.
void DismissSheet(HWND owner);
