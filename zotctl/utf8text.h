#pragma once
// UTF-8, which spreadsheets and scripts exchange, to and from the ANSI code
// page names are typed in. Only exact conversions count: a character the
// code page does not have is refused, never replaced by a look-alike.
#include <cstddef>
#include <cstdint>
#include <string>

class CodePage;

constexpr char utf8Mark[] = "\xEF\xBB\xBF";
constexpr size_t utf8MarkSize = 3;

struct TextConversion {
    enum Problem { None, BadUtf8, NotInCodePage } problem;
    std::string text;     // the converted text (up to the problem)
    uint32_t character;   // NotInCodePage: the character refused
    bool ok() const { return problem == None; }
};

// Returns the offset of the first byte that does not belong to a well-formed
// UTF-8 sequence, or `size` when there is none.
size_t firstBadUtf8(const char* text, size_t size);

TextConversion utf8ToCodePage(const CodePage& codePage, const std::string& utf8);
// `bytes` in the code page to UTF-8. A byte sequence that is no character of
// the code page becomes U+FFFD and clears `exact`.
std::string codePageToUtf8(const CodePage& codePage, const char* bytes, size_t size, bool& exact);
// The bytes are taken as code page text and checked to be characters of it.
TextConversion checkCodePageText(const CodePage& codePage, const std::string& text);

// "U+30FB" and the like, for messages.
std::string characterName(uint32_t character);
