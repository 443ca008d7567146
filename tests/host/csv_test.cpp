#include "csv.h"
#include "utf8text.h"
#include "codepage.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

namespace {

using Rows = std::vector<std::vector<std::string>>;

bool read(const std::string& text, Rows& rows, CsvError& error, const CsvLimits& limits = {}) {
    std::vector<CsvRow> read;
    const bool ok =
        readCsv(reinterpret_cast<const uint8_t*>(text.data()), text.size(), limits, read, error);
    rows.clear();
    for (const CsvRow& r : read)
        rows.push_back(r.fields);
    return ok;
}

TEST(CsvReader, ReadsWhatSpreadsheetsWrite) {
    struct Case {
        const char* what;
        std::string text;
        Rows rows;
    } cases[] = {
        {"CRLF", "a,b\r\nc,d\r\n", {{"a", "b"}, {"c", "d"}}},
        {"LF, no final line end", "a,b\nc,d", {{"a", "b"}, {"c", "d"}}},
        {"lone CR", "a\rb\r", {{"a"}, {"b"}}},
        {"empty fields", ",,\r\n", {{"", "", ""}}},
        {"comma and quote quoted", "\"x,y\",\"say \"\"hi\"\"\"\r\n", {{"x,y", "say \"hi\""}}},
        {"line breaks inside quotes", "\"one\r\ntwo\nthree\",z\r\n", {{"one\r\ntwo\nthree", "z"}}},
        {"blank lines skipped", "a\r\n\r\n\nb\r\n", {{"a"}, {"b"}}},
        {"quoted empty field is a row", "\"\"\r\n", {{""}}},
    };
    for (const Case& c : cases) {
        Rows rows;
        CsvError error;
        EXPECT_TRUE(read(c.text, rows, error)) << c.what << ": " << error.reason;
        EXPECT_EQ(rows, c.rows) << c.what;
    }
}

TEST(CsvReader, RowsKnowTheLineTheyStartOn) {
    const std::string text = "h\r\n\"a\r\nb\"\r\n\r\nc\r\n";
    std::vector<CsvRow> rows;
    CsvError error;
    ASSERT_TRUE(readCsv(reinterpret_cast<const uint8_t*>(text.data()), text.size(), {}, rows, error));
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].line, 1u);
    EXPECT_EQ(rows[1].line, 2u);
    EXPECT_EQ(rows[2].line, 5u);
}

TEST(CsvReader, RefusesMalformedAndOversizedInputWithItsLine) {
    CsvLimits small;
    small.fieldBytes = 8;
    small.fieldsPerRow = 4;
    small.rows = 3;
    struct Case {
        const char* what;
        std::string text;
        size_t line;
        const char* reason;
    } cases[] = {
        {"unterminated quote", "a\r\nb,\"o\r\np\r\n", 2, "never closed"},
        {"text after a closing quote", "a\r\n\"x\"y\r\n", 2, "after the closing quote"},
        {"quote inside a plain field", "a\r\nab\"c\r\n", 2, "quote inside"},
        {"zero byte", std::string("a\r\nb\0c\r\n", 7), 2, "zero byte"},
        {"field too long", "a\r\n123456789\r\n", 2, "longer than 8 bytes"},
        {"quoted field too long", "a\r\n\"123456789\"\r\n", 2, "longer than 8 bytes"},
        {"too many fields", "a\r\n1,2,3,4,5\r\n", 2, "more than 4 fields"},
        {"too many rows", "1\r\n2\r\n3\r\n4\r\n", 4, "more than 3 rows"},
    };
    for (const Case& c : cases) {
        Rows rows;
        CsvError error;
        EXPECT_FALSE(read(c.text, rows, error, small)) << c.what;
        EXPECT_EQ(error.line, c.line) << c.what;
        EXPECT_NE(error.reason.find(c.reason), std::string::npos) << c.what << ": " << error.reason;
    }
}

TEST(CsvWriter, QuotesOnlyWhereNeededAndReadsBack) {
    std::string out;
    const std::vector<std::string> fields = {"plain", "a,b", "say \"hi\"", "two\r\nlines", "",
                                             " padded "};
    appendCsvRow(out, fields);
    EXPECT_EQ(out, "plain,\"a,b\",\"say \"\"hi\"\"\",\"two\r\nlines\",,\" padded \"\r\n");
    Rows rows;
    CsvError error;
    ASSERT_TRUE(read(out, rows, error));
    EXPECT_EQ(rows, Rows{fields});
}

TEST(Utf8Text, ConvertsExactlyOrSaysWhy) {
    auto cp932 = openCodePage(932);
    auto cp1252 = openCodePage(1252);
    ASSERT_TRUE(cp932 && cp1252);
    // "アA" in UTF-8 and in CP932.
    TextConversion c = utf8ToCodePage(*cp932, "\xE3\x82\xA2" "A");
    EXPECT_TRUE(c.ok());
    EXPECT_EQ(c.text, "\x83\x41" "A");
    bool exact = true;
    EXPECT_EQ(codePageToUtf8(*cp932, c.text.data(), c.text.size(), exact), "\xE3\x82\xA2" "A");
    EXPECT_TRUE(exact);

    EXPECT_EQ(utf8ToCodePage(*cp1252, "\xE3\x82\xA2").problem, TextConversion::NotInCodePage);
    EXPECT_EQ(utf8ToCodePage(*cp1252, "\xE3\x82\xA2").character, 0x30A2u);
    // A character that Windows would fit to a plain letter is refused all the same.
    EXPECT_EQ(utf8ToCodePage(*cp1252, "\xC4\x81").problem, TextConversion::NotInCodePage);
    for (const char* bad : {"\xC3", "\xC0\xAF", "\xED\xA0\x80", "\xF5\x80\x80\x80", "\x80"})
        EXPECT_EQ(utf8ToCodePage(*cp1252, bad).problem, TextConversion::BadUtf8) << bad;
    EXPECT_EQ(firstBadUtf8("ab\xC3(", 4), 2u);

    exact = true;
    EXPECT_EQ(codePageToUtf8(*cp932, "\x81", 1, exact), "\xEF\xBF\xBD");
    EXPECT_FALSE(exact);
}

} // namespace
