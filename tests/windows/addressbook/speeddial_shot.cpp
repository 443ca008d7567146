// Opens the registration dialog on one key of the simulated copier's address
// book and leaves it open, for scripts/screenshot-speeddial:
//   speeddial_shot.exe KEY RECTFILE
// KEY is the key number (1..50). The main window downloads the address book
// from the in-process simulated copier exactly as Machine > Download does,
// shows the speed-dial list and opens the key with Edit > Property. Once the
// dialog is up and painted, its place on the screen ("x y width height") is
// written to RECTFILE, so that the script can cut it out of the desktop.
#include <windows.h>

#include "resource.h"
#include "shellstate.h"
#include "simulator.h"
#include "startup.h"
#include "windowplace.h"
#include "views.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

std::string rectFile;
HWND dialogSeen;

void CALLBACK reportPlace(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    writeWindowPlace(dialogSeen, rectFile);
}

LRESULT CALLBACK watchActivation(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE && !dialogSeen) {
        char name[16] = "";
        GetClassNameA(reinterpret_cast<HWND>(wParam), name, sizeof name);
        if (std::string(name) == "#32770") {
            dialogSeen = reinterpret_cast<HWND>(wParam);
            SetTimer(nullptr, 0, 500, reportPlace);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void send(UINT command) {
    SendMessageA(shell.mainWindow, WM_COMMAND, MAKEWPARAM(command, 0), 0);
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    char* rest = nullptr;
    const long key = std::strtol(commandLine, &rest, 10);
    while (rest && *rest == ' ')
        ++rest;
    if (key < 1 || key > dialBlockCount || !rest || !*rest) return 2;
    rectFile = rest;

    SimulatedCopier machine;
    if (!machine.ready() || !StartZotwell(instance, nullptr, SW_SHOWNORMAL, &machine)) return 1;
    send(IDM_CONNECT);
    send(IDM_DOWNLOAD);
    send(IDM_SHOW_SPEED_DIAL);
    selectListRow(shell.registerList, static_cast<int>(key) - 1);
    HHOOK hook = SetWindowsHookExA(WH_CBT, watchActivation, nullptr, GetCurrentThreadId());
    send(IDM_PROPERTY); // returns when the dialog is closed
    UnhookWindowsHookEx(hook);
    if (IsWindow(shell.mainWindow)) DestroyWindow(shell.mainWindow);
    FinishZotwell();
    return dialogSeen ? 0 : 1;
}
