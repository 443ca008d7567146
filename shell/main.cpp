// Start-up of zotwell: the frame window with its caption.
#include <windows.h>

#include "resource.h"

namespace {

HINSTANCE resourceModule;
char titleFileName[128];

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    resourceModule = instance;
    char title[128];
    LoadStringA(resourceModule, IDS_APP_TITLE, title, sizeof title);
    LoadStringA(resourceModule, IDS_NEWFILE, titleFileName, sizeof titleFileName);
    char caption[128];
    wsprintfA(caption, "%s - %s", title, titleFileName);

    WNDCLASSA wc = {};
    wc.lpfnWndProc = MainWindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = "ZotwellFrame";
    if (!RegisterClassA(&wc)) return 1;
    HWND frame = CreateWindowA(wc.lpszClassName, caption, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                               CW_USEDEFAULT, 600, 400, nullptr, nullptr, instance, nullptr);
    if (!frame) return 1;
    ShowWindow(frame, showCommand);
    UpdateWindow(frame);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}
