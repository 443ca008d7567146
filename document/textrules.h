#pragma once
// Dial digits, name encodings and the input rules of the edit boxes. The UI
// language word (string 3561 of the resource module) decides the name rules.
#include <cstddef>
#include <cstdint>
#include <string>

class CodePage;

// Byte length (1 or 2) of the character at text[i] in the code page, never
// past the end; 1 without a code page.
size_t charLength(const CodePage* cp, const std::string& text, size_t i);
size_t charLength(const CodePage* cp, const char* text, size_t size, size_t i);

struct TextRules {
    std::string language;     // "ENGLISH", "JAPANESE", "TCHINESE", "SCHINESE", "KOREAN", ...
    const CodePage* codePage; // the ANSI code page names are typed in

    bool is(const char* word) const { return language == word; }
};

constexpr char dialAlphabet[] = "0123456789*#P +-";

// Packed dial code (low nibble first) <-> dial text. `text` holds count + 1 bytes.
void decodeDialDigits(char* text, const uint8_t* packed, size_t count);
// Writes (count + 1) / 2 bytes; characters past the text's end count as 0.
void encodeDialDigits(uint8_t* packed, const char* text, size_t count);

// Name 2 as the machine stores it <-> the text shown in the edit box.
// Returns the bytes written to `text` (zero-terminated within `capacity`).
size_t name2ToDisplay(const TextRules& rules, const uint8_t* stored, size_t length, char* text,
                      size_t capacity);
// Returns the stored length: the bytes up to the first zero byte, at most `capacity`.
size_t displayToName2(const TextRules& rules, const char* text, uint8_t* stored, size_t capacity);

bool isMachineCharacter(const TextRules& rules, const char* twoBytes);
// 0 for the languages whose lists show a second name column.
int usesSingleName(const TextRules& rules);
bool isValidEmail(const char* text);

// What a typing filter decided about an edit box's text.
struct FilterResult {
    enum Kind { Accept, Remove, Cut, Empty } kind;
    size_t position; // where the refused character stands (the caret goes there)
    size_t length;   // bytes removed for Remove
    bool accepted() const { return kind == Accept; }
};
// Applies Remove and Cut to the text; Accept and Empty leave it alone.
void applyFilter(std::string& text, const FilterResult& result);

// `restricted`: the sub-address and sender-ID fields, which take no pause, space or hyphen.
FilterResult filterDialText(const std::string& text, bool restricted);
FilterResult filterDigits(const std::string& text);
FilterResult filterAddressText(const std::string& text);
FilterResult filterNameText(const TextRules& rules, const std::string& text);

// Whole-field name checks run on OK. `removed` says whether anything was taken out.
struct NameCheck {
    std::string text;
    bool removed;
};
constexpr size_t nameFieldBytes = 20;
NameCheck checkJapaneseName(const TextRules& rules, const std::string& text);
NameCheck checkSimplifiedChineseName(const TextRules& rules, const std::string& text);
NameCheck checkTraditionalChineseName(const TextRules& rules, const std::string& text);
// The check that fits the UI language, or none (returns the text unchanged).
NameCheck checkNameForLanguage(const TextRules& rules, const std::string& text);

struct IntegerCheck {
    enum Kind { Ok, Empty, OutOfRange } kind;
    long long value;
};
// Reads the field as a decimal integer the way the edit boxes are read (leading
// digits count, anything else reads as 0) and tests low <= value <= high.
IntegerCheck checkIntegerText(const std::string& text, long low, long high);
