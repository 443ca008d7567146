#include "dpi.h"

#include <commctrl.h>

#include "resource.h"
#include "shellstate.h"
#include "uirules.h"

namespace {

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);

// Windows 10 1607 and later; null before.
GetDpiForWindowFunction dpiForWindowFunction() {
    static const GetDpiForWindowFunction function = [] {
        HMODULE user32 = GetModuleHandleA("user32.dll");
        FARPROC found = user32 ? GetProcAddress(user32, "GetDpiForWindow") : nullptr;
        return reinterpret_cast<GetDpiForWindowFunction>(reinterpret_cast<void*>(found));
    }();
    return function;
}

int screenDpi() {
    HDC screen = GetDC(nullptr);
    if (!screen) return baseDpi;
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : baseDpi;
}

const Artwork artworks[] = {
    {IDB_VIEW_IMAGES, VIEW_IMAGE_WIDTH, VIEW_IMAGE_HEIGHT, IDB_TOOLBAR, IDB_TOOLBAR_DISABLED,
     TOOLBAR_IMAGE_SIZE, ILC_COLOR8},
    {IDB_VIEW_IMAGES_150, VIEW_IMAGE_WIDTH_150, VIEW_IMAGE_HEIGHT_150, IDB_TOOLBAR_150,
     IDB_TOOLBAR_DISABLED_150, TOOLBAR_IMAGE_SIZE_150, ILC_COLOR24},
    {IDB_VIEW_IMAGES_200, VIEW_IMAGE_WIDTH_200, VIEW_IMAGE_HEIGHT_200, IDB_TOOLBAR_200,
     IDB_TOOLBAR_DISABLED_200, TOOLBAR_IMAGE_SIZE_200, ILC_COLOR24},
};

} // namespace

int windowDpi(HWND window) {
    GetDpiForWindowFunction dpiForWindow = dpiForWindowFunction();
    if (window && dpiForWindow) {
        const UINT dpi = dpiForWindow(window);
        if (dpi > 0) return static_cast<int>(dpi);
    }
    return screenDpi();
}

int scaled(int pixels) {
    return scaledPixels(pixels, shell.dpi);
}

const Artwork& artworkFor(int dpi) {
    switch (artworkPercentFor(dpi)) {
    case 200:
        return artworks[2];
    case 150:
        return artworks[1];
    }
    return artworks[0];
}
