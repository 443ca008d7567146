#pragma once
// What differs between two documents: key by key (added, removed, changed
// field by field), setting by setting and in the configuration record.
// Passwords are compared but never shown.
#include "machineimage.h"
#include "textrules.h"

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

struct Difference {
    enum Part { Kind, Key, Setting, Configuration } part;
    enum Change { Added, Removed, Changed } change;
    int key;             // Key: the key index
    std::string field;   // the field, setting or byte that differs
    std::string from;    // the values as text in the names' code page;
    std::string to;      // empty for a secret
    bool secret;
    // An added or removed key's fields (those its type keeps, passwords left
    // out): JSON member name and value.
    std::vector<std::pair<std::string, std::string>> entry;
};

// Which parts are compared. Settings and the configuration record are
// compared only when both documents are full.
struct DiffScope {
    bool kind = true;
    bool settings = true;
    bool configuration = true;
};

// Both documents are unpacked; their keys are decoded (and so normalised).
std::vector<Difference> diffDocuments(const TextRules& rules, Document& a, Document& b,
                                      const DiffScope& scope = DiffScope());

// One line per difference, such as `key 041: port: "21" -> "2121"`.
void printDifferences(FILE* out, const std::vector<Difference>& differences);
// {"same": bool, "differences": [...]}, strings converted to UTF-8.
std::string differencesJson(const TextRules& rules, const std::vector<Difference>& differences);

// A setting's value as text: numbers in decimal, addresses dotted, texts as
// stored. `index` counts the settings blocks from 0.
std::string settingValueText(const Document& doc, int index);
bool isSecretSetting(int index);
// Code page text to UTF-8 for JSON output (U+FFFD for bytes that are no characters).
std::string jsonText(const TextRules& rules, const std::string& text);
// Printable ASCII as it is, other bytes escaped, in double quotes.
std::string quotedText(const std::string& text);
