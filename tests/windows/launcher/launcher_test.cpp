// zodmodel.exe driven as a user would drive it. Each test copies the launcher
// into a scratch folder of its own beside two stand-in installers
// (DRV60ux\Setup.exe and DRV80ux\Setup.exe, see setup_stub.cpp), starts it
// inside a job object so that every process it starts is counted, works its
// real dialog through the dialog's own controls, and then looks at what was
// started and how.
#include <windows.h>

#include <gtest/gtest.h>

#include <cwchar>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr DWORD patienceMs = 10000;

// The dialog's published numbers: resource 101, the two model radio buttons.
constexpr int dialogResource = 101;
constexpr int model60Id = 1001;
constexpr int model80Id = 1002;
const wchar_t dialogCaption[] = L"ZOD Model Setup";

const wchar_t model60Installer[] = L"DRV60ux\\Setup.exe";
const wchar_t model80Installer[] = L"DRV80ux\\Setup.exe";

std::string utf8(const std::wstring& text) {
    if (text.empty()) return {};
    int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr,
                                   0, nullptr, nullptr);
    std::string out(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), &out[0], size,
                        nullptr, nullptr);
    return out;
}

std::wstring testsFolder() {
    wchar_t path[MAX_PATH];
    DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring self(path, length);
    return self.substr(0, self.find_last_of(L'\\') + 1);
}

void removeTree(const std::wstring& folder) {
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::wstring name = found.cFileName;
            if (name == L"." || name == L"..") continue;
            std::wstring path = folder + L"\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                removeTree(path);
            else
                DeleteFileW(path.c_str());
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(folder.c_str());
}

// A copy of the launcher as it is shipped: in a folder of its own (the medium)
// with the model installers in folders below it. The launcher runs with the
// scratch folder above the medium as its current folder, so that an installer
// started "with no working directory" can be told from one started in its own.
struct Medium {
    std::wstring scratch;  // the launcher's current folder
    std::wstring folder;   // the launcher's folder, ending with '\'
    std::wstring launcher; // the launcher's full path
};

std::wstring scratchForCurrentTest() {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(test->test_suite_name()) + "." + test->name();
    std::wstring safe;
    for (char c : name)
        safe += (c == '/' ? L'_' : static_cast<wchar_t>(c));
    return testsFolder() + L"scratch\\" + safe + L"." + std::to_wstring(GetCurrentProcessId());
}

// Every test works in a scratch folder named after itself and this process, as
// two runs of the suite may overlap; the folder goes when the test passes.
class ScratchTest : public ::testing::Test {
  protected:
    void TearDown() override {
        if (!HasFailure()) removeTree(scratchForCurrentTest());
    }
};

Medium makeMedium(const std::wstring& mediumName = L"medium",
                  const std::wstring& launcherName = L"zodmodel.exe", bool withInstallers = true) {
    Medium medium;
    medium.scratch = scratchForCurrentTest();
    removeTree(medium.scratch);
    CreateDirectoryW((testsFolder() + L"scratch").c_str(), nullptr);
    CreateDirectoryW(medium.scratch.c_str(), nullptr);
    medium.folder = medium.scratch + L"\\" + mediumName + L"\\";
    medium.launcher = medium.folder + launcherName;
    EXPECT_TRUE(CreateDirectoryW(medium.folder.c_str(), nullptr)) << utf8(medium.folder);
    EXPECT_TRUE(
        CopyFileW((testsFolder() + L"zodmodel.exe").c_str(), medium.launcher.c_str(), FALSE))
        << "zodmodel.exe must lie beside the tests";
    if (withInstallers) {
        for (const wchar_t* model : {L"DRV60ux", L"DRV80ux"}) {
            std::wstring folder = medium.folder + model;
            EXPECT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
            EXPECT_TRUE(CopyFileW((testsFolder() + L"launcher_test_setup.exe").c_str(),
                                  (folder + L"\\Setup.exe").c_str(), FALSE));
        }
    }
    return medium;
}

// What a stand-in installer noted about its start; empty when it did not run.
std::map<std::string, std::string> installerNote(const Medium& medium, const wchar_t* installer) {
    std::wstring path = medium.folder + installer;
    path = path.substr(0, path.find_last_of(L'\\') + 1) + L"ran.txt";
    std::map<std::string, std::string> note;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return note;
    char text[8192];
    DWORD size = 0;
    ReadFile(file, text, sizeof text, &size, nullptr);
    CloseHandle(file);
    std::string all(text, size);
    size_t start = 0;
    while (start < all.size()) {
        size_t end = all.find('\n', start);
        if (end == std::string::npos) end = all.size();
        std::string line = all.substr(start, end - start);
        size_t equals = line.find('=');
        if (equals != std::string::npos) note[line.substr(0, equals)] = line.substr(equals + 1);
        start = end + 1;
    }
    return note;
}

struct WindowQuery {
    DWORD process;
    const wchar_t* caption; // or null for any
    HWND owner;             // or null for any
    HWND found;
};

BOOL CALLBACK matchWindow(HWND window, LPARAM param) {
    auto* query = reinterpret_cast<WindowQuery*>(param);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    wchar_t className[64] = L"", caption[128] = L"";
    GetClassNameW(window, className, 64);
    GetWindowTextW(window, caption, 128);
    if (process != query->process || !IsWindowVisible(window) ||
        std::wcscmp(className, L"#32770") != 0)
        return TRUE;
    if (query->caption && std::wcscmp(caption, query->caption) != 0) return TRUE;
    if (query->owner && GetWindow(window, GW_OWNER) != query->owner) return TRUE;
    query->found = window;
    return FALSE;
}

struct JobCount {
    DWORD total;  // processes that ever ran in the job, the launcher included
    DWORD active; // processes still running
};

// One run of the launcher, in a job that its children join too.
class LauncherRun {
  public:
    explicit LauncherRun(const Medium& medium) {
        // Wine starts its desktop process for the first window shown in a
        // session; asked for here, it is this process's child, not one of
        // the launcher's, and stays out of the count.
        GetDesktopWindow();
        job = CreateJobObjectW(nullptr, nullptr);
        JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits = {};
        limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
        SetInformationJobObject(job, JobObjectExtendedLimitInformation, &limits, sizeof limits);

        std::wstring commandLine = L"\"" + medium.launcher + L"\"";
        STARTUPINFOW startup = {};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION info = {};
        if (!CreateProcessW(medium.launcher.c_str(), &commandLine[0], nullptr, nullptr, FALSE,
                            CREATE_SUSPENDED, nullptr, medium.scratch.c_str(), &startup, &info))
            return;
        AssignProcessToJobObject(job, info.hProcess);
        ResumeThread(info.hThread);
        CloseHandle(info.hThread);
        process = info.hProcess;
        processId = info.dwProcessId;
    }
    ~LauncherRun() {
        if (process) CloseHandle(process);
        CloseHandle(job); // ends whatever still runs
    }
    LauncherRun(const LauncherRun&) = delete;
    LauncherRun& operator=(const LauncherRun&) = delete;

    bool started() const { return process != nullptr; }

    // A visible dialog of the launcher: with the given caption, or owned by
    // the given window. Null when none came within the patience.
    HWND waitForDialog(const wchar_t* caption = dialogCaption, HWND owner = nullptr) const {
        for (DWORD waited = 0; waited < patienceMs; waited += 20) {
            WindowQuery query = {processId, caption, owner, nullptr};
            EnumWindows(matchWindow, reinterpret_cast<LPARAM>(&query));
            if (query.found) return query.found;
            if (WaitForSingleObject(process, 20) == WAIT_OBJECT_0) return nullptr;
        }
        return nullptr;
    }

    // The launcher's exit code, or STILL_ACTIVE when it has not ended in time.
    DWORD waitForExit() const {
        DWORD code = STILL_ACTIVE;
        if (WaitForSingleObject(process, patienceMs) == WAIT_OBJECT_0)
            GetExitCodeProcess(process, &code);
        return code;
    }

    // Waits for the launcher and whatever it started to end.
    JobCount waitForAll() const {
        JOBOBJECT_BASIC_ACCOUNTING_INFORMATION account = {};
        for (DWORD waited = 0; waited < patienceMs; waited += 20) {
            QueryInformationJobObject(job, JobObjectBasicAccountingInformation, &account,
                                      sizeof account, nullptr);
            if (account.ActiveProcesses == 0) break;
            Sleep(20);
        }
        return {account.TotalProcesses, account.ActiveProcesses};
    }

  private:
    HANDLE job = nullptr;
    HANDLE process = nullptr;
    DWORD processId = 0;
};

bool isChecked(HWND dialog, int id) {
    return SendMessageW(GetDlgItem(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

HWND focusOf(HWND dialog) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &info) ? info.hwndFocus
                                                                              : nullptr;
}

// What the user does, each through the dialog's own windows. Radio clicks are
// sent and so done when the call returns; the last act is posted, as the
// launcher may end (and start an installer) while handling it.
enum class Act { Choose60, Choose80, Ok, Cancel, CloseBox, CloseMessage, Enter, Down, Escape };

void pressKey(HWND dialog, WPARAM key) {
    HWND target = focusOf(dialog);
    if (!target) target = dialog;
    PostMessageW(target, WM_KEYDOWN, key, 1);
    PostMessageW(target, WM_KEYUP, key, 0xC0000001);
}

void perform(HWND dialog, Act act) {
    switch (act) {
    case Act::Choose60:
    case Act::Choose80: {
        bool first = act == Act::Choose60;
        SendMessageW(GetDlgItem(dialog, first ? model60Id : model80Id), BM_CLICK, 0, 0);
        EXPECT_EQ(isChecked(dialog, model60Id), first);
        EXPECT_EQ(isChecked(dialog, model80Id), !first);
        break;
    }
    case Act::Ok:
        PostMessageW(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
        break;
    case Act::Cancel:
        PostMessageW(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0);
        break;
    case Act::CloseBox:
        PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
        break;
    case Act::CloseMessage:
        PostMessageW(dialog, WM_CLOSE, 0, 0);
        break;
    case Act::Enter:
        pressKey(dialog, VK_RETURN);
        break;
    case Act::Escape:
        pressKey(dialog, VK_ESCAPE);
        break;
    case Act::Down: {
        HWND before = focusOf(dialog);
        pressKey(dialog, VK_DOWN);
        // The next key goes to wherever the focus went.
        for (DWORD waited = 0; focusOf(dialog) == before && waited < patienceMs; waited += 10)
            Sleep(10);
        break;
    }
    }
}

enum class Started { Nothing, Model60, Model80 };

// Checks that exactly the expected installer ran, once, from its full path
// beside the launcher, with no arguments, in the launcher's current folder.
void expectStarted(const Medium& medium, LauncherRun& run, Started expected) {
    JobCount count = run.waitForAll();
    EXPECT_EQ(count.active, 0u) << "something the launcher started did not end";
    EXPECT_EQ(count.total, expected == Started::Nothing ? 1u : 2u)
        << "processes run: the launcher and the installer it started";
    auto note60 = installerNote(medium, model60Installer);
    auto note80 = installerNote(medium, model80Installer);
    EXPECT_EQ(!note60.empty(), expected == Started::Model60);
    EXPECT_EQ(!note80.empty(), expected == Started::Model80);
    if (expected == Started::Nothing) return;
    auto note = expected == Started::Model60 ? note60 : note80;
    if (note.empty()) return;
    const wchar_t* installer = expected == Started::Model60 ? model60Installer : model80Installer;
    EXPECT_EQ(note["path"], utf8(medium.folder + installer));
    EXPECT_EQ(note["arguments"], "0") << note["commandline"];
    EXPECT_EQ(note["directory"], utf8(medium.scratch)) << "no working directory is passed";
    EXPECT_EQ(note["show"], std::to_string(SW_SHOWNORMAL));
}

// ---------------------------------------------------------------------------
// What the user does, and what it starts.

struct Session {
    const char* name;
    std::vector<Act> acts;
    Started started;
};

const Session sessions[] = {
    {"OkUntouched", {Act::Ok}, Started::Model60},
    {"FirstAgainThenOk", {Act::Choose60, Act::Ok}, Started::Model60},
    {"SecondThenOk", {Act::Choose80, Act::Ok}, Started::Model80},
    {"SecondThenFirstThenOk", {Act::Choose80, Act::Choose60, Act::Ok}, Started::Model60},
    {"SecondFirstSecondThenOk",
     {Act::Choose80, Act::Choose60, Act::Choose80, Act::Ok},
     Started::Model80},
    {"Cancel", {Act::Cancel}, Started::Nothing},
    {"SecondThenCancel", {Act::Choose80, Act::Cancel}, Started::Nothing},
    {"CloseBox", {Act::CloseBox}, Started::Nothing},
    {"SecondThenCloseBox", {Act::Choose80, Act::CloseBox}, Started::Nothing},
    {"CloseMessage", {Act::CloseMessage}, Started::Nothing},
    {"EnterKey", {Act::Enter}, Started::Model60},
    {"DownArrowThenEnter", {Act::Down, Act::Enter}, Started::Model80},
    // The arrows stay within the two models: the second Down wraps round.
    {"DownArrowTwiceThenEnter", {Act::Down, Act::Down, Act::Enter}, Started::Model60},
    {"SecondThenEscape", {Act::Choose80, Act::Escape}, Started::Nothing},
};

void PrintTo(const Session& session, std::ostream* out) {
    *out << session.name;
}

class LauncherSession : public ScratchTest, public ::testing::WithParamInterface<Session> {};

TEST_P(LauncherSession, StartsTheChosenInstallerOnly) {
    const Session& session = GetParam();
    Medium medium = makeMedium();
    LauncherRun run(medium);
    ASSERT_TRUE(run.started());
    HWND dialog = run.waitForDialog();
    ASSERT_NE(dialog, nullptr) << "no \"ZOD Model Setup\" dialog appeared";
    EXPECT_TRUE(isChecked(dialog, model60Id));
    EXPECT_FALSE(isChecked(dialog, model80Id));
    for (Act act : session.acts)
        perform(dialog, act);
    EXPECT_EQ(run.waitForExit(), 0u);
    expectStarted(medium, run, session.started);
}

INSTANTIATE_TEST_SUITE_P(User, LauncherSession, ::testing::ValuesIn(sessions),
                         [](const ::testing::TestParamInfo<Session>& param) {
                             return std::string(param.param.name);
                         });

// ---------------------------------------------------------------------------
// The dialog itself.

INT_PTR CALLBACK idleDialogProc(HWND, UINT, WPARAM, LPARAM) {
    return FALSE;
}

// Dialog units to pixels, measured on a copy of the same template made in
// this process from the launcher's own resources.
class TemplateScale {
  public:
    explicit TemplateScale(const std::wstring& launcher) {
        module = LoadLibraryExW(launcher.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        if (module)
            copy = CreateDialogParamW(module, MAKEINTRESOURCEW(dialogResource), nullptr,
                                      idleDialogProc, 0);
    }
    ~TemplateScale() {
        if (copy) DestroyWindow(copy);
        if (module) FreeLibrary(module);
    }
    TemplateScale(const TemplateScale&) = delete;
    TemplateScale& operator=(const TemplateScale&) = delete;

    bool ready() const { return copy != nullptr; }
    // Position and size are mapped each on its own, as the dialog manager
    // does when it creates the controls.
    RECT pixels(int x, int y, int width, int height) const {
        RECT units = {x, y, width, height};
        MapDialogRect(copy, &units);
        return {units.left, units.top, units.left + units.right, units.top + units.bottom};
    }

  private:
    HMODULE module = nullptr;
    HWND copy = nullptr;
};

std::string describe(const RECT& box) {
    return std::to_string(box.left) + "," + std::to_string(box.top) + " " +
           std::to_string(box.right - box.left) + "x" + std::to_string(box.bottom - box.top);
}

struct ControlRow {
    int id; // -1: none
    LONG buttonKind;
    bool startsGroup;
    const wchar_t* text;
    int x, y, width, height;
};

// In the dialog's tab order.
const ControlRow controls[] = {
    {-1, BS_GROUPBOX, false, L"", 7, 3, 193, 39},
    {model60Id, BS_AUTORADIOBUTTON, true, L"Model 60KV-2ux", 21, 13, 165, 12},
    {model80Id, BS_AUTORADIOBUTTON, false, L"Model 80KV-2ux", 21, 25, 165, 12},
    {IDOK, BS_DEFPUSHBUTTON, true, L"OK", 7, 43, 138, 10},
    {IDCANCEL, BS_PUSHBUTTON, false, L"Cancel", 148, 43, 50, 10},
};

class LauncherDialog : public ScratchTest {
  protected:
    void SetUp() override {
        medium = makeMedium();
        run = std::make_unique<LauncherRun>(medium);
        ASSERT_TRUE(run->started());
        dialog = run->waitForDialog();
        ASSERT_NE(dialog, nullptr) << "no \"ZOD Model Setup\" dialog appeared";
    }
    void TearDown() override {
        if (dialog) {
            PostMessageW(dialog, WM_CLOSE, 0, 0);
            EXPECT_EQ(run->waitForExit(), 0u);
            expectStarted(medium, *run, Started::Nothing);
        }
        run.reset();
        ScratchTest::TearDown();
    }
    Medium medium;
    std::unique_ptr<LauncherRun> run;
    HWND dialog = nullptr;
};

TEST_F(LauncherDialog, IsAnUnownedDialogWithTheTabledControls) {
    wchar_t className[64] = L"";
    GetClassNameW(dialog, className, 64);
    EXPECT_STREQ(className, L"#32770");
    EXPECT_EQ(GetWindow(dialog, GW_OWNER), nullptr);
    LONG style = GetWindowLongW(dialog, GWL_STYLE);
    EXPECT_NE(style & WS_CAPTION, 0);
    EXPECT_NE(style & WS_SYSMENU, 0) << "the close box";

    TemplateScale scale(medium.launcher);
    ASSERT_TRUE(scale.ready());
    RECT client;
    GetClientRect(dialog, &client);
    EXPECT_EQ(describe(client), describe(scale.pixels(0, 0, 207, 62)));

    HWND control = GetWindow(dialog, GW_CHILD);
    for (const ControlRow& row : controls) {
        SCOPED_TRACE(utf8(row.text) + " (" + std::to_string(row.id) + ")");
        ASSERT_NE(control, nullptr) << "missing control";
        EXPECT_EQ(GetDlgCtrlID(control) & 0xFFFF, row.id & 0xFFFF);
        wchar_t className2[64] = L"";
        GetClassNameW(control, className2, 64);
        EXPECT_EQ(_wcsicmp(className2, L"Button"), 0) << utf8(className2);
        LONG controlStyle = GetWindowLongW(control, GWL_STYLE);
        EXPECT_EQ(controlStyle & BS_TYPEMASK, row.buttonKind);
        EXPECT_EQ((controlStyle & WS_GROUP) != 0, row.startsGroup);
        EXPECT_TRUE(IsWindowVisible(control) && IsWindowEnabled(control));
        wchar_t text[128] = L"";
        SendMessageW(control, WM_GETTEXT, 128, reinterpret_cast<LPARAM>(text));
        EXPECT_STREQ(text, row.text);
        RECT box;
        GetWindowRect(control, &box);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&box), 2);
        EXPECT_EQ(describe(box), describe(scale.pixels(row.x, row.y, row.width, row.height)));
        control = GetWindow(control, GW_HWNDNEXT);
    }
    EXPECT_EQ(control, nullptr) << "a control more than tabled";
}

TEST_F(LauncherDialog, IsCentredOnTheDisplay) {
    HDC display = CreateICW(L"DISPLAY", nullptr, nullptr, nullptr);
    ASSERT_NE(display, nullptr);
    int screenWidth = GetDeviceCaps(display, HORZRES);
    int screenHeight = GetDeviceCaps(display, VERTRES);
    DeleteDC(display);
    RECT box;
    GetWindowRect(dialog, &box);
    int width = box.right - box.left, height = box.bottom - box.top;
    EXPECT_EQ(box.left, (screenWidth - width) / 2) << "screen " << screenWidth;
    EXPECT_EQ(box.top, (screenHeight - height) / 2) << "screen " << screenHeight;
}

// ---------------------------------------------------------------------------
// Paths.

using LauncherPaths = ScratchTest;
using LauncherCodePage932 = ScratchTest;

// The installer path is formed in a buffer of MAX_PATH characters, the most
// the ANSI shell takes. A path that fits starts, however long; one character
// more starts nothing, shows nothing and still ends with 0. (Wine's shell
// would not start the longer path either, so under Wine the first case is the
// one that pins the limit.)
TEST_F(LauncherPaths, AnInstallerPathThatDoesNotFitIsNotOpened) {
    const struct {
        size_t pathLength;
        Started started;
    } cases[] = {
        {MAX_PATH - 1, Started::Model60},
        {MAX_PATH, Started::Nothing},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("installer path of " + std::to_string(c.pathLength) + " characters");
        std::wstring scratch = scratchForCurrentTest();
        // scratch \ padding \ DRV60ux\Setup.exe
        size_t padding = c.pathLength - scratch.size() - 2 - std::wcslen(model60Installer);
        ASSERT_LT(padding, 250u);
        Medium medium = makeMedium(std::wstring(padding, L'p'));
        ASSERT_EQ(medium.folder.size() + std::wcslen(model60Installer), c.pathLength);
        LauncherRun run(medium);
        ASSERT_TRUE(run.started());
        HWND dialog = run.waitForDialog();
        ASSERT_NE(dialog, nullptr);
        perform(dialog, Act::Ok);
        EXPECT_EQ(run.waitForExit(), 0u);
        expectStarted(medium, run, c.started);
    }
}

// Under code page 932 the second byte of a double-byte character can be the
// value of '\\': "ソ" is 83 5C and "表" is 95 5C. The launcher's folder must
// still end at the real separator, not inside its own file name. Wine gives a
// process the code page of the process that started it, so ctest runs this
// test on its own, under a Japanese locale (see CMakeLists.txt).
TEST_F(LauncherCodePage932, DoubleByteNamesEndTheFolderAtTheRealSeparator) {
    ASSERT_EQ(GetACP(), 932u) << "not under code page 932: ctest runs this with LC_ALL and LOCPATH";
    Medium medium = makeMedium(L"表示", L"ドライバソフト.exe");
    LauncherRun run(medium);
    ASSERT_TRUE(run.started());
    HWND dialog = run.waitForDialog();
    ASSERT_NE(dialog, nullptr);
    perform(dialog, Act::Choose80);
    perform(dialog, Act::Ok);
    EXPECT_EQ(run.waitForExit(), 0u);
    expectStarted(medium, run, Started::Model80);
}

// A missing installer: whatever the shell says about it (Windows shows a
// message owned by the dialog, Wine nothing) is answered, and the launcher
// ends with 0 all the same.
TEST_F(LauncherPaths, AMissingInstallerEndsTheLauncherAllTheSame) {
    Medium medium = makeMedium(L"medium", L"zodmodel.exe", false);
    LauncherRun run(medium);
    ASSERT_TRUE(run.started());
    HWND dialog = run.waitForDialog();
    ASSERT_NE(dialog, nullptr);
    perform(dialog, Act::Ok);
    if (HWND message = run.waitForDialog(nullptr, dialog))
        PostMessageW(message, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(run.waitForExit(), 0u);
    EXPECT_EQ(run.waitForAll().total, 1u);
}

} // namespace
