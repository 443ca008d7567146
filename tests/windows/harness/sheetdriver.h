#pragma once
// Drives an open property sheet (or a plain dialog) as a person would: picks
// a tab, types into and clicks the controls of the page shown, presses Apply,
// OK or Cancel, and reads what the sheet and its pages show. Every call runs
// inside the sheet's modal loop, in a step given to runWithDialog.
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

struct SheetDriver {
    HWND window; // the sheet

    // Tabs and pages.
    HWND page() const; // the page shown
    int pageCount() const;
    std::vector<std::string> tabTitles() const;
    int currentTab() const;
    // Picks a tab as a click on it does; false when the page shown refused to be left.
    bool selectTab(int index) const;
    bool selectTab(const std::string& title) const;
    std::string caption() const;

    // Lets the sheet finish what a press or a click started (messages it posted).
    void settle() const;

    // The buttons of the sheet.
    void apply() const;
    void ok() const;
    void cancel() const;
    bool applyEnabled() const;
    // OK or Cancel was pressed: the sheet goes once the step returns to its
    // modal loop (a sheet that does not is ended by the harness's watchdog,
    // which fails the test).
    bool closed() const { return ended; }
    mutable bool ended = false;

    // Controls of the page shown.
    HWND item(int id) const { return GetDlgItem(page(), id); }
    std::string text(int id) const;
    // Text arriving at once, as a paste or an edit's whole content does.
    void set(int id, const std::string& t) const;
    // One key press at a caret position.
    void typeAt(int id, size_t caret, char c) const;
    void click(int id) const;
    bool checked(int id) const;
    bool enabled(int id) const;
    bool visible(int id) const;
    // A drop-down list: choosing item `position` as the user does.
    void choose(int id, int position) const;
    int chosen(int id) const;
    std::string chosenText(int id) const;
    // A trackbar: a key press on it (VK_LEFT, VK_NEXT, ...), and its position.
    void press(int id, UINT key) const;
    int position(int id) const;
    // An IPv4 address control: its four octet edits typed whole ("" leaves
    // one blank), and the address as it shows.
    void setAddress(int id, const std::vector<std::string>& octets) const;
    std::string address(int id) const;

    // The control that has the keyboard focus: its ID on the page shown, and
    // for an address control which octet (0..3), else -1.
    int focusedId() const;
    int focusedOctet(int id) const;

    // Clicks a button that opens a modal dialog and runs `step` inside it.
    bool withSubDialog(int button, const std::function<void(HWND)>& step) const;
};

// Opens a dialog or sheet with `open` and runs `step` with its driver.
bool withSheet(const std::function<void()>& open, const std::function<void(SheetDriver&)>& step);
// The same with `tab` picked first; the sheet is cancelled afterwards unless
// `step` closed it.
bool withSheetTab(const std::function<void()>& open, const std::string& tab,
                  const std::function<void(SheetDriver&)>& step);
// Runs `step` on the sheet shown as it stands.
void onTabOf(SheetDriver& sheet, const std::string& tab,
             const std::function<void(SheetDriver&)>& step);
