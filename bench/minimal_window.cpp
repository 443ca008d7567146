// The baseline of the start-up benchmark: the least a Win32 program with a
// window does before its message loop first runs dry. Like zotwell.exe, it
// closes its window then when ZOTWELL_EXIT_WHEN_IDLE is set.
#include <windows.h>

namespace {

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)); // IDC_ARROW
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = "MinimalWindow";
    if (!RegisterClassA(&windowClass)) return 1;
    HWND window =
        CreateWindowExA(0, windowClass.lpszClassName, "Minimal", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                        CW_USEDEFAULT, 600, 400, nullptr, nullptr, instance, nullptr);
    if (!window) return 1;
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    char value[8];
    bool closeWhenIdle = GetEnvironmentVariableA("ZOTWELL_EXIT_WHEN_IDLE", value, sizeof value) > 0;
    MSG message = {};
    for (;;) {
        if (closeWhenIdle && !PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE)) {
            closeWhenIdle = false;
            PostMessageA(window, WM_CLOSE, 0, 0);
        }
        if (GetMessageA(&message, nullptr, 0, 0) <= 0) break;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}
