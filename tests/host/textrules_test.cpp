#include "fixtures.h"

#include <gtest/gtest.h>

#include <map>

namespace {

// Japanese text in CP932 bytes.
const std::string kanaA = "\x82\xA0"; // HIRAGANA LETTER A, U+3042
const std::string kanaI = "\x82\xA2"; // HIRAGANA LETTER I, U+3044
const std::string alpha = "\x83\x9F"; // GREEK CAPITAL ALPHA: a CP932 character the machine lacks
const std::string halfKa = "\xB6";    // HALFWIDTH KATAKANA KA, U+FF76

// Code pages are opened once per language and code page for the whole run.
Rules& rulesFor(const char* language, unsigned cp) {
    static std::map<std::pair<std::string, unsigned>, std::unique_ptr<Rules>> cache;
    std::unique_ptr<Rules>& slot = cache[{language, cp}];
    if (!slot) {
        slot = std::make_unique<Rules>(language, cp);
        if (!slot->codePage) ADD_FAILURE() << "code page " << cp << " is not available";
    }
    return *slot;
}

// ---------------------------------------------------------------- dial digits

TEST(DialDigits, EncodeAndDecodeAgree) {
    struct Case {
        const char* text;
        size_t count;
        Bytes packed;
    } cases[] = {
        {"12*#", 4, {0x21, 0xBA}},
        {"123", 3, {0x21, 0x03}},
        {"0123456789*#P +-", 16, {0x10, 0x32, 0x54, 0x76, 0x98, 0xBA, 0xDC, 0xFE}},
        {"5", 1, {0x05}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        Bytes packed(c.packed.size());
        encodeDialDigits(packed.data(), c.text, c.count);
        EXPECT_EQ(packed, c.packed);

        std::vector<char> text(c.count + 1, '?'); // exactly count + 1, as documented
        decodeDialDigits(text.data(), c.packed.data(), c.count);
        EXPECT_STREQ(text.data(), c.text);
    }
}

TEST(DialDigits, EncodeStopsAtTheTextsEndAndZeroesTheRest) {
    struct Case {
        const char* text;
        size_t count;
        Bytes packed;
    } cases[] = {
        {"12", 6, {0x21, 0x00, 0x00}}, // shorter than count: never read past the terminator
        {"1a2", 3, {0x01, 0x02}},      // outside the alphabet counts as 0
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        std::unique_ptr<char[]> exact(new char[std::strlen(c.text) + 1]);
        std::memcpy(exact.get(), c.text, std::strlen(c.text) + 1);
        Bytes packed(c.packed.size(), 0xEE);
        encodeDialDigits(packed.data(), exact.get(), c.count);
        EXPECT_EQ(packed, c.packed);
    }
}

// ---------------------------------------------------------------- typing filters

struct FilterCase {
    const char* text;
    FilterResult::Kind kind;
    size_t position;
};

void expectFilter(const FilterResult& r, const FilterCase& c) {
    EXPECT_EQ(r.kind, c.kind);
    if (c.kind == FilterResult::Remove || c.kind == FilterResult::Cut) {
        EXPECT_EQ(r.position, c.position);
    }
}

TEST(Filters, DialText) {
    struct Case {
        FilterCase f;
        bool restricted;
    } cases[] = {
        {{"P-1", FilterResult::Accept, 0}, false},
        {{"P-1", FilterResult::Remove, 0}, true},
        {{"12 34", FilterResult::Remove, 2}, true},
        {{"*#0123456789", FilterResult::Accept, 0}, true},
        {{"+81", FilterResult::Remove, 0}, false},
        {{"1+", FilterResult::Remove, 1}, true},
        {{"12p", FilterResult::Remove, 2}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.f.text << (c.restricted ? " restricted" : ""));
        expectFilter(filterDialText(c.f.text, c.restricted), c.f);
    }
}

TEST(Filters, Digits) {
    FilterCase cases[] = {
        {"", FilterResult::Empty, 0},
        {"0123456789", FilterResult::Accept, 0},
        {"12a3", FilterResult::Remove, 2},
        {" 1", FilterResult::Remove, 0},
    };
    for (const FilterCase& c : cases) {
        SCOPED_TRACE(c.text);
        expectFilter(filterDigits(c.text), c);
    }
}

TEST(Filters, AddressText) {
    FilterCase cases[] = {
        {"john doe@example.com", FilterResult::Accept, 0},
        {"~user/path?q=1&x", FilterResult::Accept, 0},
        {"a,b", FilterResult::Remove, 1},
        {"a:b", FilterResult::Remove, 1},
        {"a;b", FilterResult::Remove, 1},
        {"<ab", FilterResult::Remove, 0},
        {"ab>", FilterResult::Remove, 2},
        {"a\"b", FilterResult::Remove, 1},
        {"a\\b", FilterResult::Remove, 1},
        {"a\x7F", FilterResult::Remove, 1},
        {"caf\xE9", FilterResult::Remove, 3},
        {"\tab", FilterResult::Remove, 0},
    };
    for (const FilterCase& c : cases) {
        SCOPED_TRACE(c.text);
        expectFilter(filterAddressText(c.text), c);
    }
}

TEST(Filters, RemovedCharacterLeavesTheRestInPlace) {
    std::string text = "ab,cd";
    FilterResult r = filterAddressText(text);
    ASSERT_EQ(r.kind, FilterResult::Remove);
    applyFilter(text, r);
    EXPECT_EQ(text, "abcd");
    EXPECT_EQ(r.position, 2u) << "the caret goes where the comma stood";
}

TEST(Filters, NameTextByLanguage) {
    struct Case {
        const char* language;
        unsigned cp;
        std::string text;
        FilterResult::Kind kind;
        size_t position;
        std::string applied;
    } cases[] = {
        {"ENGLISH", 1252, "M\xFCller", FilterResult::Accept, 0, "M\xFCller"},
        {"GERMAN", 1252, "\xC4\xD6\xDC\xDF", FilterResult::Accept, 0, "\xC4\xD6\xDC\xDF"},
        {"TCHINESE", 1252, "M\xFCller", FilterResult::Remove, 1, "Mller"},
        {"ENGLISH", 1252, "a\\b", FilterResult::Remove, 1, "ab"},
        {"ENGLISH", 1252, "1\xB5m", FilterResult::Remove, 1, "1m"}, // micro sign: not in the list
        {"ENGLISH", 1252, "Price \x80 5", FilterResult::Cut, 6, "Price "}, // euro is U+20AC
        {"JAPANESE", 932, "Ab" + halfKa + "\xDF", FilterResult::Accept, 0, "Ab" + halfKa + "\xDF"},
        {"JAPANESE", 932, "A" + kanaA + "B", FilterResult::Cut, 1, "A"},
        {"JAPANESE", 932, "A\\B", FilterResult::Remove, 1, "AB"},
        {"JAPANESE", 932, "AB\x81", FilterResult::Cut, 2, "AB"},
        {"TCHINESE", 950, "a\xA4\x40", FilterResult::Cut, 1, "a"},
        {"KOREAN", 949, "ab\xB0\xA1", FilterResult::Cut, 2, "ab"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.language << " CP" << c.cp << " case \"" << c.applied << "\"");
        Rules& rules = rulesFor(c.language, c.cp);
        FilterResult r = filterNameText(rules.rules, c.text);
        EXPECT_EQ(r.kind, c.kind);
        if (c.kind != FilterResult::Accept) {
            EXPECT_EQ(r.position, c.position);
        }
        std::string text = c.text;
        applyFilter(text, r);
        EXPECT_EQ(text, c.applied);
    }
}

// ---------------------------------------------------------------- small predicates

TEST(Predicates, IsValidEmail) {
    struct Case {
        const char* text;
        bool valid;
    } cases[] = {
        {"user@example.com", true},  {"a@b.c", true},      {"@.", true}, {"user@example", false},
        {"user.example.com", false}, {"a@b@c.com", false}, {"", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(isValidEmail(c.text), c.valid) << '"' << c.text << '"';
    EXPECT_FALSE(isValidEmail(nullptr));
}

TEST(Predicates, UsesSingleName) {
    struct Case {
        const char* language;
        int single;
    } cases[] = {{"ENGLISH", 1},  {"GERMAN", 1},   {"KOREAN", 0},
                 {"JAPANESE", 0}, {"TCHINESE", 0}, {"SCHINESE", 0}};
    for (const Case& c : cases) {
        TextRules rules{c.language, nullptr};
        EXPECT_EQ(usesSingleName(rules), c.single) << c.language;
    }
}

TEST(Predicates, CheckIntegerText) {
    struct Case {
        const char* text;
        IntegerCheck::Kind kind;
    } cases[] = {
        {"", IntegerCheck::Empty},
        {"0", IntegerCheck::OutOfRange},
        {"1", IntegerCheck::Ok},
        {"65535", IntegerCheck::Ok},
        {"65536", IntegerCheck::OutOfRange},
        {"-1", IntegerCheck::OutOfRange},
        {"99999999999999999999999", IntegerCheck::OutOfRange},
    };
    for (const Case& c : cases)
        EXPECT_EQ(checkIntegerText(c.text, 1, 65535).kind, c.kind) << '"' << c.text << '"';
    EXPECT_EQ(checkIntegerText("8080", 1, 65535).value, 8080);
}

// ---------------------------------------------------------------- name 2

std::string toDisplay(const TextRules& rules, const Bytes& stored) {
    Bytes even(stored);
    if (even.size() % 2) even.push_back(0);
    char text[nameCapacity + 1];
    name2ToDisplay(rules, even.data(), stored.size(), text, sizeof text);
    return text;
}

Bytes toStored(const TextRules& rules, const std::string& display) {
    uint8_t stored[256];
    size_t n = displayToName2(rules, display.c_str(), stored, sizeof stored);
    return Bytes(stored, stored + n);
}

TEST(Name2, JapaneseUsesTheMachineCodes) {
    const TextRules& rules = rulesFor("JAPANESE", 932).rules;
    struct Case {
        std::string display;
        Bytes stored;
    } cases[] = {
        {"\x81\x40", {0xA1, 0x40}}, // U+3000 ideographic space
        {"\x81\x45", {0xA5, 0xBE}}, // U+30FB katakana middle dot
    };
    for (const Case& c : cases) {
        EXPECT_EQ(toStored(rules, c.display), c.stored);
        EXPECT_EQ(toDisplay(rules, c.stored), c.display);
    }
}

TEST(Name2, JapaneseNameRoundTrips) {
    const TextRules& rules = rulesFor("JAPANESE", 932).rules;
    const std::string name = "\x83\x41\x83\x43\x83\x45" + kanaA + kanaI; // アイウあい
    Bytes stored = toStored(rules, name);
    ASSERT_EQ(stored.size(), 10u);
    EXPECT_NE(Bytes(stored.begin(), stored.begin() + 2), Bytes({0x83, 0x41}))
        << "stored in machine codes";
    EXPECT_EQ(toDisplay(rules, stored), name);
}

TEST(Name2, CharacterMissingFromTheTableEndsTheName) {
    const TextRules& rules = rulesFor("JAPANESE", 932).rules;
    uint8_t stored[256];
    std::memset(stored, 0xEE, sizeof stored);
    std::string text = kanaA + alpha + kanaI;
    size_t n = displayToName2(rules, text.c_str(), stored, sizeof stored);
    EXPECT_EQ(n, 2u);
    EXPECT_EQ(stored[2], 0);
    EXPECT_EQ(stored[3], 0);
    EXPECT_NE(stored[4], 0) << "the characters after it are still stored";
}

TEST(Name2, OtherLanguagesStoreTheTypedBytes) {
    const TextRules& rules = rulesFor("ENGLISH", 1252).rules;
    const std::string name = "Jos\xE9 \x81\x40";
    EXPECT_EQ(toStored(rules, name), Bytes(name.begin(), name.end()));
    EXPECT_EQ(toDisplay(rules, Bytes(name.begin(), name.end())), name);
}

TEST(Name2, JapaneseRegistrationRoundTripsThroughTheRecord) {
    const TextRules& rules = rulesFor("JAPANESE", 932).rules;
    auto regs = std::make_unique<RegisterArrays>();
    std::memset(regs.get(), 0, sizeof *regs);
    DestinationEntry in = emailEntry("Yamada", "yamada@example.jp");
    copyText(in.name2, nameCapacity, std::string("\x83\x84\x83\x7D\x83\x5F") + "\x81\x40" + "AB");
    ASSERT_EQ(encodeDestination(rules, *regs, 2, in), 1);
    const uint8_t* r = destinationRecord(*regs, 2);
    EXPECT_EQ(r[rec::name2Length], 10);
    EXPECT_EQ(r[rec::name2 + 6], 0xA1);
    EXPECT_EQ(r[rec::name2 + 7], 0x40);
    DestinationEntry out;
    decodeDestination(rules, *regs, out, 2);
    EXPECT_STREQ(out.name2, in.name2);
}

// ---------------------------------------------------------------- whole-field name checks

TEST(NameCheck, ByLanguage) {
    struct Case {
        const char* language;
        unsigned cp;
        std::string text;
        std::string expected;
        bool removed;
    } cases[] = {
        {"JAPANESE", 932, kanaA + kanaI, kanaA + kanaI, false},
        {"JAPANESE", 932, "AB" + kanaA, "AB" + kanaA, false},
        {"JAPANESE", 932, "A" + kanaA, "A " + kanaA, false}, // 2-byte characters start even
        {"JAPANESE", 932, "A" + halfKa + "B", "AB", true},
        {"JAPANESE", 932, "A\\B", "AB", true},
        {"JAPANESE", 932, "A" + alpha + "B", "AB", true},
        {"JAPANESE", 932, "abcdefghijklmnopqrstuvwxyz", "abcdefghijklmnopqrst", false},
        // 21 bytes: the tenth kana is cut by the 20-byte limit, the padding still fits.
        {"JAPANESE", 932,
         "a" + std::string() + kanaA + kanaA + kanaA + kanaA + kanaA + kanaA + kanaA + kanaA +
             kanaA + kanaA,
         "a " + kanaA + kanaA + kanaA + kanaA + kanaA + kanaA + kanaA + kanaA + kanaA, true},
        {"SCHINESE", 936,
         "\xB0\xA1"
         "a",
         "\xB0\xA1"
         "a",
         false},
        {"SCHINESE", 936,
         "\xA8\xC0"
         "a",
         "a", true},
        {"SCHINESE", 936, "\xA8\xA6", "\xA8\xA6", false},
        {"SCHINESE", 936, "\x81\x40", "", true}, // GBK extension lead byte
        {"TCHINESE", 950, "\xF9\xF9", "\xA2\xA4", false},
        {"TCHINESE", 950, "a\xF9\xEB", "a \xA2\xA7", false},
        {"TCHINESE", 950, "\xA4\x40\xD7\x40", "\xA4\x40\xD7\x40", false},
        {"TCHINESE", 950, "\xD7\x60", "", true},
        {"ENGLISH", 1252, "a\\b\xB5", "a\\b\xB5", false}, // no whole-field check
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.language << " input of " << c.text.size() << " bytes");
        NameCheck r = checkNameForLanguage(rulesFor(c.language, c.cp).rules, c.text);
        EXPECT_EQ(r.text, c.expected);
        EXPECT_EQ(r.removed, c.removed);
    }
}

} // namespace
