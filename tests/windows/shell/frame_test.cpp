// The frame as it starts, its status bar, layout and splitter, the About box,
// and the rule of one running copy.
#include "harness.h"

#include "resource.h"
#include "startup.h"

#include <string>

namespace {

using Frame = FrameTest;

TEST_F(Frame, StartsOfflineWithAnUntitledNameAndNoDocument) {
    EXPECT_EQ(caption(), "Zotwell - ZOT - NewFile.Dat");
    EXPECT_EQ(panelText(), "Connect Status : OFFLINE");
    EXPECT_EQ(statusPane(1), "Zotwell");
    EXPECT_EQ(statusPane(0), "");
    EXPECT_EQ(statusPane(2), "");
    // With nothing to show in the views, the panel covers them.
    EXPECT_TRUE(IsWindowVisible(panel()));
    const RECT panel = placeOf(IDD_STATUS_PANEL);
    EXPECT_EQ(panel.left, 0);
    EXPECT_EQ(panel.right, clientWidth());
    EXPECT_FALSE(visible(IDC_REGISTER_LIST));
    EXPECT_FALSE(visible(IDC_GROUP_ITEMS_LIST));
    EXPECT_FALSE(IsWindowEnabled(child(IDC_TREE)));
    EXPECT_TRUE(shown.empty());
}

TEST_F(Frame, PollsTheMachineEveryThreeSeconds) {
    // The timer exists from the start (it acts only while connected).
    EXPECT_TRUE(KillTimer(frame, 1));
}

TEST_F(Frame, StatusBarPanesEndAtTheirDistancesFromTheRight) {
    const int width = clientWidth();
    int edges[6] = {};
    ASSERT_EQ(SendMessageA(child(IDC_STATUS_BAR), SB_GETPARTS, 6, reinterpret_cast<LPARAM>(edges)),
              6);
    const int fromRight[6] = {450, 280, 180, 120, 60, 0};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(edges[i], width - fromRight[i]) << "pane " << i;
}

// A key press as the message loop receives it.
void pressKey(int key) {
    MSG press = {};
    press.hwnd = GetFocus();
    press.message = WM_KEYDOWN;
    press.wParam = static_cast<WPARAM>(key);
    press.lParam = 1;
    TranslateFrameMessage(press);
}

// The lock keys arrive as accelerators: pressed while the frame has the
// keyboard, each rewrites its own pane from the key's toggle.
TEST_F(Frame, LockKeysRewriteOnlyTheirOwnPane) {
    struct Lock {
        int key;
        int pane;
        const char* on;
    };
    const Lock locks[] = {{VK_CAPITAL, 3, "CAPS"}, {VK_NUMLOCK, 4, "NUM"}, {VK_SCROLL, 5, "SCRL"}};
    for (const Lock& lock : locks) {
        SCOPED_TRACE(lock.on);
        BYTE keys[256];
        GetKeyboardState(keys);
        keys[VK_CAPITAL] = keys[VK_NUMLOCK] = keys[VK_SCROLL] = 0;
        SetKeyboardState(keys);
        for (const Lock& l : locks) {
            pressKey(l.key);
        }
        for (const Lock& l : locks)
            EXPECT_EQ(statusPane(l.pane), " ");

        keys[VK_CAPITAL] = keys[VK_NUMLOCK] = keys[VK_SCROLL] = 1; // all toggled on
        SetKeyboardState(keys);
        EXPECT_EQ(statusPane(lock.pane), " ") << "not pressed yet";
        pressKey(lock.key);
        for (const Lock& l : locks)
            EXPECT_EQ(statusPane(l.pane), &l == &lock ? l.on : " ") << "pane " << l.pane;
    }
}

TEST_F(Frame, ToolbarButtonsHaveBalloonTips) {
    HWND tips = reinterpret_cast<HWND>(SendMessageA(child(IDC_TOOLBAR), TB_GETTOOLTIPS, 0, 0));
    ASSERT_NE(tips, nullptr);
    EXPECT_TRUE(GetWindowLongA(tips, GWL_STYLE) & TTS_BALLOON);
    EXPECT_EQ(SendMessageA(tips, TTM_GETTOOLCOUNT, 0, 0), 7);
    struct Tip {
        UINT command;
        const char* text;
    };
    const Tip expected[] = {{IDM_CONNECT, "Connect"}, {IDM_DISCONNECT, "Disconnect"},
                            {IDM_UPLOAD, "Upload"},   {IDM_DOWNLOAD, "Download"},
                            {IDM_OPEN, "Open"},       {IDM_SAVE, "Save"},
                            {IDM_NEW, "New"}};
    for (const Tip& tip : expected) {
        char text[80] = "";
        TTTOOLINFOA tool = {};
        tool.cbSize = sizeof tool;
        tool.hwnd = child(IDC_TOOLBAR);
        tool.uId = tip.command;
        tool.lpszText = text;
        SendMessageA(tips, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&tool));
        EXPECT_STREQ(text, tip.text) << "button " << tip.command;
    }
}

TEST_F(Frame, F1DoesNothing) {
    command(IDM_NEW);
    const std::string before = caption();
    command(IDM_HELP);
    EXPECT_EQ(caption(), before);
    EXPECT_TRUE(shown.empty());
}

TEST_F(Frame, AboutShowsTheProductAndClosesWithOk) {
    std::string title, model, product, version, note;
    ASSERT_TRUE(withDialog([&] { command(IDM_ABOUT); },
                           [&](HWND about) {
                               char text[128];
                               GetWindowTextA(about, text, sizeof text);
                               title = text;
                               GetDlgItemTextA(about, IDC_ABOUT_MODEL, text, sizeof text);
                               model = text;
                               GetDlgItemTextA(about, IDC_ABOUT_PRODUCT, text, sizeof text);
                               product = text;
                               GetDlgItemTextA(about, IDC_ABOUT_VERSION, text, sizeof text);
                               version = text;
                               GetDlgItemTextA(about, IDC_ABOUT_NOTE, text, sizeof text);
                               note = text;
                               SendMessageA(GetDlgItem(about, IDOK), BM_CLICK, 0, 0);
                           }));
    EXPECT_EQ(title, "About");
    EXPECT_EQ(model, "Model 80KV-2ux");
    EXPECT_EQ(product, "Zotwell Utility");
    EXPECT_EQ(version, "1.00");
    EXPECT_EQ(note, "");
    EXPECT_FALSE(closed());
}

// --- the splitter between the tree and the right-hand pane

struct Drag {
    const char* name;
    int toX;          // where the pointer lets go
    bool toFromRight; // toX counts from the client's right edge
    int expect;       // where the splitter ends up
    bool expectFromRight;
};

class Splitter : public FrameTest, public ::testing::WithParamInterface<Drag> {
  protected:
    // Mouse messages as the frame receives them over its own area (the gap
    // between the panes); the frame has captured the mouse, so x may lie
    // outside the window.
    void drag(int fromX, int toX) {
        const LPARAM y = 200 << 16;
        SendMessageA(frame, WM_LBUTTONDOWN, MK_LBUTTON, fromX | y);
        SendMessageA(frame, WM_MOUSEMOVE, MK_LBUTTON, (toX & 0xFFFF) | y);
        SendMessageA(frame, WM_LBUTTONUP, 0, (toX & 0xFFFF) | y);
        pump();
    }
    int splitter() { return placeOf(IDD_STATUS_PANEL).left; }
};

TEST_P(Splitter, StopsFiftyPixelsFromEitherEdge) {
    command(IDM_NEW);
    const Drag& d = GetParam();
    const int width = clientWidth();
    const int start = splitter();
    ASSERT_EQ(start, width / 3);
    drag(start - 1, d.toFromRight ? width - d.toX : d.toX);
    const int expected = d.expectFromRight ? width - d.expect : d.expect;
    EXPECT_EQ(splitter(), expected);
    EXPECT_EQ(placeOf(IDC_TREE).right, expected - 2);
    EXPECT_EQ(placeOf(IDD_STATUS_PANEL).right, width);
}

INSTANTIATE_TEST_SUITE_P(Drags, Splitter,
                         ::testing::Values(Drag{"Inside", 230, false, 230, false},
                                           Drag{"NearTheLeftEdge", 5, false, 50, false},
                                           Drag{"LeftOfTheWindow", -30, false, 50, false},
                                           Drag{"NearTheRightEdge", 5, true, 50, true},
                                           Drag{"RightOfTheWindow", -40, true, 50, true}),
                         [](const ::testing::TestParamInfo<Drag>& drag) {
                             return drag.param.name;
                         });

TEST_F(Splitter, DoesNotMoveWithoutADocument) {
    const RECT tree = placeOf(IDC_TREE);
    drag(tree.right + 1, 100);
    EXPECT_EQ(placeOf(IDC_TREE).right, tree.right);
    // The panel still covers the whole width.
    EXPECT_EQ(placeOf(IDD_STATUS_PANEL).left, 0);
}

// --- one running copy

struct Started {
    PROCESS_INFORMATION process = {};
    bool ok = false;
    ~Started() {
        if (!ok) return;
        if (WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT)
            TerminateProcess(process.hProcess, 1);
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
    }
};

void startZotwell(Started& started) {
    std::string command = "\"" + exeFolder() + "zotwell.exe\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    started.ok = CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr,
                                exeFolder().c_str(), &startup, &started.process) != 0;
}

struct FrameSearch {
    DWORD process;
    HWND frame;
    int count; // frames of any zotwell
};

BOOL CALLBACK countFrames(HWND window, LPARAM data) {
    FrameSearch& search = *reinterpret_cast<FrameSearch*>(data);
    char name[16] = "";
    GetClassNameA(window, name, sizeof name);
    if (std::string(name) != "ZOD") return TRUE;
    ++search.count;
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search.process) search.frame = window;
    return TRUE;
}

FrameSearch frames(DWORD process) {
    FrameSearch search = {process, nullptr, 0};
    EnumWindows(countFrames, reinterpret_cast<LPARAM>(&search));
    return search;
}

HWND waitForFrame(const Started& started) {
    for (int i = 0; i < 300; ++i) {
        if (HWND frame = frames(started.process.dwProcessId).frame) return frame;
        if (WaitForSingleObject(started.process.hProcess, 100) != WAIT_TIMEOUT) return nullptr;
    }
    return nullptr;
}

DWORD waitForExit(const Started& started) {
    DWORD code = 259;
    if (WaitForSingleObject(started.process.hProcess, 30000) == WAIT_OBJECT_0)
        GetExitCodeProcess(started.process.hProcess, &code);
    return code;
}

TEST(SingleInstance, ASecondCopyEndsAtOnceAndTheFirstRunsOn) {
    Started first;
    startZotwell(first);
    ASSERT_TRUE(first.ok);
    HWND frame = waitForFrame(first);
    ASSERT_NE(frame, nullptr) << "the first copy shows its frame";

    Started second;
    startZotwell(second);
    ASSERT_TRUE(second.ok);
    EXPECT_EQ(waitForExit(second), 0u);
    EXPECT_EQ(frames(first.process.dwProcessId).count, 1) << "no second frame";
    EXPECT_TRUE(IsWindow(frame));

    PostMessageA(frame, WM_CLOSE, 0, 0);
    EXPECT_EQ(waitForExit(first), 0u);

    // Once the first copy has ended, the program starts again.
    Started third;
    startZotwell(third);
    ASSERT_TRUE(third.ok);
    HWND again = waitForFrame(third);
    ASSERT_NE(again, nullptr);
    PostMessageA(again, WM_CLOSE, 0, 0);
    EXPECT_EQ(waitForExit(third), 0u);
}

} // namespace
