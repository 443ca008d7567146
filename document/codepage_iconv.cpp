#include "codepage.h"

#include <cerrno>
#include <iconv.h>
#include <string>

namespace {

// Each direction keeps its own iconv descriptor; conversions are stateless
// single characters, so reusing them is safe.
class IconvCodePage final : public CodePage {
  public:
    IconvCodePage(iconv_t toUtf16, iconv_t fromUtf16) : to_(toUtf16), from_(fromUtf16) {
        for (int b = 0; b < 256; ++b)
            lead_[b] = probeLead(static_cast<uint8_t>(b));
    }
    ~IconvCodePage() override {
        iconv_close(to_);
        iconv_close(from_);
    }
    bool isLeadByte(uint8_t byte) const override { return lead_[byte]; }

    uint16_t toUnit(const char* bytes, size_t length) const override {
        if (length == 0 || length > 2) return 0;
        char in[2] = {bytes[0], length > 1 ? bytes[1] : '\0'};
        unsigned char out[8];
        char* ip = in;
        char* op = reinterpret_cast<char*>(out);
        size_t il = length, ol = sizeof out;
        iconv(to_, nullptr, nullptr, nullptr, nullptr);
        if (iconv(to_, &ip, &il, &op, &ol) == static_cast<size_t>(-1) || il != 0) return 0;
        if (sizeof out - ol != 2) return 0; // outside the basic plane
        return static_cast<uint16_t>(out[0] | (out[1] << 8));
    }

    size_t fromUnit(uint16_t unit, char out[2]) const override {
        unsigned char in[2] = {static_cast<unsigned char>(unit),
                               static_cast<unsigned char>(unit >> 8)};
        char buf[8];
        char* ip = reinterpret_cast<char*>(in);
        char* op = buf;
        size_t il = 2, ol = sizeof buf;
        iconv(from_, nullptr, nullptr, nullptr, nullptr);
        if (iconv(from_, &ip, &il, &op, &ol) == static_cast<size_t>(-1)) return 0;
        size_t n = sizeof buf - ol;
        if (n == 0 || n > 2) return 0;
        out[0] = buf[0];
        if (n == 2) out[1] = buf[1];
        return n;
    }

  private:
    // A lead byte is one that is incomplete on its own but completes with some trail.
    bool probeLead(uint8_t b) const {
        if (b < 0x80) return false;
        char in[1] = {static_cast<char>(b)};
        char out[8];
        char* ip = in;
        char* op = out;
        size_t il = 1, ol = sizeof out;
        iconv(to_, nullptr, nullptr, nullptr, nullptr);
        size_t r = iconv(to_, &ip, &il, &op, &ol);
        if (r != static_cast<size_t>(-1)) return false;
        if (errno != EINVAL) return false;
        for (int t = 0x40; t < 0x100; ++t) {
            char pair[2] = {static_cast<char>(b), static_cast<char>(t)};
            if (toUnit(pair, 2) != 0) return true;
        }
        return false;
    }

    iconv_t to_;
    iconv_t from_;
    bool lead_[256];
};

} // namespace

std::unique_ptr<CodePage> openCodePage(unsigned number) {
    std::string name = "CP" + std::to_string(number);
    iconv_t to = iconv_open("UTF-16LE", name.c_str());
    if (to == reinterpret_cast<iconv_t>(-1)) return nullptr;
    iconv_t from = iconv_open(name.c_str(), "UTF-16LE");
    if (from == reinterpret_cast<iconv_t>(-1)) {
        iconv_close(to);
        return nullptr;
    }
    return std::make_unique<IconvCodePage>(to, from);
}

std::unique_ptr<CodePage> openAnsiCodePage() {
    return openCodePage(1252);
}
