// The Windows side of the code-page interface: the process's ANSI code page.
#include "codepage.h"

#include <windows.h>

namespace {

class WindowsCodePage final : public CodePage {
  public:
    explicit WindowsCodePage(UINT cp) : cp_(cp) {}
    bool isLeadByte(uint8_t byte) const override { return IsDBCSLeadByteEx(cp_, byte) != 0; }

    uint16_t toUnit(const char* bytes, size_t length) const override {
        if (length == 0 || length > 2) return 0;
        WCHAR out[2];
        int n =
            MultiByteToWideChar(cp_, MB_ERR_INVALID_CHARS, bytes, static_cast<int>(length), out, 2);
        return n == 1 ? static_cast<uint16_t>(out[0]) : 0;
    }

    size_t fromUnit(uint16_t unit, char out[2]) const override {
        WCHAR in = static_cast<WCHAR>(unit);
        BOOL lossy = FALSE;
        char buf[4];
        int n = WideCharToMultiByte(cp_, 0, &in, 1, buf, sizeof buf, nullptr,
                                    cp_ == CP_UTF8 ? nullptr : &lossy);
        if (n <= 0 || n > 2 || lossy) return 0;
        out[0] = buf[0];
        if (n == 2) out[1] = buf[1];
        return static_cast<size_t>(n);
    }

  private:
    UINT cp_;
};

} // namespace

std::unique_ptr<CodePage> openAnsiCodePage() {
    return std::make_unique<WindowsCodePage>(GetACP());
}

std::unique_ptr<CodePage> openCodePage(unsigned number) {
    if (!IsValidCodePage(number)) return nullptr;
    return std::make_unique<WindowsCodePage>(number);
}
