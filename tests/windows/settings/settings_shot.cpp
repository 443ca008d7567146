// Opens one machine-settings window on the simulated copier's settings and
// leaves it open, for scripts/screenshot-settings:
//   settings_shot.exe WHAT RECTFILE
// WHAT is "utility N" or "admin N" (the sheet with its N-th tab, from 0),
// "dialog N BUTTON" (the sub-dialog that the button BUTTON of the Utility
// sheet's N-th page opens),
// "prompt" (the administrator-number prompt), "status" (Machine Status) or
// "counter". The main window downloads from the in-process simulated copier
// exactly as Machine > Download does and runs the menu command; the
// administrator prompt is answered with the sample machine's number. Once the
// window is up and painted, its place on the screen ("x y width height") is
// written to RECTFILE, so that the script can cut it out of the desktop.
#include <windows.h>
#include <commctrl.h>

#include "resource.h"
#include "shellstate.h"
#include "simulator.h"
#include "startup.h"
#include "windowplace.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

std::string rectFile;
int tab = -1;           // the sheet's tab to show; -1 for a dialog
bool answerPrompt;      // the prompt stands before the window to show
int subDialogButton;    // the page's button that opens the window to show; 0 for none
HWND shown;

void CALLBACK reportPlace(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    writeWindowPlace(shown, rectFile);
}

void CALLBACK showWindow(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    if (!IsWindow(shown)) return;
    if (answerPrompt && GetDlgItem(shown, IDC_ADMIN_NUMBER_EDIT)) {
        const HWND prompt = shown;
        shown = nullptr; // the sheet comes next, opened from inside the click
        SetDlgItemTextA(prompt, IDC_ADMIN_NUMBER_EDIT, "002468");
        SendDlgItemMessageA(prompt, IDC_ADMIN_OK_BUTTON, BM_CLICK, 0, 0);
        return;
    }
    if (tab > 0) PropSheet_SetCurSel(shown, nullptr, tab);
    if (subDialogButton) {
        // The sub-dialog opens from inside the click, in the sheet's own loop.
        const HWND page = PropSheet_GetCurrentPageHwnd(shown);
        shown = nullptr;
        tab = -1;
        PostMessageA(GetDlgItem(page, subDialogButton), BM_CLICK, 0, 0);
        subDialogButton = 0;
        return;
    }
    SetTimer(nullptr, 0, 500, reportPlace);
}

LRESULT CALLBACK watchActivation(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE && !shown) {
        char name[16] = "";
        GetClassNameA(reinterpret_cast<HWND>(wParam), name, sizeof name);
        if (std::string(name) == "#32770") {
            shown = reinterpret_cast<HWND>(wParam);
            SetTimer(nullptr, 0, 200, showWindow);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void send(UINT command) {
    SendMessageA(shell.mainWindow, WM_COMMAND, MAKEWPARAM(command, 0), 0);
}

UINT commandOf(const std::string& what) {
    if (what == "utility" || what == "dialog") return IDM_UTILITY_SETTING;
    if (what == "admin") return IDM_ADMIN_MANAGEMENT;
    if (what == "prompt") return IDM_ADMIN_MANAGEMENT;
    if (what == "status") return IDM_CONFIGURATION;
    if (what == "counter") return IDM_COUNTER;
    return 0;
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    char what[16] = "";
    int used = 0;
    if (std::sscanf(commandLine, "%15s %n", what, &used) != 1) return 2;
    const char* rest = commandLine + used;
    const UINT command = commandOf(what);
    if (!command) return 2;
    if (command == IDM_UTILITY_SETTING || std::strcmp(what, "admin") == 0) {
        char* end = nullptr;
        tab = static_cast<int>(std::strtol(rest, &end, 10));
        if (end == rest || tab < 0) return 2;
        rest = end;
        while (*rest == ' ')
            ++rest;
    }
    if (std::strcmp(what, "dialog") == 0) {
        char* end = nullptr;
        subDialogButton = static_cast<int>(std::strtol(rest, &end, 10));
        if (end == rest || subDialogButton <= 0) return 2;
        rest = end;
        while (*rest == ' ')
            ++rest;
    }
    if (!*rest) return 2;
    rectFile = rest;
    answerPrompt = std::strcmp(what, "admin") == 0;

    SimulatedCopier machine;
    if (!machine.ready() || !StartZotwell(instance, nullptr, SW_SHOWNORMAL, &machine)) return 1;
    send(IDM_CONNECT);
    send(IDM_DOWNLOAD);
    HHOOK hook = SetWindowsHookExA(WH_CBT, watchActivation, nullptr, GetCurrentThreadId());
    send(command); // returns when the window is closed
    UnhookWindowsHookEx(hook);
    if (IsWindow(shell.mainWindow)) DestroyWindow(shell.mainWindow);
    FinishZotwell();
    return 0;
}
