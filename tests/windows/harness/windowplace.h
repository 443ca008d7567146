#pragma once
// For the screenshot programs: paints a window and writes where it stands on
// the screen ("x y width height") to `file`, for the screenshot script to cut
// it out of the desktop.
#include <windows.h>

#include <cstdio>
#include <string>

inline void writeWindowPlace(HWND window, const std::string& file) {
    if (!IsWindow(window)) return;
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    RECT r;
    GetWindowRect(window, &r);
    if (FILE* out = std::fopen(file.c_str(), "w")) {
        std::fprintf(out, "%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
        std::fclose(out);
    }
}
