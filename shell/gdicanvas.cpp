#include "gdicanvas.h"

namespace {

COLORREF colourOf(uint32_t rgb) {
    return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

int fontIndex(PrintFont font) {
    return static_cast<int>(font);
}

} // namespace

GdiCanvas::GdiCanvas(HDC dc, int dpiX, const std::string& face, bool printer)
    : dc_(dc), printer_(printer), fonts_(), current_(nullptr), originalFont_(nullptr) {
    for (PrintFont font : {PrintFont::Title, PrintFont::Header, PrintFont::Table}) {
        const PrintFontSpec spec = printFontSpec(font);
        fonts_[fontIndex(font)] =
            CreateFontA(spec.points * dpiX / 72, 0, 0, 0, spec.weight, FALSE, FALSE, FALSE,
                        DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                        DEFAULT_PITCH | FF_DONTCARE, face.c_str());
    }
    originalFont_ = GetCurrentObject(dc_, OBJ_FONT);
}

GdiCanvas::~GdiCanvas() {
    SelectObject(dc_, originalFont_);
    for (HFONT font : fonts_)
        if (font) DeleteObject(font);
}

void GdiCanvas::startPage() {
    if (printer_) StartPage(dc_);
    SaveDC(dc_);
    // One unit is one device pixel.
    SetMapMode(dc_, MM_TEXT);
    SetBkMode(dc_, TRANSPARENT);
    SetTextColor(dc_, RGB(0, 0, 0));
    SelectObject(dc_, GetStockObject(BLACK_PEN));
    if (current_) SelectObject(dc_, current_);
}

void GdiCanvas::endPage() {
    // Font, background mode, text colour and mapping as they were.
    RestoreDC(dc_, -1);
    if (printer_) EndPage(dc_);
}

void GdiCanvas::useFont(PrintFont font) {
    current_ = fonts_[fontIndex(font)];
    if (current_) SelectObject(dc_, current_);
}

int GdiCanvas::fontHeight() {
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc_, &metrics);
    return metrics.tmHeight;
}

int GdiCanvas::internalLeading() {
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc_, &metrics);
    return metrics.tmInternalLeading;
}

TextSize GdiCanvas::measure(const std::string& text) {
    SIZE size = {};
    GetTextExtentPoint32A(dc_, text.c_str(), static_cast<int>(text.size()), &size);
    return {size.cx, size.cy};
}

void GdiCanvas::text(int x, int y, const std::string& text) {
    if (!text.empty()) TextOutA(dc_, x, y, text.c_str(), static_cast<int>(text.size()));
}

void GdiCanvas::line(int x0, int y0, int x1, int y1) {
    MoveToEx(dc_, x0, y0, nullptr);
    LineTo(dc_, x1, y1);
}

void GdiCanvas::fill(const PrintRect& area, uint32_t rgb) {
    HBRUSH brush = CreateSolidBrush(colourOf(rgb));
    const RECT r = {area.left, area.top, area.right, area.bottom};
    FillRect(dc_, &r, brush);
    DeleteObject(brush);
}

void GdiCanvas::box(const PrintRect& area, uint32_t rgb) {
    HBRUSH brush = CreateSolidBrush(colourOf(rgb));
    HGDIOBJ oldBrush = SelectObject(dc_, brush);
    HGDIOBJ oldPen = SelectObject(dc_, GetStockObject(BLACK_PEN));
    Rectangle(dc_, area.left, area.top, area.right, area.bottom);
    SelectObject(dc_, oldPen);
    SelectObject(dc_, oldBrush);
    DeleteObject(brush);
}
