#pragma once
// The address book as comma-separated text for other address-book software:
// a header line of seven column titles, then one line per fax entry of the
// fax one-touch and fax speed-dial stores.
#include "fileio.h"
#include "machineimage.h"

#include <string>

struct TextRules;

constexpr int csvColumnCount = 7;
// Each title is read into a buffer of this many characters.
constexpr int csvTitleCapacity = 66;

// Fields are joined with "," as they are: a comma inside a name moves the
// rest of that line one column on, as the software reading the file expects.
std::string addressBookCsv(const TextRules& rules, const RegisterArrays& registers,
                           const std::string (&titles)[csvColumnCount]);

// Writes the text as a settings file is written: a failure leaves an existing
// file as it was and no half-written one.
IoStatus writeAddressBookCsv(const char* path, const std::string& text);
