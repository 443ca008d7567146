#include "textrules.h"

#include "codepage.h"
#include "namecodetable.h"

#include <cstring>

namespace {

int dialCode(char c) {
    const char* p = c ? std::strchr(dialAlphabet, c) : nullptr;
    return p ? static_cast<int>(p - dialAlphabet) : 0;
}

// The closing pair (0x0001, 0x0000) marks the end of the table, not a character.
const NameCodePair* findByCode(uint16_t code) {
    for (const NameCodePair& p : nameCodeTable)
        if (p.code == code && p.unit != 0x0001) return &p;
    return nullptr;
}

const NameCodePair* findByUnit(uint16_t unit) {
    for (const NameCodePair& p : nameCodeTable)
        if (p.unit == unit && p.unit != 0x0001) return &p;
    return nullptr;
}

bool isPrintableAscii(uint8_t b) {
    return b >= 0x20 && b <= 0x7E;
}
bool isNameAscii(uint8_t b) {
    return isPrintableAscii(b) && b != '\\';
}

// Latin-1 letters a machine with a Western panel can show in a name.
bool isAcceptedLatin1(uint16_t unit) {
    static const uint16_t accepted[] = {
        0xFC, 0xE9, 0xE4, 0xE0, 0xE7, 0xEE, 0xC4, 0xC5, 0xC9, 0xC6, 0xF6, 0xD6, 0xDC, 0xD1,
        0xBF, 0xE6, 0xED, 0xC7, 0xFA, 0xE8, 0xB0, 0xDF, 0xEC, 0xF1, 0xF2, 0xF9, 0xE5, 0xA3,
        0xD8, 0xF8, 0xE2, 0xF4, 0xFB, 0xFF, 0xE1, 0xF3, 0xA2, 0xA5, 0xC3, 0xE3, 0xF5};
    for (uint16_t a : accepted)
        if (a == unit) return true;
    return false;
}

uint16_t unitAt(const CodePage* cp, const std::string& text, size_t i, size_t len) {
    uint8_t b = static_cast<uint8_t>(text[i]);
    if (!cp) return b;
    return cp->toUnit(text.data() + i, len);
}

FilterResult accept() {
    return {FilterResult::Accept, 0, 0};
}

template <typename Pred> FilterResult firstRefusedByte(const std::string& text, Pred accepted) {
    for (size_t i = 0; i < text.size(); ++i)
        if (!accepted(static_cast<uint8_t>(text[i]))) return {FilterResult::Remove, i, 1};
    return accept();
}

// The shared walk of the whole-field name checks. `passes` decides a
// two-byte character; `singleRemoved` says which high bytes stand alone.
template <typename Pass>
NameCheck cleanName(const TextRules& rules, const std::string& field, Pass passes) {
    std::string text = field.substr(0, nameFieldBytes);
    NameCheck out{std::string(), false};
    size_t i = 0;
    while (i < text.size()) {
        uint8_t b = static_cast<uint8_t>(text[i]);
        if (b < 0x80) {
            if (isNameAscii(b))
                out.text += static_cast<char>(b);
            else
                out.removed = true;
            ++i;
            continue;
        }
        bool lead = rules.codePage && rules.codePage->isLeadByte(b);
        if (!lead || i + 1 >= text.size()) {
            out.removed = true; // a single high byte, or a character cut by the 20-byte limit
            ++i;
            continue;
        }
        uint8_t pair[2] = {b, static_cast<uint8_t>(text[i + 1])};
        i += 2;
        if (!passes(pair)) {
            out.removed = true;
            continue;
        }
        size_t pad = out.text.size() % 2;
        if (out.text.size() + pad + 2 > nameFieldBytes) {
            out.removed = true; // it would not fit whole
            continue;
        }
        if (pad) out.text += ' ';
        out.text += static_cast<char>(pair[0]);
        out.text += static_cast<char>(pair[1]);
    }
    return out;
}

} // namespace

size_t charLength(const CodePage* cp, const std::string& text, size_t i) {
    return charLength(cp, text.data(), text.size(), i);
}

size_t charLength(const CodePage* cp, const char* text, size_t size, size_t i) {
    const uint8_t b = static_cast<uint8_t>(text[i]);
    if (cp && cp->isLeadByte(b) && i + 1 < size) return 2;
    return 1;
}

void decodeDialDigits(char* text, const uint8_t* packed, size_t count) {
    size_t n = 0;
    for (size_t i = 0; i < (count + 1) / 2; ++i) {
        text[n++] = dialAlphabet[packed[i] & 0x0F];
        text[n++] = dialAlphabet[packed[i] >> 4];
    }
    text[count] = '\0';
}

void encodeDialDigits(uint8_t* packed, const char* text, size_t count) {
    bool ended = false;
    for (size_t i = 0; i < (count + 1) / 2; ++i) {
        int code[2];
        for (int half = 0; half < 2; ++half) {
            char c = ended ? '\0' : text[2 * i + half];
            if (c == '\0') ended = true;
            code[half] = dialCode(c);
        }
        packed[i] = static_cast<uint8_t>(code[0] | (code[1] << 4));
    }
}

size_t name2ToDisplay(const TextRules& rules, const uint8_t* stored, size_t length, char* text,
                      size_t capacity) {
    if (capacity == 0) return 0;
    size_t n = 0;
    if (!rules.is("JAPANESE")) {
        n = length < capacity - 1 ? length : capacity - 1;
        std::memcpy(text, stored, n);
        text[n] = '\0';
        return n;
    }
    for (size_t i = 0; i < length; i += 2) { // `stored` holds length rounded up to even
        uint16_t code = static_cast<uint16_t>(stored[i] | (stored[i + 1] << 8));
        char out[2] = {static_cast<char>(stored[i]), static_cast<char>(stored[i + 1])};
        size_t len = 2;
        if (const NameCodePair* p = findByCode(code)) {
            len = rules.codePage ? rules.codePage->fromUnit(p->unit, out) : 0;
            if (len == 0) {
                out[0] = static_cast<char>(stored[i]);
                out[1] = static_cast<char>(stored[i + 1]);
                len = 2;
            }
        }
        if (n + len > capacity - 1) break;
        std::memcpy(text + n, out, len);
        n += len;
    }
    text[n] = '\0';
    return std::strlen(text);
}

size_t displayToName2(const TextRules& rules, const char* text, uint8_t* stored, size_t capacity) {
    std::memset(stored, 0, capacity);
    size_t textLength = std::strlen(text);
    if (!rules.is("JAPANESE")) {
        size_t n = textLength < capacity ? textLength : capacity;
        std::memcpy(stored, text, n);
        return n;
    }
    size_t n = 0;
    for (size_t i = 0; i < textLength && n < capacity;) {
        uint8_t b = static_cast<uint8_t>(text[i]);
        if (isPrintableAscii(b)) {
            stored[n++] = b;
            ++i;
            continue;
        }
        size_t len = i + 1 < textLength ? 2 : 1;
        uint16_t unit = rules.codePage ? rules.codePage->toUnit(text + i, len) : 0;
        const NameCodePair* p = unit ? findByUnit(unit) : nullptr;
        uint16_t code = p ? p->code : 0;
        if (n + 2 > capacity) break;
        stored[n++] = static_cast<uint8_t>(code);
        stored[n++] = static_cast<uint8_t>(code >> 8);
        i += len;
    }
    size_t length = 0;
    while (length < capacity && stored[length])
        ++length;
    return length;
}

bool isMachineCharacter(const TextRules& rules, const char* twoBytes) {
    if (!rules.codePage) return false;
    uint16_t unit = rules.codePage->toUnit(twoBytes, 2);
    return unit != 0 && findByUnit(unit) != nullptr;
}

int usesSingleName(const TextRules& rules) {
    return rules.is("TCHINESE") || rules.is("SCHINESE") || rules.is("KOREAN") ||
                   rules.is("JAPANESE")
               ? 0
               : 1;
}

bool isValidEmail(const char* text) {
    if (!text || !*text) return false;
    int at = 0;
    bool dot = false;
    for (const char* p = text; *p; ++p) {
        if (*p == '@') ++at;
        if (*p == '.') dot = true;
    }
    return at == 1 && dot;
}

void applyFilter(std::string& text, const FilterResult& result) {
    if (result.position > text.size()) return;
    if (result.kind == FilterResult::Remove)
        text.erase(result.position, result.length);
    else if (result.kind == FilterResult::Cut)
        text.erase(result.position);
}

FilterResult filterDialText(const std::string& text, bool restricted) {
    return firstRefusedByte(text, [restricted](uint8_t c) {
        if ((c >= '0' && c <= '9') || c == '*' || c == '#') return true;
        return !restricted && (c == 'P' || c == ' ' || c == '-');
    });
}

FilterResult filterDigits(const std::string& text) {
    if (text.empty()) return {FilterResult::Empty, 0, 0};
    return firstRefusedByte(text, [](uint8_t c) { return c >= '0' && c <= '9'; });
}

FilterResult filterAddressText(const std::string& text) {
    return firstRefusedByte(
        text, [](uint8_t c) { return isPrintableAscii(c) && !std::strchr(",:;<>\"\\", c); });
}

FilterResult filterNameText(const TextRules& rules, const std::string& text) {
    const bool japanese = rules.is("JAPANESE");
    for (size_t i = 0; i < text.size();) {
        size_t len = charLength(rules.codePage, text, i);
        uint16_t unit = unitAt(rules.codePage, text, i, len);
        uint8_t b = static_cast<uint8_t>(text[i]);
        if (japanese) {
            if (unit >= 256 && !(unit >= 0xFF66 && unit <= 0xFF9F))
                return {FilterResult::Cut, i, 0};
            if (!isNameAscii(b) && !(b >= 0xA1 && b <= 0xDF)) {
                if (b == 0x81 || b == 0x83) return {FilterResult::Cut, i, 0};
                return {FilterResult::Remove, i, 1};
            }
        } else {
            if (unit >= 256) return {FilterResult::Cut, i, 0};
            bool ok =
                isNameAscii(b) || (!rules.is("TCHINESE") && len == 1 && isAcceptedLatin1(unit));
            if (!ok) return {FilterResult::Remove, i, len};
        }
        i += len;
    }
    return accept();
}

NameCheck checkJapaneseName(const TextRules& rules, const std::string& text) {
    return cleanName(rules, text, [&rules](const uint8_t* pair) {
        char c[2] = {static_cast<char>(pair[0]), static_cast<char>(pair[1])};
        return isMachineCharacter(rules, c);
    });
}

NameCheck checkSimplifiedChineseName(const TextRules& rules, const std::string& text) {
    return cleanName(rules, text, [](const uint8_t* p) {
        bool lead = (p[0] >= 0xA1 && p[0] <= 0xA9) || (p[0] >= 0xB0 && p[0] <= 0xF7);
        return lead && p[1] >= 0xA0 && !(p[0] == 0xA8 && p[1] == 0xC0);
    });
}

NameCheck checkTraditionalChineseName(const TextRules& rules, const std::string& text) {
    // The four box-drawing corners of the Big5 extension become their standard twins.
    std::string mapped = text.substr(0, nameFieldBytes);
    for (size_t i = 0; i + 1 < mapped.size(); ++i) {
        uint8_t a = static_cast<uint8_t>(mapped[i]);
        if (a < 0x80) continue;
        uint8_t t = static_cast<uint8_t>(mapped[i + 1]);
        if (a == 0xF9) {
            static const uint8_t from[] = {0xF9, 0xE9, 0xEA, 0xEB};
            for (int k = 0; k < 4; ++k)
                if (t == from[k]) {
                    mapped[i] = static_cast<char>(0xA2);
                    mapped[i + 1] = static_cast<char>(0xA4 + k);
                }
        }
        ++i; // skip the trail byte
    }
    return cleanName(rules, mapped, [](const uint8_t* p) {
        if (p[0] >= 0xA1 && p[0] <= 0xD6) return (p[1] >= 0x40 && p[1] <= 0x7F) || p[1] >= 0xA0;
        return p[0] == 0xD7 && p[1] >= 0x40 && p[1] <= 0x5F;
    });
}

NameCheck checkNameForLanguage(const TextRules& rules, const std::string& text) {
    if (rules.is("JAPANESE")) return checkJapaneseName(rules, text);
    if (rules.is("SCHINESE")) return checkSimplifiedChineseName(rules, text);
    if (rules.is("TCHINESE")) return checkTraditionalChineseName(rules, text);
    return {text, false};
}

IntegerCheck checkIntegerText(const std::string& text, long low, long high) {
    std::string t = text.substr(0, 128);
    if (t.empty()) return {IntegerCheck::Empty, 0};
    size_t i = 0;
    while (i < t.size() && (t[i] == ' ' || t[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < t.size() && (t[i] == '-' || t[i] == '+')) negative = t[i++] == '-';
    long long value = 0;
    for (; i < t.size() && t[i] >= '0' && t[i] <= '9'; ++i) {
        if (value > 100000000000LL) break; // far outside any field's range; stop before overflow
        value = value * 10 + (t[i] - '0');
    }
    if (negative) value = -value;
    if (value < low || value > high) return {IntegerCheck::OutOfRange, value};
    return {IntegerCheck::Ok, value};
}
