#pragma once
// The address book as a spreadsheet: the registered speed-dial keys as CSV
// rows (UTF-8 with a byte-order mark, CRLF), and such a file read back into a
// document under the registration dialog's rules.
#include "machineimage.h"
#include "textrules.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct CsvProblem {
    size_t line; // 0 when the problem is not on a line of the file
    std::string reason;
};

// The registered keys of an unpacked document as CSV. Passwords are left out
// unless asked for. Fails (with the key and field) when a text holds bytes
// that the code page has no character for, since the file could not hold them.
bool exportAddressBookCsv(const TextRules& rules, Document& doc, bool withPasswords,
                          std::string& csv, std::string& problem);

struct CsvImportOptions {
    // The file may be in the names' code page rather than UTF-8 (it is taken
    // as UTF-8 whenever it carries the mark or reads as UTF-8).
    bool codePageFile = false;
    // Keys that the file does not name are cleared instead of kept.
    bool replace = false;
};
// Checks every row; only when all pass are the keys written into the
// document's registers (the caller packs and saves). Returns the problems,
// at most one per row, in line order; the document is untouched when there
// are any. Keys named in the file replace the document's keys; a file without
// a password column keeps the password a key already has.
std::vector<CsvProblem> importAddressBookCsv(const TextRules& rules, const uint8_t* data,
                                             size_t size, const CsvImportOptions& options,
                                             Document& doc);

// Largest CSV file import reads: 50 keys at their widest are far below it.
constexpr size_t maxCsvFileSize = 4 * 1024 * 1024;
