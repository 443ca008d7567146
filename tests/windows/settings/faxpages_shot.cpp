// Opens a fax page of the Utility Setting sheet, or the Forward Location
// dialog over the FAX RX page, and leaves it open, for
// scripts/screenshot-faxpages:
//   faxpages_shot.exe WHAT RECTFILE
// WHAT is fax-tx, fax-rx, report, forward-fax or forward-email. The main
// window downloads from the in-process simulated copier exactly as Machine >
// Download does, the fax settings get sample values, and the sheet opens
// through the Utility Setting command. Once the window to show is up and
// painted, its place on the screen ("x y width height") is written to
// RECTFILE, so that the script can cut it out of the desktop.
#include <windows.h>
#include <commctrl.h>

#include "forwardrules.h"
#include "resource.h"
#include "shellstate.h"
#include "simulator.h"
#include "startup.h"
#include "windowplace.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

std::string what;
std::string rectFile;
HWND sheet;
HWND shown;

bool forward() {
    return what.rfind("forward", 0) == 0;
}

const char* tabOf() {
    if (what == "fax-tx") return "FAX TX Operation";
    if (what == "report") return "Report Setting";
    return "FAX RX Operation";
}

void CALLBACK reportPlace(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    writeWindowPlace(shown, rectFile);
}

int tabIndex(const char* title) {
    HWND tabs = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETTABCONTROL, 0, 0));
    for (int i = 0; i < TabCtrl_GetItemCount(tabs); ++i) {
        char text[128] = "";
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        SendMessageA(tabs, TCM_GETITEMA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
        if (std::strcmp(text, title) == 0) return i;
    }
    return 0;
}

// Inside the sheet's modal loop: the tab, and for the dialog a click on ON(3),
// whose modal loop this call then runs until the script ends the program.
void CALLBACK showTab(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    PropSheet_SetCurSel(sheet, nullptr, tabIndex(tabOf()));
    if (!forward()) {
        shown = sheet;
        SetTimer(nullptr, 0, 500, reportPlace);
        return;
    }
    HWND page = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
    SendDlgItemMessageA(page, IDC_FRX_FORWARD_ON_RADIO, BM_CLICK, 0, 0);
}

LRESULT CALLBACK watchActivation(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE) {
        HWND window = reinterpret_cast<HWND>(wParam);
        char name[16] = "";
        GetClassNameA(window, name, sizeof name);
        if (std::string(name) == "#32770" && window != sheet && window != shown) {
            if (!sheet) {
                sheet = window;
                SetTimer(nullptr, 0, 300, showTab);
            } else if (forward() && !shown) {
                shown = window;
                SetTimer(nullptr, 0, 500, reportPlace);
            }
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void send(UINT command) {
    SendMessageA(shell.mainWindow, WM_COMMAND, MAKEWPARAM(command, 0), 0);
}

// Settings that show every part of the pages.
void sampleFaxSettings() {
    UtilitySettings& u = shell.document->settings.utility;
    u.faxDensity = 16;
    u.faxQuality = 1;
    u.faxHeader = 2;
    u.memoryRx = 128;
    u.memoryRxTimeFlags = 192;
    u.memoryRxOnTime = static_cast<uint16_t>((22 * 64 + 0) * 32);
    u.memoryRxOffTime = static_cast<uint16_t>((7 * 64 + 30) * 32);
    u.ringCount = 3;
    u.rxPrintMode = 8;
    u.rxFooter = 16;
    u.activityReport = 128;
    u.txResultReport = 32;
    ForwardLocation& f = u.forwardLocation;
    if (what == "forward-email") {
        setForwardKind(f, forwardEmail);
        setForwardAddress(f, "fax-archive@example.com");
        chooseAdvancedDefaults(f);
    } else {
        setForwardKind(f, forwardFax);
        setForwardDial(f, DialPart::Number, "0612345678");
        setForwardDial(f, DialPart::Sub, "1200");
    }
    u.forwardMode = 0;
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    const std::string line = commandLine;
    const size_t space = line.find(' ');
    if (space == std::string::npos) return 2;
    what = line.substr(0, space);
    rectFile = line.substr(space + 1);
    if (what != "fax-tx" && what != "fax-rx" && what != "report" && !forward()) return 2;

    SimulatedCopier machine;
    if (!machine.ready() || !StartZotwell(instance, nullptr, SW_SHOWNORMAL, &machine)) return 1;
    send(IDM_CONNECT);
    send(IDM_DOWNLOAD);
    sampleFaxSettings();
    HHOOK hook = SetWindowsHookExA(WH_CBT, watchActivation, nullptr, GetCurrentThreadId());
    send(IDM_UTILITY_SETTING); // returns when the sheet is closed
    UnhookWindowsHookEx(hook);
    if (IsWindow(shell.mainWindow)) DestroyWindow(shell.mainWindow);
    FinishZotwell();
    return shown ? 0 : 1;
}
