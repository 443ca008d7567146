// Any bytes as a CSV file to import: the reader and the row checks must
// refuse or import, never read past the input, and leave the document alone
// when they refuse. What they import, export must write and import must read
// back to the same keys. The first byte picks the language and options.
#include "addressbookcsv.h"
#include "codepage.h"
#include "destination.h"
#include "textrules.h"

#include <cstring>
#include <memory>

namespace {

struct Setup {
    std::unique_ptr<CodePage> western = openCodePage(1252);
    std::unique_ptr<CodePage> japanese = openCodePage(932);
    TextRules rules[2] = {{"ENGLISH", western.get()}, {"JAPANESE", japanese.get()}};
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static Setup setup;
    static auto doc = std::make_unique<Document>();
    static auto before = std::make_unique<Document>();
    static auto again = std::make_unique<Document>();
    if (size == 0) return 0;
    const TextRules& rules = setup.rules[data[0] & 1];
    CsvImportOptions options;
    options.codePageFile = (data[0] & 2) != 0;
    options.replace = (data[0] & 4) != 0;
    ++data;
    --size;

    std::memset(doc.get(), 0, sizeof(Document));
    initImage(doc->image);
    *before = *doc;
    std::unique_ptr<uint8_t[]> exact(new uint8_t[size ? size : 1]);
    if (size) std::memcpy(exact.get(), data, size);
    if (!importAddressBookCsv(rules, exact.get(), size, options, *doc).empty()) {
        if (std::memcmp(doc.get(), before.get(), sizeof(Document)) != 0) __builtin_trap();
        return 0;
    }
    std::string csv, problem;
    if (!exportAddressBookCsv(rules, *doc, true, csv, problem)) __builtin_trap();
    *again = *before;
    CsvImportOptions plain;
    if (!importAddressBookCsv(rules, reinterpret_cast<const uint8_t*>(csv.data()), csv.size(),
                              plain, *again)
             .empty())
        __builtin_trap();
    // Export decoded every key, which normalises the free ones; so must the copy.
    normaliseDestinations(rules, again->registers);
    if (std::memcmp(&again->registers, &doc->registers, sizeof(RegisterArrays)) != 0)
        __builtin_trap();
    return 0;
}
