#include "utf8text.h"

#include "codepage.h"
#include "textrules.h"

#include <cstdio>

namespace {

// Decodes one well-formed UTF-8 sequence at text[at]; returns its length, or
// 0 for a malformed, overlong or surrogate sequence.
size_t decodeUtf8(const unsigned char* s, size_t size, size_t at, uint32_t& cp) {
    const unsigned char c = s[at];
    size_t n;
    uint32_t min;
    if (c < 0x80) {
        cp = c;
        return 1;
    } else if (c >= 0xC2 && c <= 0xDF) {
        n = 2, cp = c & 0x1Fu, min = 0x80;
    } else if (c >= 0xE0 && c <= 0xEF) {
        n = 3, cp = c & 0x0Fu, min = 0x800;
    } else if (c >= 0xF0 && c <= 0xF4) {
        n = 4, cp = c & 0x07u, min = 0x10000;
    } else {
        return 0;
    }
    if (size - at < n) return 0;
    for (size_t i = 1; i < n; ++i) {
        if ((s[at + i] & 0xC0) != 0x80) return 0;
        cp = cp << 6 | (s[at + i] & 0x3Fu);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    return n;
}

void appendUtf8(std::string& out, uint32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | cp >> 6);
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | cp >> 12);
        out += static_cast<char>(0x80 | (cp >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// One character of code page text at s[at]: its UTF-16 unit and byte count;
// unit 0 when the bytes are no character of the code page.
size_t codePageCharacter(const CodePage& codePage, const char* s, size_t size, size_t at,
                         uint16_t& unit) {
    const unsigned char c = static_cast<unsigned char>(s[at]);
    if (c < 0x80) {
        unit = c;
        return 1;
    }
    const size_t n = charLength(&codePage, s, size, at);
    unit = codePage.toUnit(s + at, n);
    return n;
}

} // namespace

size_t firstBadUtf8(const char* text, size_t size) {
    const auto* s = reinterpret_cast<const unsigned char*>(text);
    uint32_t cp;
    for (size_t at = 0; at < size;) {
        const size_t n = decodeUtf8(s, size, at, cp);
        if (!n) return at;
        at += n;
    }
    return size;
}

TextConversion utf8ToCodePage(const CodePage& codePage, const std::string& utf8) {
    TextConversion r{TextConversion::None, {}, 0};
    const auto* s = reinterpret_cast<const unsigned char*>(utf8.data());
    for (size_t at = 0; at < utf8.size();) {
        uint32_t cp = 0;
        const size_t n = decodeUtf8(s, utf8.size(), at, cp);
        if (!n) {
            r.problem = TextConversion::BadUtf8;
            return r;
        }
        at += n;
        if (cp < 0x80) {
            r.text += static_cast<char>(cp);
            continue;
        }
        char out[2];
        const size_t m = cp > 0xFFFF ? 0 : codePage.fromUnit(static_cast<uint16_t>(cp), out);
        // Best-fit mappings give bytes that read back as another character.
        if (m == 0 || codePage.toUnit(out, m) != cp) {
            r.problem = TextConversion::NotInCodePage;
            r.character = cp;
            return r;
        }
        r.text.append(out, m);
    }
    return r;
}

std::string codePageToUtf8(const CodePage& codePage, const char* bytes, size_t size, bool& exact) {
    std::string out;
    for (size_t at = 0; at < size;) {
        uint16_t unit = 0;
        at += codePageCharacter(codePage, bytes, size, at, unit);
        if (unit == 0 || (unit >= 0xD800 && unit <= 0xDFFF)) {
            exact = false;
            unit = 0xFFFD;
        }
        appendUtf8(out, unit);
    }
    return out;
}

TextConversion checkCodePageText(const CodePage& codePage, const std::string& text) {
    TextConversion r{TextConversion::None, {}, 0};
    for (size_t at = 0; at < text.size();) {
        uint16_t unit = 0;
        const size_t n = codePageCharacter(codePage, text.data(), text.size(), at, unit);
        if (unit == 0) {
            r.problem = TextConversion::NotInCodePage;
            r.character = static_cast<unsigned char>(text[at]);
            return r;
        }
        r.text.append(text, at, n);
        at += n;
    }
    return r;
}

std::string characterName(uint32_t character) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "U+%04X", static_cast<unsigned>(character));
    return buf;
}
