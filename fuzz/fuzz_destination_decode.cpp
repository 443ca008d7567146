// Any bytes as a key's record, short and long, under the English and the
// Japanese name rules: decoding stays inside every field, and what decodes
// encodes again.
#include "codepage.h"
#include "destination.h"
#include "textrules.h"

#include <cstring>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static auto regs = std::make_unique<RegisterArrays>();
    static std::unique_ptr<CodePage> cp932 = openCodePage(932);
    static std::unique_ptr<CodePage> cp1252 = openCodePage(1252);
    if (size < 1) return 0;
    TextRules rules{data[0] & 1 ? "JAPANESE" : "ENGLISH", data[0] & 1 ? cp932.get() : cp1252.get()};
    int key = data[0] & 2 ? 45 : 7;
    std::memset(regs.get(), 0, sizeof(RegisterArrays));
    uint8_t* r = destinationRecord(*regs, key);
    size_t n = size - 1 < destinationRecordSize(key) ? size - 1 : destinationRecordSize(key);
    std::memcpy(r, data + 1, n);
    DestinationEntry e;
    decodeDestination(rules, *regs, e, key);
    if (std::strlen(e.address) > addressCapacity || std::strlen(e.name2) > nameCapacity)
        __builtin_trap();
    if (e.type != 0) encodeDestination(rules, *regs, key, e);
    return 0;
}
