// The printed speed-dial list, drawn on a canvas that records every call:
// rows and pages for the page height, the columns for the UI language, where
// every text and rule goes, and the fitting of long texts.
#include "printlayout.h"
#include "fixtures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

namespace {

// Fixed metrics: every byte is 10 units wide in each font; the cell heights
// make a line of 55 units and a title box of 90.
struct Op {
    enum Kind { StartPage, EndPage, Text, Line, Fill, Box } kind;
    PrintFont font;
    int x0, y0, x1, y1;
    std::string text;
    uint32_t rgb;
};

class RecordingCanvas : public PrintCanvas {
  public:
    std::vector<Op> ops;
    PrintFont font = PrintFont::Table;

    void startPage() override { ops.push_back({Op::StartPage, font, 0, 0, 0, 0, "", 0}); }
    void endPage() override { ops.push_back({Op::EndPage, font, 0, 0, 0, 0, "", 0}); }
    void useFont(PrintFont f) override { font = f; }
    int fontHeight() override {
        return font == PrintFont::Title ? 80 : font == PrintFont::Header ? 50 : 30;
    }
    int internalLeading() override {
        return font == PrintFont::Title ? 10 : font == PrintFont::Header ? 5 : 3;
    }
    TextSize measure(const std::string& text) override {
        return {10 * static_cast<int>(text.size()), fontHeight() - 6};
    }
    void text(int x, int y, const std::string& t) override {
        ops.push_back({Op::Text, font, x, y, 0, 0, t, 0});
    }
    void line(int x0, int y0, int x1, int y1) override {
        ops.push_back({Op::Line, font, x0, y0, x1, y1, "", 0});
    }
    void fill(const PrintRect& r, uint32_t rgb) override {
        ops.push_back({Op::Fill, font, r.left, r.top, r.right, r.bottom, "", rgb});
    }
    void box(const PrintRect& r, uint32_t rgb) override {
        ops.push_back({Op::Box, font, r.left, r.top, r.right, r.bottom, "", rgb});
    }

    int count(Op::Kind kind) const {
        return static_cast<int>(
            std::count_if(ops.begin(), ops.end(), [&](const Op& o) { return o.kind == kind; }));
    }
    // The texts of page `page` (1-based), in drawing order.
    std::vector<Op> pageTexts(int page) const {
        std::vector<Op> texts;
        int current = 0;
        for (const Op& o : ops) {
            if (o.kind == Op::StartPage) ++current;
            if (current == page && o.kind == Op::Text) texts.push_back(o);
        }
        return texts;
    }
    std::optional<Op> findText(int page, const std::string& t) const {
        for (const Op& o : pageTexts(page))
            if (o.text == t) return o;
        return std::nullopt;
    }
};

const DialListTexts texts = {
    "Speed Dial", "Total %d page(s), page %d", "12/11/2026", "SD#", "Name", "Name2", "Address"};

// 300 dpi; L = 75, T = 150, TW = 2400; LH = 55, TB = 90.
constexpr int dpi = 300, width = 2550;
constexpr int lh = 55, tb = 90, left = 75, top = 150, tableWidth = 2400;
// The height on which exactly `rows` rows fit.
constexpr int heightFor(int rows) {
    return rows * lh + tb + 2 * lh + top;
}

std::vector<DialListRow> numberedRows() {
    std::vector<DialListRow> rows(dialListKeys);
    for (int k = 0; k < dialListKeys; ++k)
        rows[k] = {"name" + std::to_string(k + 1), "second" + std::to_string(k + 1),
                   "key" + std::to_string(k + 1) + "@example.com"};
    return rows;
}

struct PagesCase {
    int height;
    int rowsPerPage, entriesPerPage, pages;
    std::vector<int> entriesOnPage;
};

class Pages : public ::testing::TestWithParam<PagesCase> {};

TEST_P(Pages, RowsAndPagesFollowThePageHeight) {
    const PagesCase c = GetParam();
    RecordingCanvas canvas;
    const PageGeometry page{dpi, dpi, width, c.height};
    const DialListLayout l = layoutDialList(canvas, page, texts, false);
    EXPECT_EQ(l.rowsPerPage, c.rowsPerPage);
    EXPECT_EQ(l.entriesPerPage, c.entriesPerPage);
    EXPECT_EQ(l.pageCount, c.pages);

    printDialList(canvas, page, texts, numberedRows(), false, nullptr);
    ASSERT_EQ(canvas.count(Op::StartPage), c.pages);
    EXPECT_EQ(canvas.count(Op::EndPage), c.pages);
    int key = 1;
    for (int p = 1; p <= c.pages; ++p) {
        const std::string header =
            "Total " + std::to_string(c.pages) + " page(s), page " + std::to_string(p);
        EXPECT_TRUE(canvas.findText(p, header)) << header;
        for (int r = 0; r < c.entriesOnPage[p - 1]; ++r, ++key) {
            char number[8];
            std::snprintf(number, sizeof number, "%02d", key);
            const std::optional<Op> n = canvas.findText(p, number);
            ASSERT_TRUE(n) << "key " << number << " on page " << p;
            EXPECT_EQ(n->y0, l.tableTop + (r + 1) * lh);
        }
    }
    EXPECT_EQ(key, 51) << "every key printed once";
}

INSTANTIATE_TEST_SUITE_P(
    Heights, Pages,
    ::testing::Values(PagesCase{heightFor(26), 26, 25, 2, {25, 25}},
                      PagesCase{heightFor(26) + lh - 1, 26, 25, 2, {25, 25}},
                      PagesCase{heightFor(40), 40, 39, 2, {39, 11}},
                      PagesCase{heightFor(51), 51, 50, 1, {50}},
                      PagesCase{heightFor(80), 51, 50, 1, {50}}, // capped: one spare row
                      // Too small for a table: still one key a page, and the job ends.
                      PagesCase{heightFor(1), 2, 1, 50, std::vector<int>(50, 1)}));

TEST(PrintLayout, OnePageAloneForAPicture) {
    RecordingCanvas canvas;
    const PageGeometry page{dpi, dpi, width, heightFor(26)};
    printDialList(canvas, page, texts, numberedRows(), false, nullptr, 2);
    EXPECT_EQ(canvas.count(Op::StartPage), 1);
    EXPECT_TRUE(canvas.findText(1, "Total 2 page(s), page 2"));
    EXPECT_TRUE(canvas.findText(1, "26"));
    EXPECT_TRUE(canvas.findText(1, "50"));
    EXPECT_FALSE(canvas.findText(1, "25"));
}

TEST(PrintLayout, PageFrameTitleHeaderAndDate) {
    RecordingCanvas canvas;
    const PageGeometry page{dpi, dpi, width, heightFor(26)};
    printDialList(canvas, page, texts, numberedRows(), false, nullptr);
    ASSERT_GE(canvas.ops.size(), 3u);
    const Op& white = canvas.ops[1];
    EXPECT_EQ(white.kind, Op::Fill);
    EXPECT_EQ(white.rgb, pageWhite);
    EXPECT_EQ((std::vector<int>{white.x0, white.y0, white.x1, white.y1}),
              (std::vector<int>{0, 0, width, heightFor(26)}));
    const Op& box = canvas.ops[2];
    EXPECT_EQ(box.kind, Op::Box);
    EXPECT_EQ(box.rgb, titleGrey);
    // The title is 100 wide and 74 high in its font; the box 55 wider, TB high.
    EXPECT_EQ((std::vector<int>{box.x0, box.y0, box.x1, box.y1}),
              (std::vector<int>{left, top, left + 100 + 55, top + tb}));
    const std::optional<Op> title = canvas.findText(1, "Speed Dial");
    ASSERT_TRUE(title);
    EXPECT_EQ(title->font, PrintFont::Title);
    EXPECT_EQ(title->x0, left);
    EXPECT_EQ(title->y0, top + (tb - 74) / 2);

    const std::optional<Op> header = canvas.findText(1, "Total 2 page(s), page 1");
    ASSERT_TRUE(header);
    EXPECT_EQ(header->font, PrintFont::Header);
    EXPECT_EQ(header->x0 + 230, left + tableWidth - 10) << "ends 10 units left of the table's edge";
    EXPECT_EQ(header->y0, top);
    const std::optional<Op> date = canvas.findText(1, "12/11/2026");
    ASSERT_TRUE(date);
    EXPECT_EQ(date->x0 + 100, left + tableWidth - 10);
    EXPECT_EQ(date->y0, top + lh);
}

TEST(PrintLayout, RulesAndShadingOfTheTable) {
    RecordingCanvas canvas;
    const PageGeometry page{dpi, dpi, width, heightFor(26)};
    const DialListLayout l = layoutDialList(canvas, page, texts, false);
    printDialList(canvas, page, texts, numberedRows(), false, nullptr);
    const int y0 = tb + top + 2 * lh, bottom = y0 + 26 * lh;
    EXPECT_EQ(l.tableTop, y0);
    std::vector<int> rows, columns, shaded;
    int page1 = 0;
    for (const Op& o : canvas.ops) {
        if (o.kind == Op::StartPage && ++page1 > 1) break;
        if (o.kind == Op::Line && o.y0 == o.y1) {
            EXPECT_EQ(o.x0, left);
            EXPECT_EQ(o.x1, left + tableWidth);
            rows.push_back(o.y0);
        }
        if (o.kind == Op::Line && o.x0 == o.x1) {
            EXPECT_EQ(o.y0, y0);
            EXPECT_EQ(o.y1, bottom);
            columns.push_back(o.x0);
        }
        if (o.kind == Op::Fill && o.rgb == rowShade) {
            EXPECT_EQ(o.x0, left + 1);
            EXPECT_EQ(o.x1, left + tableWidth - 1);
            EXPECT_EQ(o.y1, o.y0 + lh - 2);
            shaded.push_back(o.y0 - 1);
        }
    }
    std::vector<int> expectedRows, expectedShade;
    for (int y = y0; y <= bottom; y += lh)
        expectedRows.push_back(y);
    for (int y = y0; y < bottom; y += 2 * lh)
        expectedShade.push_back(y);
    EXPECT_EQ(rows, expectedRows) << "27 rules: 26 rows closed at the bottom";
    EXPECT_EQ(shaded, expectedShade) << "the header row and every other one after it";
    EXPECT_EQ(columns,
              (std::vector<int>{left, left + tableWidth, left + l.numberWidth, l.dividerA}));
}

struct ColumnsCase {
    bool secondName;
    int pageWidth;
    int numberWidth, nameWidth, name2Width, addressWidth;
    std::vector<std::string> titles; // the header row, left to right
};

class Columns : public ::testing::TestWithParam<ColumnsCase> {};

TEST_P(Columns, WidthsAndTitlesByLanguage) {
    const ColumnsCase c = GetParam();
    RecordingCanvas canvas;
    const PageGeometry page{dpi, dpi, c.pageWidth, heightFor(51)};
    const DialListLayout l = layoutDialList(canvas, page, texts, c.secondName);
    EXPECT_EQ(l.numberWidth, c.numberWidth);
    EXPECT_EQ(l.nameWidth, c.nameWidth);
    EXPECT_EQ(l.name2Width, c.name2Width);
    EXPECT_EQ(l.addressWidth, c.addressWidth);
    EXPECT_EQ(l.nameX, left + c.numberWidth + 2);
    EXPECT_EQ(l.addressX, left + c.numberWidth + c.nameWidth + c.name2Width + 2);

    printDialList(canvas, page, texts, numberedRows(), c.secondName, nullptr);
    std::vector<Op> header;
    for (const Op& o : canvas.pageTexts(1))
        if (o.y0 == l.tableTop) header.push_back(o);
    std::sort(header.begin(), header.end(), [](const Op& a, const Op& b) { return a.x0 < b.x0; });
    std::vector<std::string> titles;
    for (const Op& o : header) {
        titles.push_back(o.text);
        EXPECT_EQ(o.font, PrintFont::Table);
    }
    EXPECT_EQ(titles, c.titles);
}

// TW = 2550 - 150 = 2400, "SD#" is 30 wide: C1 = 45, the rest 2310.
INSTANTIATE_TEST_SUITE_P(
    Languages, Columns,
    ::testing::Values(ColumnsCase{false, width, 45, 528, 0, 1782, {"SD#", "Name", "Address"}},
                      ColumnsCase{
                          true, width, 45, 363, 528, 1419, {"SD#", "Name", "Name2", "Address"}},
                      // A narrow page: the name column is widened to its title.
                      ColumnsCase{false, 300, 45, 45, 0, 15, {"SD#", "Name", "Address"}}));

TEST(PrintLayout, CellsOfAKeyByLanguageAndAFreeKey) {
    auto doc = makeDocument();
    const TextRules english{"ENGLISH", nullptr};
    DestinationEntry e = emailEntry("Sales", "sales@example.com");
    copyText(e.name2, nameCapacity, "Second");
    ASSERT_EQ(encodeDestination(english, doc->registers, 0, e), 1);
    const std::vector<DialListRow> rows = dialListRows(english, doc->registers);
    ASSERT_EQ(rows.size(), 50u);

    for (bool secondName : {false, true}) {
        RecordingCanvas canvas;
        const PageGeometry page{dpi, dpi, width, heightFor(51)};
        const DialListLayout l = layoutDialList(canvas, page, texts, secondName);
        printDialList(canvas, page, texts, rows, secondName, nullptr);
        auto cellsAt = [&](int y) {
            std::vector<std::pair<int, std::string>> cells;
            for (const Op& o : canvas.pageTexts(1))
                if (o.y0 == y) cells.emplace_back(o.x0, o.text);
            return cells;
        };
        using Cells = std::vector<std::pair<int, std::string>>;
        const int row1 = l.tableTop + lh, row2 = l.tableTop + 2 * lh;
        if (secondName) {
            EXPECT_EQ(cellsAt(row1), (Cells{{left + 4, "01"},
                                            {l.nameX, "Second"},
                                            {l.name2X + 2, "Sales"},
                                            {l.addressX, "sales@example.com"}}));
            EXPECT_EQ(
                cellsAt(row2),
                (Cells{{left + 4, "02"}, {l.nameX, ""}, {l.name2X + 2, ""}, {l.addressX, ""}}));
        } else {
            EXPECT_EQ(
                cellsAt(row1),
                (Cells{{left + 4, "01"}, {l.nameX, "Sales"}, {l.addressX, "sales@example.com"}}));
            EXPECT_EQ(cellsAt(row2), (Cells{{left + 4, "02"}, {l.nameX, ""}, {l.addressX, ""}}));
        }
    }
}

TEST(PrintLayout, LongTextsAreFittedToTheirColumns) {
    auto doc = makeDocument();
    const TextRules english{"ENGLISH", nullptr};
    const std::string longAddress = "a.very.long.mailbox.name.for.testing@example.com"; // 48
    DestinationEntry e = emailEntry("N", longAddress);
    ASSERT_EQ(encodeDestination(english, doc->registers, 0, e), 1);
    RecordingCanvas canvas;
    // A narrow page, whose address column is narrower than the 480 units of the address.
    const PageGeometry page{dpi, dpi, 700, heightFor(51)};
    const DialListLayout l = layoutDialList(canvas, page, texts, false);
    ASSERT_LT(l.addressWidth - 6, 480);
    printDialList(canvas, page, texts, dialListRows(english, doc->registers), false, nullptr);
    const std::vector<Op> cells = canvas.pageTexts(1);
    auto printed = std::find_if(cells.begin(), cells.end(), [&](const Op& o) {
        return o.x0 == l.addressX && o.y0 == l.tableTop + lh;
    });
    ASSERT_NE(printed, cells.end());
    EXPECT_EQ(printed->text, fitText(canvas, longAddress, l.addressWidth - 6, nullptr));
    EXPECT_LT(10 * static_cast<int>(printed->text.size()), l.addressWidth - 6);
}

// A code page in which every byte from 0x81 up starts a two-byte character.
class TwoByteCodePage : public CodePage {
  public:
    bool isLeadByte(uint8_t byte) const override { return byte >= 0x81; }
    uint16_t toUnit(const char*, size_t) const override { return 0; }
    size_t fromUnit(uint16_t, char*) const override { return 0; }
};

struct FitCase {
    std::string text;
    int limit;
    bool twoByte;
    std::string fitted;
};

class Fitting : public ::testing::TestWithParam<FitCase> {};

TEST_P(Fitting, CutsToAnEvenLengthAndEndsInDots) {
    const FitCase c = GetParam();
    RecordingCanvas canvas;
    TwoByteCodePage codePage;
    const std::string fitted = fitText(canvas, c.text, c.limit, c.twoByte ? &codePage : nullptr);
    EXPECT_EQ(fitted, c.fitted);
    EXPECT_TRUE(fitted.empty() || 10 * static_cast<int>(fitted.size()) < c.limit);
}

const std::string kana = "\x82\xa0\x82\xa2\x82\xa4\x82\xa6\x82\xa8\x82\xa9\x82\xab\x82\xad";

INSTANTIATE_TEST_SUITE_P(
    Texts, Fitting,
    ::testing::Values(FitCase{"short", 100, false, "short"},
                      // Exactly as wide as the limit counts as too wide.
                      FitCase{"abcdefghij", 100, false, "abcdef..."},
                      // 30 bytes: 26 + "..." is still too wide, each round keeps two fewer.
                      FitCase{"abcdefghijklmnopqrstuvwxyz0123", 200, false, "abcdefghijklmnop..."},
                      // An odd length is first rounded down to even.
                      FitCase{"abcdefghijklmnopqrstuvwxyz01234", 200, false, "abcdefghijklmnop..."},
                      // Two-byte text: whole characters only.
                      FitCase{kana, 100, true, kana.substr(0, 6) + "..."},
                      // One single-byte character first: the even cut would split a character.
                      FitCase{"a" + kana, 120, true, "a" + kana.substr(0, 6) + "..."},
                      // No room for any of the text: the dots alone, or nothing at all.
                      FitCase{"abcd", 35, false, "..."}, FitCase{"abcd", 30, false, ""}));

TEST(PrintTexts, PageHeaderAndDate) {
    EXPECT_EQ(formatPageHeader("Total %d page(s), page %d", 2, 1), "Total 2 page(s), page 1");
    EXPECT_EQ(formatPageHeader("%d%% %d %d %s", 3, 4), "3% 4 %d %s") << "only two numbers go in";
    EXPECT_EQ(formatPrintDate(1, 5, 2027), "1/5/2027");
    EXPECT_EQ(formatPrintDate(12, 31, 2026), "12/31/2026");
}

} // namespace
