// Any bytes as a settings file: the reader must refuse or load, never read
// past the input, and leave the document alone when it refuses.
#include "settingsfile.h"

#include <cstring>
#include <memory>

// The program's own signature, as its English resources give it.
static const char fuzzSignature[] = "QEBCODE001|ZOT|TAROVENQEBNS|ALL";

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static auto doc = std::make_unique<Document>();
    static auto before = std::make_unique<Document>();
    initImage(doc->image);
    *before = *doc;
    std::unique_ptr<uint8_t[]> exact(new uint8_t[size ? size : 1]);
    if (size) std::memcpy(exact.get(), data, size);
    if (loadSettingsBytes(*doc, exact.get(), size, fuzzSignature) != FileStatus::Ok) {
        if (std::memcmp(doc.get(), before.get(), sizeof(Document)) != 0) __builtin_trap();
        return 0;
    }
    unpackImage(*doc);
    packImage(*doc);
    std::vector<uint8_t> saved;
    buildSettingsFile(*doc, saved, fuzzSignature);
    // What we write, we must read back.
    if (loadSettingsBytes(*doc, saved.data(), saved.size(), fuzzSignature) != FileStatus::Ok)
        __builtin_trap();
    return 0;
}
