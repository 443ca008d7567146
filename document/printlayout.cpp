#include "printlayout.h"

#include "codepage.h"
#include "destination.h"
#include "textrules.h"

#include <cstdio>

PrintFontSpec printFontSpec(PrintFont font) {
    switch (font) {
    case PrintFont::Title:
        return {20, 700};
    case PrintFont::Header:
        return {12, 700};
    default:
        return {8, 100};
    }
}

DialListLayout layoutDialList(PrintCanvas& canvas, const PageGeometry& page,
                              const DialListTexts& texts, bool secondName) {
    DialListLayout l = {};
    l.left = page.dpiX / 4;
    l.top = page.dpiY / 2;
    l.tableWidth = page.width - page.dpiX / 2;

    canvas.useFont(PrintFont::Header);
    l.lineHeight = canvas.fontHeight() + canvas.internalLeading();

    canvas.useFont(PrintFont::Title);
    const TextSize title = canvas.measure(texts.title);
    l.titleWidth = title.width;
    l.titleHeight = title.height;
    l.titleBox = canvas.fontHeight() + canvas.internalLeading();

    const int lh = l.lineHeight > 0 ? l.lineHeight : 1;
    int rows = (page.height - l.titleBox - 2 * lh - l.top) / lh;
    if (rows > maxRowsPerPage) rows = maxRowsPerPage;
    // A page too small for the header row and one entry still carries one
    // entry, so that every key is printed and the job ends.
    if (rows < 2) rows = 2;
    l.rowsPerPage = rows;
    l.entriesPerPage = rows - 1;
    l.pageCount = (rows + dialListKeys - 2) / (rows - 1);
    l.tableHeight = rows * lh;
    l.tableTop = l.titleBox + l.top + 2 * lh;

    canvas.useFont(PrintFont::Table);
    l.numberWidth = canvas.measure(texts.keyTitle).width + 15;
    const int rest = l.tableWidth - 2 * l.numberWidth;
    l.nameWidth = rest * (secondName ? 11 : 16) / 70;
    l.name2Width = secondName ? rest * 16 / 70 : 0;
    const int nameTitleWidth = canvas.measure(texts.nameTitle).width;
    if (l.nameWidth < nameTitleWidth) l.nameWidth = nameTitleWidth + 5;
    l.addressWidth = l.tableWidth - l.name2Width - l.nameWidth - 2 * l.numberWidth;
    l.nameX = l.left + l.numberWidth + 2;
    l.dividerA = l.left + l.numberWidth + l.nameWidth;
    l.name2X = l.dividerA;
    l.dividerB = secondName ? l.dividerA + l.name2Width : 0;
    l.addressX = l.left + l.numberWidth + l.nameWidth + l.name2Width + 2;
    return l;
}

namespace {

void drawTitle(PrintCanvas& canvas, const DialListLayout& l, const std::string& title) {
    canvas.useFont(PrintFont::Title);
    canvas.box({l.left, l.top, l.left + l.titleWidth + 55, l.top + l.titleBox}, titleGrey);
    canvas.text(l.left, l.top + (l.titleBox - l.titleHeight) / 2, title);
}

void drawRightAligned(PrintCanvas& canvas, const DialListLayout& l, int y,
                      const std::string& text) {
    const int right = l.left + l.tableWidth - 10;
    canvas.text(right - canvas.measure(text).width, y, text);
}

void drawPageHeader(PrintCanvas& canvas, const DialListLayout& l, const DialListTexts& texts,
                    int page) {
    canvas.useFont(PrintFont::Header);
    drawRightAligned(canvas, l, l.top, formatPageHeader(texts.pageHeader, l.pageCount, page));
    drawRightAligned(canvas, l, l.top + l.lineHeight, texts.date);
}

void drawRules(PrintCanvas& canvas, const DialListLayout& l) {
    const int y0 = l.tableTop, bottom = l.tableTop + l.tableHeight;
    const int x0 = l.left, x1 = l.left + l.tableWidth;
    canvas.line(x0, y0, x0, bottom);
    canvas.line(x1, y0, x1, bottom);
    for (int y = y0; y < bottom; y += l.lineHeight)
        canvas.line(x0, y, x1, y);
    canvas.line(x0, bottom, x1, bottom);
    for (int y = y0; y < bottom; y += 2 * l.lineHeight)
        canvas.fill({x0 + 1, y + 1, x1 - 1, y + l.lineHeight - 1}, rowShade);
}

void drawColumnTitles(PrintCanvas& canvas, const DialListLayout& l, const DialListTexts& texts,
                      bool secondName) {
    const int y0 = l.tableTop, bottom = l.tableTop + l.tableHeight;
    canvas.useFont(PrintFont::Table);
    canvas.text(l.left, y0, texts.keyTitle);
    canvas.line(l.left + l.numberWidth, y0, l.left + l.numberWidth, bottom);
    canvas.text(l.nameX, y0, texts.nameTitle);
    canvas.line(l.dividerA, y0, l.dividerA, bottom);
    if (secondName) {
        canvas.text(l.name2X, y0, texts.name2Title);
        canvas.line(l.dividerB, y0, l.dividerB, bottom);
    }
    canvas.text(l.addressX, y0, texts.addressTitle);
}

void drawRow(PrintCanvas& canvas, const DialListLayout& l, int row, int key,
             const DialListRow& entry, bool secondName, const CodePage* codePage) {
    const int y = l.tableTop + (row + 1) * l.lineHeight;
    char number[16];
    std::snprintf(number, sizeof number, "%02d", key + 1);
    canvas.text(l.left + 4, y, number);
    if (secondName) {
        // As in the main window's list: the second name under "Name".
        canvas.text(l.nameX, y, fitText(canvas, entry.name2, l.nameWidth - 8, codePage));
        canvas.text(l.name2X + 2, y, fitText(canvas, entry.name, l.name2Width - 8, codePage));
    } else {
        canvas.text(l.nameX, y, fitText(canvas, entry.name, l.nameWidth - 8, codePage));
    }
    canvas.text(l.addressX, y, fitText(canvas, entry.address, l.addressWidth - 6, codePage));
}

} // namespace

namespace {

void drawPage(PrintCanvas& canvas, const DialListLayout& l, const PageGeometry& page,
              const DialListTexts& texts, const std::vector<DialListRow>& rows, bool secondName,
              const CodePage* codePage, int pageNumber, int first, int n) {
    canvas.startPage();
    canvas.fill({0, 0, page.width, page.height}, pageWhite);
    drawTitle(canvas, l, texts.title);
    drawPageHeader(canvas, l, texts, pageNumber);
    drawRules(canvas, l);
    drawColumnTitles(canvas, l, texts, secondName);
    for (int r = 0; r < n; ++r)
        drawRow(canvas, l, r, first + r, rows[static_cast<size_t>(first + r)], secondName,
                codePage);
    canvas.endPage();
}

} // namespace

void printDialList(PrintCanvas& canvas, const PageGeometry& page, const DialListTexts& texts,
                   const std::vector<DialListRow>& rows, bool secondName, const CodePage* codePage,
                   int onlyPage) {
    const DialListLayout l = layoutDialList(canvas, page, texts, secondName);
    const int keys =
        static_cast<int>(rows.size()) < dialListKeys ? static_cast<int>(rows.size()) : dialListKeys;
    int first = 0;
    for (int pageNumber = 1; first < keys; ++pageNumber) {
        const int n = keys - first < l.entriesPerPage ? keys - first : l.entriesPerPage;
        if (onlyPage == 0 || pageNumber == onlyPage)
            drawPage(canvas, l, page, texts, rows, secondName, codePage, pageNumber, first, n);
        first += n;
    }
}

std::vector<DialListRow> dialListRows(const TextRules& rules, RegisterArrays& registers) {
    std::vector<DialListRow> rows(dialListKeys);
    DestinationEntry entry;
    for (int k = 0; k < dialListKeys; ++k) {
        decodeDestination(rules, registers, entry, k);
        rows[static_cast<size_t>(k)] = DialListRow{entry.name, entry.name2, entry.address};
    }
    return rows;
}

namespace {

// Whether cutting before `at` would separate the two bytes of a character.
bool splitsCharacter(const std::string& text, size_t at, const CodePage* codePage) {
    if (!codePage) return false;
    size_t i = 0;
    while (i < at)
        i += charLength(codePage, text, i);
    return i != at;
}

} // namespace

std::string fitText(PrintCanvas& canvas, const std::string& text, int limit,
                    const CodePage* codePage) {
    static const char ellipsis[] = "...";
    std::string fitted = text;
    // Each round keeps two bytes fewer of the original: the first keeps its
    // length rounded down to even, less four.
    long keep = static_cast<long>(text.size() & ~static_cast<size_t>(1)) - 4;
    while (canvas.measure(fitted).width >= limit) {
        if (keep < 0) {
            // Not even "..." fits: the cell stays empty rather than run into
            // the next column.
            fitted = ellipsis;
            if (canvas.measure(fitted).width >= limit) fitted.clear();
            return fitted;
        }
        size_t cut = static_cast<size_t>(keep);
        if (splitsCharacter(text, cut, codePage)) --cut;
        fitted = text.substr(0, cut) + ellipsis;
        keep -= 2;
    }
    return fitted;
}

std::string formatPageHeader(const std::string& format, int pages, int page) {
    const int values[] = {pages, page};
    int used = 0;
    std::string out;
    for (size_t i = 0; i < format.size(); ++i) {
        if (format[i] == '%' && i + 1 < format.size()) {
            if (format[i + 1] == '%') {
                out += '%';
                ++i;
                continue;
            }
            if (format[i + 1] == 'd' && used < 2) {
                out += std::to_string(values[used++]);
                ++i;
                continue;
            }
        }
        out += format[i];
    }
    return out;
}

std::string formatPrintDate(int month, int day, int year) {
    char text[40];
    std::snprintf(text, sizeof text, "%d/%d/%d", month, day, year);
    return text;
}
