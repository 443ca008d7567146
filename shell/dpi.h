#pragma once
// The frame's DPI and the images drawn for it. Every pixel size the frame
// fixes is given at 96 DPI and scaled here, so that at 150 % and 200 % the
// window is as roomy as at 100 % and its images as sharp.
#include <windows.h>

// The DPI of `window`: GetDpiForWindow where the system has it (looked up at
// run time, so that the program still starts where it does not), else the
// screen's LOGPIXELSX. Without a window, the screen's.
int windowDpi(HWND window);

// A size at 96 DPI for the frame's current DPI (shell.dpi).
int scaled(int pixels);

// One scale of the toolbar and view images: the bitmaps and their image sizes.
struct Artwork {
    UINT viewImages;
    int viewWidth, viewHeight;
    UINT toolbar, toolbarDisabled;
    int toolbarSize;
    // The image lists' colour depth: an 8-bit list maps the larger strips'
    // colours onto its own palette, far from the drawing, so they keep theirs.
    UINT toolbarColour;
};
// The images for a window at `dpi`.
const Artwork& artworkFor(int dpi);
