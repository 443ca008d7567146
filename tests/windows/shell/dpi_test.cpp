// The frame at the DPI of the prefix it runs in: 96 in the suite's own prefix,
// 144 and 192 in the high-DPI prefixes that run these tests again
// (ZOTWELL_TEST_DPI names the DPI each was made with). Every size the frame
// fixes grows by the factor, and the toolbar and views take the images drawn
// for the scale; a DPI change on the way rescales them all.
#include "harness.h"

#include "resource.h"

#include <algorithm>
#include <cstdlib>

namespace {

int screenDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi;
}

int at(int pixels, int dpi) {
    return MulDiv(pixels, dpi, 96);
}

struct ImageSizes {
    int dpi;
    int toolbar; // square
    int viewWidth, viewHeight;
};
const ImageSizes imageSizes[] = {{96, 55, 16, 18}, {144, 83, 24, 27}, {192, 110, 32, 36}};

const ImageSizes& imagesAt(int dpi) {
    for (const ImageSizes& s : imageSizes)
        if (s.dpi == dpi) return s;
    ADD_FAILURE() << "no images drawn for " << dpi << " DPI";
    return imageSizes[0];
}

SIZE imageSize(HIMAGELIST images) {
    int width = 0, height = 0;
    ImageList_GetIconSize(images, &width, &height);
    return SIZE{width, height};
}

// How many pixels of toolbar image `image` the image list shows in another
// colour than the strip it was loaded from, drawn on the strip's silver.
int changedPixels(HIMAGELIST images, UINT strip, int size, int image) {
    HDC screen = GetDC(nullptr);
    HDC shown = CreateCompatibleDC(screen);
    HDC drawing = CreateCompatibleDC(screen);
    HBITMAP canvas = CreateCompatibleBitmap(screen, size, size);
    ReleaseDC(nullptr, screen);
    HGDIOBJ oldCanvas = SelectObject(shown, canvas);
    HBRUSH silver = CreateSolidBrush(RGB(192, 192, 192));
    RECT all = {0, 0, size, size};
    FillRect(shown, &all, silver);
    DeleteObject(silver);
    ImageList_Draw(images, image, shown, 0, 0, ILD_NORMAL);
    HBITMAP source =
        static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(strip),
                                        IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    HGDIOBJ oldSource = SelectObject(drawing, source);
    int changed = 0;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            changed += GetPixel(shown, x, y) != GetPixel(drawing, image * size + x, y);
    SelectObject(drawing, oldSource);
    SelectObject(shown, oldCanvas);
    DeleteObject(source);
    DeleteObject(canvas);
    DeleteDC(drawing);
    DeleteDC(shown);
    return changed;
}

int fontHeight(HWND control) {
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
    if (!font) font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    LOGFONTA described = {};
    GetObjectA(font, sizeof described, &described);
    return described.lfHeight;
}

const int speedDialColumns[] = {50, 100, 140}; // number, name, address at 96 DPI
const int paneFromRight[] = {450, 280, 180, 120, 60, 0};

class HighDpi : public FrameTest {
  protected:
    int width(const RECT& r) const { return r.right - r.left; }
    int height(const RECT& r) const { return r.bottom - r.top; }

    int columnWidth(int column) const {
        return static_cast<int>(SendMessageA(child(IDC_REGISTER_LIST), LVM_GETCOLUMNWIDTH,
                                             static_cast<WPARAM>(column), 0));
    }

    void expectPanesAt(int dpi) {
        const int client = clientWidth();
        int edges[6] = {};
        ASSERT_EQ(
            SendMessageA(child(IDC_STATUS_BAR), SB_GETPARTS, 6, reinterpret_cast<LPARAM>(edges)),
            6);
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(edges[i], client - at(paneFromRight[i], dpi)) << "pane " << i;
    }

    void expectImagesAt(int dpi) {
        const ImageSizes& sizes = imagesAt(dpi);
        HWND toolbar = child(IDC_TOOLBAR);
        const SIZE tool =
            imageSize(reinterpret_cast<HIMAGELIST>(SendMessageA(toolbar, TB_GETIMAGELIST, 0, 0)));
        EXPECT_EQ(tool.cx, sizes.toolbar);
        EXPECT_EQ(tool.cy, sizes.toolbar);
        const SIZE greyed = imageSize(
            reinterpret_cast<HIMAGELIST>(SendMessageA(toolbar, TB_GETDISABLEDIMAGELIST, 0, 0)));
        EXPECT_EQ(greyed.cx, sizes.toolbar);
        // The buttons hold the images whole.
        const LRESULT button = SendMessageA(toolbar, TB_GETBUTTONSIZE, 0, 0);
        EXPECT_GE(LOWORD(button), sizes.toolbar);
        EXPECT_GE(HIWORD(button), sizes.toolbar);
        const SIZE tree = imageSize(reinterpret_cast<HIMAGELIST>(
            SendMessageA(child(IDC_TREE), TVM_GETIMAGELIST, TVSIL_NORMAL, 0)));
        EXPECT_EQ(tree.cx, sizes.viewWidth);
        EXPECT_EQ(tree.cy, sizes.viewHeight);
        const SIZE rows = imageSize(reinterpret_cast<HIMAGELIST>(
            SendMessageA(child(IDC_REGISTER_LIST), LVM_GETIMAGELIST, LVSIL_SMALL, 0)));
        EXPECT_EQ(rows.cx, sizes.viewWidth);
        EXPECT_EQ(rows.cy, sizes.viewHeight);
        // The larger strips keep the colours they were drawn in (an 8-bit
        // list turned the blue diskette navy and the green arrow grey); the
        // 100 % list is 8-bit by design.
        if (dpi >= 144) {
            HIMAGELIST list =
                reinterpret_cast<HIMAGELIST>(SendMessageA(toolbar, TB_GETIMAGELIST, 0, 0));
            const UINT strip = dpi >= 192 ? IDB_TOOLBAR_200 : IDB_TOOLBAR_150;
            for (int image : {TOOLBAR_IMAGE_SAVE, TOOLBAR_IMAGE_DOWNLOAD})
                EXPECT_EQ(changedPixels(list, strip, sizes.toolbar, image), 0) << "image " << image;
        }
    }

    // The splitter pushed past the left edge stops at the margin.
    int splitterAfterDragTo(int x) {
        const LPARAM y = at(200, screenDpi()) << 16;
        const int from = placeOf(IDC_REGISTER_LIST).left - 1;
        SendMessageA(frame, WM_LBUTTONDOWN, MK_LBUTTON, from | y);
        SendMessageA(frame, WM_MOUSEMOVE, MK_LBUTTON, (x & 0xFFFF) | y);
        SendMessageA(frame, WM_LBUTTONUP, 0, (x & 0xFFFF) | y);
        pump();
        return placeOf(IDC_REGISTER_LIST).left;
    }
};

TEST_F(HighDpi, RunsAtTheDpiOfItsPrefix) {
    const char* made = std::getenv("ZOTWELL_TEST_DPI");
    EXPECT_EQ(screenDpi(), made ? std::atoi(made) : 96);
}

TEST_F(HighDpi, FrameColumnsPanesSplitterAndImagesScaleByTheFactor) {
    const int dpi = screenDpi();
    // As large as the scale asks, as far as the screen has room.
    RECT work, place;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    GetWindowRect(frame, &place);
    EXPECT_EQ(width(place), std::min(at(600, dpi), width(work)));
    EXPECT_EQ(height(place), std::min(at(400, dpi), height(work)));
    expectPanesAt(dpi);
    expectImagesAt(dpi);

    newDocument();
    showSpeedDial();
    ASSERT_EQ(columns(), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(columnWidth(i), at(speedDialColumns[i], dpi)) << "column " << i;
    EXPECT_EQ(splitterAfterDragTo(-30), at(50, dpi));
    EXPECT_EQ(placeOf(IDC_TREE).right, at(50, dpi) - at(2, dpi));
    // The status bar keeps its reserve at the bottom.
    RECT client;
    GetClientRect(frame, &client);
    EXPECT_EQ(placeOf(IDC_REGISTER_LIST).bottom, client.bottom - at(24, dpi));
}

// Moved to a monitor of another scale, the frame takes the rectangle it is
// offered and every size follows the new DPI; columns keep their share.
TEST_F(HighDpi, ADpiChangeRescalesEverythingAndTakesTheSuggestedRectangle) {
    const int dpi = screenDpi();
    newDocument();
    showSpeedDial();
    const int target = dpi == 192 ? 96 : 192;
    const int treeFont = fontHeight(child(IDC_TREE));
    RECT suggested = {10, 20, 710, 520};
    SendMessageA(frame, WM_DPICHANGED, MAKEWPARAM(target, target),
                 reinterpret_cast<LPARAM>(&suggested));
    pump();
    RECT place;
    GetWindowRect(frame, &place);
    EXPECT_EQ(place.left, suggested.left);
    EXPECT_EQ(place.top, suggested.top);
    EXPECT_EQ(width(place), width(suggested));
    EXPECT_EQ(height(place), height(suggested));
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(columnWidth(i), MulDiv(at(speedDialColumns[i], dpi), target, dpi))
            << "column " << i;
    expectPanesAt(target);
    expectImagesAt(target);
    EXPECT_NE(treeFont, 0);
    for (int view : {IDC_TREE, IDC_REGISTER_LIST, IDC_STATUS_BAR})
        EXPECT_EQ(fontHeight(child(view)), MulDiv(treeFont, target, dpi)) << "control " << view;
    EXPECT_EQ(splitterAfterDragTo(-30), at(50, target));
}

} // namespace
