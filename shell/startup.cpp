#include "startup.h"

#include "codepage.h"
#include "mainwindow.h"
#include "messages.h"
#include "resource.h"
#include "resourcemodule.h"
#include "shellstate.h"
#include "singleinstance.h"
#include "statusbar.h"

#include <objbase.h>

#include <cstring>
#include <memory>
#include <string>

namespace {

std::unique_ptr<CodePage> ansiCodePage;
bool comStarted;

void startLink(Transport* machine) {
    initLink(shell.link, machine);
    fillProductIdList(shell.link.productIdList, productIdString);
    shell.link.showMessage = showLinkMessage;
    shell.link.setStatusText = showLinkStatusText;
}

// The UI language decides the name rules and whether the lists show a second
// name column.
void startTextRules() {
    if (!ansiCodePage) ansiCodePage = openAnsiCodePage();
    shell.rules.language = loadText(IDS_LANGUAGE);
    shell.rules.codePage = ansiCodePage.get();
    shell.singleNameColumn = usesSingleName(shell.rules);
}

void startCommonControls() {
    INITCOMMONCONTROLSEX controls = {};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_LISTVIEW_CLASSES | ICC_TREEVIEW_CLASSES | ICC_BAR_CLASSES |
                     ICC_TAB_CLASSES | ICC_PROGRESS_CLASS | ICC_INTERNET_CLASSES;
    InitCommonControlsEx(&controls);
}

bool exitWhenIdle() {
    char value[8];
    return GetEnvironmentVariableA("ZOTWELL_EXIT_WHEN_IDLE", value, sizeof value) > 0;
}

} // namespace

bool StartZotwell(HINSTANCE exe, HINSTANCE previous, int showCommand, Transport* machine) {
    resetShell();
    startLink(machine);
    chooseResourceModule(exe);
    loadText(IDS_NEWFILE, shell.titleFileName, titleCapacity);
    copyText(shell.currentFilePath, MAX_PATH, shell.titleFileName);
    startTextRules();
    if (!previous && !RegisterMainClass(exe)) {
        releaseResourceModule();
        return false;
    }
    comStarted = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    startCommonControls();
    // The menu goes in with the frame, so that the frame is laid out and
    // painted once, with its menu, when it first shows.
    shell.mainMenu = loadResourceMenu(IDR_MAIN_MENU);
    if (!CreateMainWindow(exe, showCommand)) {
        FinishZotwell();
        return false;
    }
    shell.accelerators = LoadAcceleratorsA(exe, MAKEINTRESOURCEA(IDA_MAIN));
    return true;
}

void TranslateFrameMessage(MSG& message) {
    if (shell.mainWindow && shell.accelerators &&
        TranslateAcceleratorA(shell.mainWindow, shell.accelerators, &message))
        return;
    TranslateMessage(&message);
    DispatchMessageA(&message);
}

int RunMessageLoop() {
    bool closeWhenIdle = exitWhenIdle();
    MSG message = {};
    for (;;) {
        if (closeWhenIdle && !PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE)) {
            closeWhenIdle = false;
            if (shell.mainWindow) PostMessageA(shell.mainWindow, WM_CLOSE, 0, 0);
        }
        const BOOL got = GetMessageA(&message, nullptr, 0, 0);
        if (got == 0 || got == -1) break;
        TranslateFrameMessage(message);
    }
    return static_cast<int>(message.wParam);
}

void FinishZotwell() {
    if (comStarted) CoUninitialize();
    comStarted = false;
    // Destroying the frame destroyed the menu it carried.
    if (shell.mainMenu && IsMenu(shell.mainMenu)) DestroyMenu(shell.mainMenu);
    shell.mainMenu = nullptr;
    shell.accelerators = nullptr;
    releaseResourceModule();
}

int RunZotwell(HINSTANCE exe, HINSTANCE previous, int showCommand) {
    if (!claimSingleInstance()) return 0;
    std::string problem;
    Transport* machine = defaultTransport(problem); // null: every transaction fails, and says so
    if (!StartZotwell(exe, previous, showCommand, machine)) {
        releaseSingleInstance();
        return 0;
    }
    const int code = RunMessageLoop();
    FinishZotwell();
    releaseSingleInstance();
    return code;
}
