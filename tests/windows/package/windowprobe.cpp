// Starts a program, as the Start menu does, and reports what its main window
// shows once it is up, for the installer test:
//   windowprobe.exe PROGRAM.exe
// Prints the frame's caption and the number of columns of its register list,
// one per line, then closes the program. Exits 1 when no frame of the program appears within 30 seconds.
#include <windows.h>
#include <commctrl.h>

#include "resource.h"

#include <cstdio>
#include <string>

namespace {

struct Search {
    DWORD process;
    HWND frame;
};

BOOL CALLBACK findFrame(HWND window, LPARAM lParam) {
    Search& search = *reinterpret_cast<Search*>(lParam);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != search.process || !IsWindowVisible(window) || !GetMenu(window)) return TRUE;
    search.frame = window;
    return FALSE;
}

int listColumns(HWND frame) {
    HWND list = GetDlgItem(frame, IDC_REGISTER_LIST);
    HWND header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
    return header ? static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0)) : -1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: windowprobe PROGRAM.exe\n");
        return 2;
    }
    std::string commandLine = std::string("\"") + argv[1] + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started = {};
    if (!CreateProcessA(argv[1], &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &started)) {
        std::fprintf(stderr, "windowprobe: %s does not start (%lu)\n", argv[1], GetLastError());
        return 1;
    }
    WaitForInputIdle(started.hProcess, 30000);
    Search search = {started.dwProcessId, nullptr};
    for (int tries = 0; tries < 300 && !search.frame; ++tries) {
        EnumWindows(findFrame, reinterpret_cast<LPARAM>(&search));
        if (!search.frame) Sleep(100);
    }
    int status = 1;
    if (search.frame) {
        char caption[256] = "";
        GetWindowTextA(search.frame, caption, sizeof caption);
        std::printf("%s\n%d\n", caption, listColumns(search.frame));
        PostMessageA(search.frame, WM_CLOSE, 0, 0);
        status = 0;
    } else {
        std::fprintf(stderr, "windowprobe: no window of %s appeared\n", argv[1]);
    }
    if (WaitForSingleObject(started.hProcess, 10000) != WAIT_OBJECT_0)
        TerminateProcess(started.hProcess, 1);
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    return status;
}
