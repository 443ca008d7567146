#include "sheetdriver.h"

#include "harness.h"

#include <prsht.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

namespace {

constexpr int applyButton = 0x3021; // the sheet's Apply button

HWND tabControl(HWND sheet) {
    return reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETTABCONTROL, 0, 0));
}

HWND octetEdit(HWND address, int octet) {
    HWND edit = FindWindowExA(address, nullptr, "Edit", nullptr);
    // The octets are the control's children from left to right.
    std::vector<HWND> edits;
    for (; edit; edit = FindWindowExA(address, edit, "Edit", nullptr))
        edits.push_back(edit);
    std::vector<std::pair<LONG, HWND>> byLeft;
    for (HWND e : edits) {
        RECT r;
        GetWindowRect(e, &r);
        byLeft.emplace_back(r.left, e);
    }
    std::sort(byLeft.begin(), byLeft.end());
    return octet >= 0 && octet < static_cast<int>(byLeft.size()) ? byLeft[octet].second : nullptr;
}

} // namespace

HWND SheetDriver::page() const {
    HWND current = reinterpret_cast<HWND>(SendMessageA(window, PSM_GETCURRENTPAGEHWND, 0, 0));
    return current ? current : window; // a plain dialog is its own page
}

int SheetDriver::pageCount() const {
    return TabCtrl_GetItemCount(tabControl(window));
}

std::vector<std::string> SheetDriver::tabTitles() const {
    std::vector<std::string> titles;
    HWND tabs = tabControl(window);
    for (int i = 0; i < TabCtrl_GetItemCount(tabs); ++i) {
        char title[128] = "";
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        item.pszText = title;
        item.cchTextMax = sizeof title;
        SendMessageA(tabs, TCM_GETITEMA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
        titles.push_back(title);
    }
    return titles;
}

int SheetDriver::currentTab() const {
    return TabCtrl_GetCurSel(tabControl(window));
}

bool SheetDriver::selectTab(int index) const {
    const HWND before = page();
    PropSheet_SetCurSel(window, nullptr, index);
    settle();
    return page() != before || currentTab() == index;
}

bool SheetDriver::selectTab(const std::string& title) const {
    const std::vector<std::string> titles = tabTitles();
    for (size_t i = 0; i < titles.size(); ++i)
        if (titles[i] == title) return selectTab(static_cast<int>(i));
    ADD_FAILURE() << "the sheet has no tab \"" << title << "\"";
    return false;
}

std::string SheetDriver::caption() const {
    char text[256] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

void SheetDriver::settle() const {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        if (message.message == WM_TIMER) continue; // the harness's own steps
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

void SheetDriver::apply() const {
    PropSheet_PressButton(window, PSBTN_APPLYNOW);
    settle();
}
void SheetDriver::ok() const {
    PropSheet_PressButton(window, PSBTN_OK);
    ended = true;
}
void SheetDriver::cancel() const {
    PropSheet_PressButton(window, PSBTN_CANCEL);
    ended = true;
}
bool SheetDriver::applyEnabled() const {
    return IsWindowEnabled(GetDlgItem(window, applyButton)) != 0;
}

std::string SheetDriver::text(int id) const {
    char t[1024] = "";
    GetWindowTextA(item(id), t, sizeof t);
    return t;
}

void SheetDriver::set(int id, const std::string& t) const {
    SetWindowTextA(item(id), t.c_str());
}

void SheetDriver::typeAt(int id, size_t caret, char c) const {
    SendMessageA(item(id), EM_SETSEL, caret, static_cast<LPARAM>(caret));
    SendMessageA(item(id), WM_CHAR, static_cast<WPARAM>(static_cast<unsigned char>(c)), 1);
}

void SheetDriver::click(int id) const {
    SendMessageA(item(id), BM_CLICK, 0, 0);
}
bool SheetDriver::checked(int id) const {
    return SendMessageA(item(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}
bool SheetDriver::enabled(int id) const {
    return IsWindowEnabled(item(id)) != 0;
}
bool SheetDriver::visible(int id) const {
    return (GetWindowLongA(item(id), GWL_STYLE) & WS_VISIBLE) != 0;
}

void SheetDriver::choose(int id, int position) const {
    // What the list tells its page when the user picks an item.
    SendMessageA(item(id), CB_SETCURSEL, static_cast<WPARAM>(position), 0);
    SendMessageA(page(), WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(item(id)));
}

int SheetDriver::chosen(int id) const {
    return static_cast<int>(SendMessageA(item(id), CB_GETCURSEL, 0, 0));
}

std::string SheetDriver::chosenText(int id) const {
    const int selected = chosen(id);
    if (selected < 0) return "";
    char t[256] = "";
    SendMessageA(item(id), CB_GETLBTEXT, static_cast<WPARAM>(selected),
                 reinterpret_cast<LPARAM>(t));
    return t;
}

void SheetDriver::press(int id, UINT key) const {
    SendMessageA(item(id), WM_KEYDOWN, key, 1);
    SendMessageA(item(id), WM_KEYUP, key, 0xC0000001);
}

int SheetDriver::position(int id) const {
    return static_cast<int>(SendMessageA(item(id), TBM_GETPOS, 0, 0));
}

void SheetDriver::setAddress(int id, const std::vector<std::string>& octets) const {
    for (int i = 0; i < 4; ++i)
        SetWindowTextA(octetEdit(item(id), i), i < static_cast<int>(octets.size()) ? octets[i].c_str() : "");
}

std::string SheetDriver::address(int id) const {
    std::string shown;
    for (int i = 0; i < 4; ++i) {
        char t[8] = "";
        GetWindowTextA(octetEdit(item(id), i), t, sizeof t);
        shown += (i ? "." : "") + std::string(t);
    }
    return shown;
}

namespace {
// A test program running beside this one may have taken the foreground;
// coming back, a dialog gives the focus back to the control that had it.
HWND focusIn(HWND sheet) {
    if (GetForegroundWindow() != sheet) SetForegroundWindow(sheet);
    return GetFocus();
}
} // namespace

int SheetDriver::focusedId() const {
    HWND focus = focusIn(window);
    // An octet edit's parent is the address control.
    while (focus && GetParent(focus) != page())
        focus = GetParent(focus);
    return focus ? GetDlgCtrlID(focus) : 0;
}

int SheetDriver::focusedOctet(int id) const {
    HWND focus = focusIn(window);
    for (int i = 0; i < 4; ++i)
        if (focus && octetEdit(item(id), i) == focus) return i;
    return -1;
}

bool SheetDriver::withSubDialog(int button, const std::function<void(HWND)>& step) const {
    return runWithDialog([&] { click(button); }, step);
}

bool withSheet(const std::function<void()>& open, const std::function<void(SheetDriver&)>& step) {
    return runWithDialog(open, [&](HWND window) {
        SheetDriver sheet{window};
        step(sheet);
    });
}

void onTabOf(SheetDriver& sheet, const std::string& tab,
             const std::function<void(SheetDriver&)>& step) {
    ASSERT_TRUE(sheet.selectTab(tab)) << tab;
    step(sheet);
    if (!sheet.closed()) sheet.cancel();
}

bool withSheetTab(const std::function<void()>& open, const std::string& tab,
                  const std::function<void(SheetDriver&)>& step) {
    return withSheet(open, [&](SheetDriver& sheet) { onTabOf(sheet, tab, step); });
}
