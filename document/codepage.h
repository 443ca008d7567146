#pragma once
// Conversion between the ANSI code page the user types in and UTF-16.
// On Windows this is the process's ANSI code page; elsewhere a named code page
// through iconv, so that the Japanese rules can be tested natively.
#include <cstddef>
#include <cstdint>
#include <memory>

class CodePage {
  public:
    virtual ~CodePage() = default;
    // True when the byte starts a two-byte character in this code page.
    virtual bool isLeadByte(uint8_t byte) const = 0;
    // Converts one character (one or two bytes); returns its UTF-16 unit, or
    // 0 when the bytes are no character of the code page.
    virtual uint16_t toUnit(const char* bytes, size_t length) const = 0;
    // Converts one UTF-16 unit; writes up to 2 bytes and returns their count
    // (0 when the code page has no such character).
    virtual size_t fromUnit(uint16_t unit, char out[2]) const = 0;
};

// The ANSI code page of this process (Windows), or CP1252 elsewhere.
std::unique_ptr<CodePage> openAnsiCodePage();
// A code page by Windows number (1252, 932, 936, 950, 949); null when unavailable.
std::unique_ptr<CodePage> openCodePage(unsigned number);
