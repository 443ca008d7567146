#pragma once
// The printed list's drawing on a GDI device context: the printer's, or a
// memory context with a bitmap selected for a picture of a page.
#include <windows.h>

#include "printlayout.h"

#include <string>

class GdiCanvas : public PrintCanvas {
  public:
    // Fonts of `face` sized for `dpiX` dots per inch across. With `printer`
    // the pages are the device's own; otherwise they only save and restore
    // the context.
    GdiCanvas(HDC dc, int dpiX, const std::string& face, bool printer);
    ~GdiCanvas() override;
    GdiCanvas(const GdiCanvas&) = delete;
    GdiCanvas& operator=(const GdiCanvas&) = delete;

    void startPage() override;
    void endPage() override;
    void useFont(PrintFont font) override;
    int fontHeight() override;
    int internalLeading() override;
    TextSize measure(const std::string& text) override;
    void text(int x, int y, const std::string& text) override;
    void line(int x0, int y0, int x1, int y1) override;
    void fill(const PrintRect& area, uint32_t rgb) override;
    void box(const PrintRect& area, uint32_t rgb) override;

  private:
    HDC dc_;
    bool printer_;
    HFONT fonts_[3];
    HFONT current_;
    HGDIOBJ originalFont_;
};
