#include "harness.h"

#include "mainwindow.h"
#include "messages.h"
#include "resource.h"
#include "resourcemodule.h"
#include "settingsfile.h"
#include "startup.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>
#include <vector>

FrameTest* FrameTest::current;

std::string exeFolder() {
    char path[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string dir(path, n);
    return dir.substr(0, dir.find_last_of("\\/") + 1);
}

namespace {

void emptyFolder(const std::string& folder) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            DeleteFileA((folder + found.cFileName).c_str());
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

// The frame of this thread (another test's zotwell.exe may be running).
BOOL CALLBACK findFrame(HWND window, LPARAM found) {
    char name[16] = "";
    GetClassNameA(window, name, sizeof name);
    if (std::strcmp(name, mainClassName) != 0) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

// --- context menus: a thread timer looks at the popup inside its menu loop.
MenuSeen* menuCapture;
int menuTicks;

BOOL CALLBACK findPopup(HWND window, LPARAM found) {
    char name[16] = "";
    GetClassNameA(window, name, sizeof name);
    if (std::strcmp(name, "#32768") != 0 || !IsWindowVisible(window)) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

void CALLBACK lookAtMenu(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND popup = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), findPopup, reinterpret_cast<LPARAM>(&popup));
    if (!popup) {
        if (++menuTicks > 100) KillTimer(nullptr, timer);
        return;
    }
    KillTimer(nullptr, timer);
    HMENU menu = reinterpret_cast<HMENU>(SendMessageA(popup, MN_GETHMENU, 0, 0));
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        const UINT id = GetMenuItemID(menu, i);
        if (id == 0 || id == static_cast<UINT>(-1)) continue; // separator
        const UINT state = GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION);
        menuCapture->enabled[id] = !(state & (MF_GRAYED | MF_DISABLED));
    }
    EndMenu();
}

// --- modal dialogs: a CBT hook sees each new dialog activate, a thread timer
// then runs its step inside its modal loop, and a watchdog ends a dialog
// nobody closed. A step may open a further dialog (a sub-dialog of a page):
// the innermost waiting step takes the next dialog that appears.
struct DialogLevel {
    const std::function<void(HWND)>* step;
    HWND seen;
    UINT_PTR watchdog;
};
std::vector<DialogLevel> dialogLevels;

DialogLevel* waitingLevel() {
    for (auto level = dialogLevels.rbegin(); level != dialogLevels.rend(); ++level)
        if (!level->seen) return &*level;
    return nullptr;
}

void CALLBACK runStep(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    for (auto level = dialogLevels.rbegin(); level != dialogLevels.rend(); ++level) {
        if (level->seen && level->step) {
            const std::function<void(HWND)>* step = level->step;
            level->step = nullptr; // each step runs once
            if (IsWindow(level->seen)) (*step)(level->seen);
            return;
        }
    }
}

void CALLBACK endForgottenDialog(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    for (DialogLevel& level : dialogLevels) {
        if (level.watchdog != timer) continue;
        level.watchdog = 0;
        if (!level.seen || !IsWindow(level.seen)) return;
        ADD_FAILURE() << "the dialog was left open";
        // A property sheet ends by its Cancel; a plain dialog by EndDialog.
        if (SendMessageA(level.seen, PSM_GETCURRENTPAGEHWND, 0, 0))
            PropSheet_PressButton(level.seen, PSBTN_CANCEL);
        else
            EndDialog(level.seen, 0);
    }
}

LRESULT CALLBACK watchActivation(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE) {
        HWND window = reinterpret_cast<HWND>(wParam);
        char name[16] = "";
        GetClassNameA(window, name, sizeof name);
        bool known = false;
        for (const DialogLevel& level : dialogLevels)
            known = known || level.seen == window;
        DialogLevel* level = waitingLevel();
        if (std::strcmp(name, "#32770") == 0 && !known && level) {
            level->seen = window;
            SetTimer(nullptr, 0, 0, runStep);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

std::string textOf(HWND window) {
    char text[512] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

} // namespace

int FrameTest::answerMessage(HWND, const char* text, const char* caption, UINT buttons) {
    FrameTest* test = current;
    test->shown.push_back(Shown{text, caption, buttons});
    const UINT kind = buttons & MB_TYPEMASK;
    if (kind == MB_OK) return IDOK;
    if (test->answers.empty()) {
        ADD_FAILURE() << "nobody answers \"" << text << "\"";
        return kind == MB_YESNOCANCEL ? IDCANCEL : IDNO;
    }
    const int answer = test->answers.front();
    test->answers.pop_front();
    return answer;
}

int FrameTest::answerFileDialog(HWND, SettingsFileMode mode, char* path, size_t size) {
    FrameTest* test = current;
    test->fileDialogs.push_back(mode);
    if (test->picks.empty()) {
        ADD_FAILURE() << "nobody picks a file (dialog mode " << mode << ")";
        return 0;
    }
    const std::string pick = test->picks.front();
    test->picks.pop_front();
    if (pick.empty() || pick.size() >= size) return 0;
    std::memcpy(path, pick.c_str(), pick.size() + 1);
    return 1;
}

void FrameTest::SetUp() {
    current = this;
    const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(info->test_suite_name()) + "." + info->name();
    for (char& c : name)
        if (c == '/') c = '_';
    folder = exeFolder() + "scratch\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    folder += name + "\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    emptyFolder(folder);

    setMessageAnswerHook(answerMessage);
    setFileDialogHook(answerFileDialog);
    ASSERT_TRUE(machine.ready()) << machine.problem();
    ASSERT_TRUE(StartZotwell(GetModuleHandleA(nullptr), nullptr, SW_SHOWNORMAL, &machine));
    EnumThreadWindows(GetCurrentThreadId(), findFrame, reinterpret_cast<LPARAM>(&frame));
    ASSERT_NE(frame, nullptr);
    pump();
}

void FrameTest::TearDown() {
    EXPECT_TRUE(answers.empty()) << answers.size() << " answer(s) nobody asked for";
    EXPECT_TRUE(picks.empty()) << picks.size() << " file(s) nobody asked for";
    answers.clear();
    // Whatever the test left unsaved: no questions on the way out.
    if (IsWindow(frame)) DestroyWindow(frame);
    pump();
    FinishZotwell();
    // The next test of this process registers the frame's class again.
    UnregisterClassA(mainClassName, GetModuleHandleA(nullptr));
    setMessageAnswerHook(nullptr);
    setFileDialogHook(nullptr);
    current = nullptr;
}

std::vector<std::string> FrameTest::texts() const {
    std::vector<std::string> all;
    for (const Shown& s : shown)
        all.push_back(s.text);
    return all;
}

void FrameTest::pump() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) break;
        TranslateFrameMessage(message);
    }
}

void FrameTest::openMenuBar() {
    SendMessageA(frame, WM_INITMENU, reinterpret_cast<WPARAM>(GetMenu(frame)), 0);
}

void FrameTest::command(UINT id) {
    SendMessageA(frame, WM_COMMAND, MAKEWPARAM(id, 0), 0);
    pump();
}

void FrameTest::closeBox() {
    SendMessageA(frame, WM_CLOSE, 0, 0);
    pump();
}

void FrameTest::connect() {
    command(IDM_CONNECT);
    ASSERT_EQ(panelText(), "Connect Status : ONLINE");
}

void FrameTest::download() {
    connect();
    command(IDM_DOWNLOAD);
    ASSERT_TRUE(shown.empty()) << shown.front().text;
}

void FrameTest::newDocument() {
    command(IDM_NEW);
}

void FrameTest::showSpeedDial() {
    command(IDM_SHOW_SPEED_DIAL);
}

std::string FrameTest::openSample() {
    const std::string path = scratch("sample.DAT");
    writeSampleFile(path);
    picks.push_back(path);
    command(IDM_OPEN);
    EXPECT_TRUE(shown.empty());
    return path;
}

bool FrameTest::closingAsks() {
    const size_t before = shown.size();
    answers.push_back(IDCANCEL);
    closeBox();
    if (shown.size() == before) {
        answers.clear();
        return false;
    }
    EXPECT_FALSE(closed());
    return true;
}

void FrameTest::clickRow(int row) {
    HWND list = child(IDC_REGISTER_LIST);
    SendMessageA(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE); // scrolled to
    RECT item = {};
    item.left = LVIR_LABEL;
    SendMessageA(list, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    const LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    // The list waits for the button to come up before it decides that the
    // press was a click and not a drag.
    PostMessageA(list, WM_LBUTTONUP, 0, at);
    SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
    pump();
}

MenuSeen FrameTest::rightClick(HWND control, POINT client, bool fromKeyboard) {
    MenuSeen seen;
    menuCapture = &seen;
    menuTicks = 0;
    POINT screen = client;
    ClientToScreen(control, &screen);
    const UINT_PTR timer = SetTimer(nullptr, 0, 10, lookAtMenu);
    SendMessageA(control, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(control),
                 fromKeyboard ? -1 : MAKELPARAM(screen.x, screen.y));
    KillTimer(nullptr, timer);
    menuCapture = nullptr;
    pump();
    return seen;
}

MenuSeen FrameTest::rightClickRow(int row) {
    HWND list = child(IDC_REGISTER_LIST);
    SendMessageA(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
    RECT item = {};
    item.left = LVIR_LABEL;
    SendMessageA(list, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    return rightClick(list, POINT{(item.left + item.right) / 2, (item.top + item.bottom) / 2});
}

MenuSeen FrameTest::rightClickTreeNode(int node) {
    HWND tree = child(IDC_TREE);
    HTREEITEM item = TreeView_GetRoot(tree);
    if (node == 1) item = TreeView_GetChild(tree, item);
    RECT r = {};
    TreeView_GetItemRect(tree, item, &r, TRUE);
    return rightClick(tree, POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2});
}

bool FrameTest::withDialog(const std::function<void()>& open,
                           const std::function<void(HWND)>& step) {
    return runWithDialog(open, step);
}

bool runWithDialog(const std::function<void()>& open, const std::function<void(HWND)>& step) {
    const bool outermost = dialogLevels.empty();
    static HHOOK hook;
    if (outermost) hook = SetWindowsHookExA(WH_CBT, watchActivation, nullptr, GetCurrentThreadId());
    dialogLevels.push_back(DialogLevel{&step, nullptr, 0});
    const size_t depth = dialogLevels.size();
    dialogLevels.back().watchdog = SetTimer(nullptr, 0, 10000, endForgottenDialog);
    open();
    DialogLevel level = dialogLevels[depth - 1];
    if (level.watchdog) KillTimer(nullptr, level.watchdog);
    dialogLevels.resize(depth - 1);
    if (outermost) UnhookWindowsHookEx(hook);
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) break;
        TranslateFrameMessage(message);
    }
    return level.seen != nullptr;
}

std::string FrameTest::caption() const {
    return textOf(frame);
}

std::string FrameTest::statusPane(int pane) const {
    char text[256] = "";
    SendMessageA(child(IDC_STATUS_BAR), SB_GETTEXTA, static_cast<WPARAM>(pane),
                 reinterpret_cast<LPARAM>(text));
    return text;
}

HWND FrameTest::panel() const {
    return FindWindowExA(frame, nullptr, "#32770", nullptr);
}

std::string FrameTest::panelText() const {
    char text[256] = "";
    if (panel()) GetDlgItemTextA(panel(), IDC_STATUS_TEXT, text, sizeof text);
    return text;
}

bool FrameTest::menuEnabled(UINT id) const {
    const UINT state = GetMenuState(GetMenu(frame), id, MF_BYCOMMAND);
    return state != static_cast<UINT>(-1) && !(state & (MF_GRAYED | MF_DISABLED));
}

bool FrameTest::buttonEnabled(UINT id) const {
    return SendMessageA(child(IDC_TOOLBAR), TB_ISBUTTONENABLED, id, 0) != 0;
}

RECT FrameTest::placeOf(int id) const {
    HWND window = id == IDD_STATUS_PANEL ? panel() : child(id);
    RECT r = {};
    GetWindowRect(window, &r);
    MapWindowPoints(nullptr, frame, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

int FrameTest::clientWidth() const {
    RECT r;
    GetClientRect(frame, &r);
    return r.right;
}

int FrameTest::rows() const {
    return static_cast<int>(SendMessageA(child(IDC_REGISTER_LIST), LVM_GETITEMCOUNT, 0, 0));
}

int FrameTest::columns() const {
    HWND header =
        reinterpret_cast<HWND>(SendMessageA(child(IDC_REGISTER_LIST), LVM_GETHEADER, 0, 0));
    return static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0));
}

std::string FrameTest::columnTitle(int column) const {
    char text[128] = "";
    LVCOLUMNA c = {};
    c.mask = LVCF_TEXT;
    c.pszText = text;
    c.cchTextMax = sizeof text;
    SendMessageA(child(IDC_REGISTER_LIST), LVM_GETCOLUMNA, static_cast<WPARAM>(column),
                 reinterpret_cast<LPARAM>(&c));
    return text;
}

std::string FrameTest::cell(int row, int column) const {
    char text[256] = "";
    LVITEMA item = {};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendMessageA(child(IDC_REGISTER_LIST), LVM_GETITEMTEXTA, static_cast<WPARAM>(row),
                 reinterpret_cast<LPARAM>(&item));
    return text;
}

int FrameTest::selectedRow() const {
    return static_cast<int>(SendMessageA(child(IDC_REGISTER_LIST), LVM_GETNEXTITEM,
                                         static_cast<WPARAM>(-1), MAKELPARAM(LVNI_SELECTED, 0)));
}

std::string FrameTest::treeRootText() const {
    HWND tree = child(IDC_TREE);
    char text[256] = "";
    TVITEMA item = {};
    item.mask = TVIF_TEXT | TVIF_HANDLE;
    item.hItem = TreeView_GetRoot(tree);
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    return text;
}

std::string FrameTest::scratch(const char* name) const {
    return folder + name;
}

std::unique_ptr<Document> emptyDocument() {
    std::unique_ptr<Document> doc(new Document());
    initImage(doc->image);
    return doc;
}

std::string programSignature() {
    return loadText(IDS_SIGNATURE);
}

void writeSampleFile(const std::string& path) {
    std::unique_ptr<Document> doc = emptyDocument();
    buildSampleMachine(*doc);
    packImage(*doc);
    ASSERT_EQ(saveSettingsFile(*doc, path.c_str(), programSignature().c_str()), FileStatus::Ok);
}

std::string readWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeWholeFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

bool fileExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}
