// Any bytes as the file an address book is imported from: only the 50
// register blocks may change, and only when the import succeeds.
#include "settingsfile.h"

#include <cstring>
#include <memory>

// The program's own signature, as its English resources give it.
static const char fuzzSignature[] = "QEBCODE001|ZOT|TAROVENQEBNS|ALL";

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static auto doc = std::make_unique<Document>();
    static auto before = std::make_unique<Document>();
    initImage(doc->image);
    doc->image.blocks[60].blockLength = 4;
    std::memset(doc->image.blocks[60].data, 0x5A, 4);
    *before = *doc;
    std::unique_ptr<uint8_t[]> exact(new uint8_t[size ? size : 1]);
    if (size) std::memcpy(exact.get(), data, size);
    FileStatus s = importAddressBookBytes(*doc, exact.get(), size, fuzzSignature);
    const size_t registers = sizeof(ImageBlock) * dialBlockCount;
    const uint8_t* a = reinterpret_cast<const uint8_t*>(doc.get());
    const uint8_t* b = reinterpret_cast<const uint8_t*>(before.get());
    if (std::memcmp(a + registers, b + registers, sizeof(Document) - registers) != 0)
        __builtin_trap();
    if (s != FileStatus::Ok && std::memcmp(a, b, registers) != 0) __builtin_trap();
    return 0;
}
