#pragma once
// The printed speed-dial list: a boxed title, a page count and the date at
// the top right, and a ruled table with alternately shaded rows. Everything is
// measured and placed here, over a small drawing interface; the printer's
// device context is one implementation of it (shell/gdicanvas.cpp), a
// recording one tests the arithmetic.
#include "machineimage.h"

#include <cstdint>
#include <string>
#include <vector>

class CodePage;
struct TextRules;

constexpr int dialListKeys = 50;
constexpr int maxRowsPerPage = 51; // 50 entries and the header row

enum class PrintFont { Title, Header, Table };
// Sizes in points and weights of the three fonts.
struct PrintFontSpec {
    int points;
    int weight;
};
PrintFontSpec printFontSpec(PrintFont font);

// Colours as RGB values.
constexpr uint32_t pageWhite = 0xFFFFFF;
constexpr uint32_t titleGrey = 0xC0C0C0;
constexpr uint32_t rowShade = 0xE0E0E0;

struct PrintRect {
    int left, top, right, bottom; // right and bottom are outside, as in GDI
};

struct TextSize {
    int width, height;
};

class PrintCanvas {
  public:
    virtual ~PrintCanvas() = default;
    virtual void startPage() = 0;
    virtual void endPage() = 0;
    virtual void useFont(PrintFont font) = 0;
    // The current font's cell height and internal leading.
    virtual int fontHeight() = 0;
    virtual int internalLeading() = 0;
    virtual TextSize measure(const std::string& text) = 0;
    // Black text, transparent background, (x, y) its top left.
    virtual void text(int x, int y, const std::string& text) = 0;
    // A black line from (x0, y0) to just before (x1, y1).
    virtual void line(int x0, int y0, int x1, int y1) = 0;
    virtual void fill(const PrintRect& area, uint32_t rgb) = 0;
    // Filled, with a black outline.
    virtual void box(const PrintRect& area, uint32_t rgb) = 0;
};

// The printable area in device units and its resolution.
struct PageGeometry {
    int dpiX, dpiY;
    int width, height;
};

struct DialListTexts {
    std::string title;      // "Speed Dial"
    std::string pageHeader; // "Total %d page(s), page %d"
    std::string date;       // month/day/year
    std::string keyTitle, nameTitle, name2Title, addressTitle;
};

// One key as the list prints it.
struct DialListRow {
    std::string name, name2, address;
};

struct DialListLayout {
    int left, top, tableWidth;                            // L, T, TW
    int lineHeight;                                       // LH
    int titleWidth, titleHeight, titleBox;                // the title's extent, its box's height
    int rowsPerPage, entriesPerPage, pageCount;           // R, E, P
    int tableTop, tableHeight;                            // Y0, TH
    int numberWidth, nameWidth, name2Width, addressWidth; // C1, NW, N2W, AW
    int nameX, name2X, addressX;                          // where the name titles and cells start
    int dividerA, dividerB; // lines after the name columns (B: 0 when none)
};

// Measures with the canvas's fonts and places everything on a page.
DialListLayout layoutDialList(PrintCanvas& canvas, const PageGeometry& page,
                              const DialListTexts& texts, bool secondName);

// Prints every page, or with `onlyPage` (1-based) that page alone, as for a
// picture of it. The rows are the 50 keys in order.
void printDialList(PrintCanvas& canvas, const PageGeometry& page, const DialListTexts& texts,
                   const std::vector<DialListRow>& rows, bool secondName, const CodePage* codePage,
                   int onlyPage = 0);

// The 50 keys decoded (and normalised in place) for printing.
std::vector<DialListRow> dialListRows(const TextRules& rules, RegisterArrays& registers);

// The text cut to end in "..." until it is narrower than `limit` in the
// canvas's current font. It keeps an even number of the original bytes, one
// fewer when that would split a two-byte character of `codePage` (may be null).
std::string fitText(PrintCanvas& canvas, const std::string& text, int limit,
                    const CodePage* codePage);

// The page header: the first two "%d" become the page count and the page
// number, "%%" a percent sign; any other insert is written as it stands.
std::string formatPageHeader(const std::string& format, int pages, int page);
std::string formatPrintDate(int month, int day, int year);
