#include "addressbookcsv.h"

#include "codepage.h"
#include "csv.h"
#include "destination.h"
#include "entryfields.h"
#include "resource.h"
#include "speeddialrules.h"
#include "utf8text.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <memory>

namespace {

constexpr char keyColumn[] = "key";

std::string keyNumber(int keyIndex) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%03d", keyIndex + 1);
    return buf;
}

std::string lower(std::string s) {
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

std::string trimmed(const std::string& s) {
    const size_t first = s.find_first_not_of(" \t");
    if (first == std::string::npos) return "";
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

// Quotes a value for a message: printable ASCII as it is, other bytes escaped.
std::string shown(const std::string& text) {
    std::string s = "'";
    for (unsigned char c : text) {
        if (c < 0x20 || c == 0x7F) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\x%02X", c);
            s += buf;
        } else {
            s += static_cast<char>(c);
        }
    }
    return s + "'";
}

// ---------------------------------------------------------------- export

bool exportKey(const TextRules& rules, const DestinationEntry& e, int keyIndex,
               bool withPasswords, std::vector<std::string>& row, std::string& problem) {
    row.assign(1, keyNumber(keyIndex));
    for (int f = 0; f < entryFieldCount; ++f) {
        if (entryFields[f].secret && !withPasswords) continue;
        const std::string value = entryFieldValue(e, f);
        bool exact = true;
        row.push_back(codePageToUtf8(*rules.codePage, value.data(), value.size(), exact));
        if (!exact) {
            problem = "key " + keyNumber(keyIndex) + ": " + entryFields[f].column +
                      ": holds bytes that are no characters of the code page";
            return false;
        }
    }
    return true;
}

// ---------------------------------------------------------------- import

// Where each column of the file goes: the key number or an entry field.
struct Layout {
    int keyColumn = -1;
    int fieldColumn[entryFieldCount];
    size_t columns = 0;
    Layout() { std::fill(std::begin(fieldColumn), std::end(fieldColumn), -1); }
    bool has(int field) const { return fieldColumn[field] >= 0; }
};

bool readHeader(const CsvRow& header, Layout& layout, CsvProblem& problem) {
    layout.columns = header.fields.size();
    for (size_t c = 0; c < header.fields.size(); ++c) {
        const std::string title = lower(trimmed(header.fields[c]));
        int* slot = title == keyColumn ? &layout.keyColumn : nullptr;
        for (int f = 0; f < entryFieldCount && !slot; ++f)
            if (title == entryFields[f].column) slot = &layout.fieldColumn[f];
        if (!slot) {
            problem = {header.line, "the header names an unknown column " + shown(title)};
            return false;
        }
        if (*slot >= 0) {
            problem = {header.line, "the header names the column " + shown(title) + " twice"};
            return false;
        }
        *slot = static_cast<int>(c);
    }
    std::string missing = layout.keyColumn < 0 ? keyColumn : "";
    for (int f = 0; f < entryFieldCount && missing.empty(); ++f)
        if (!entryFields[f].secret && !layout.has(f)) missing = entryFields[f].column;
    if (!missing.empty()) {
        problem = {header.line, "the header has no column " + shown(missing) +
                                    " (the first row names the columns, as export writes them)"};
        return false;
    }
    return true;
}

// One row read into an entry. `failed` holds the first thing wrong with it.
struct ImportRow {
    size_t line;
    int keyIndex = -1;
    DestinationEntry entry{};
    std::string failed;
};

class RowReader {
  public:
    RowReader(const TextRules& rules, const Layout& layout, bool utf8, const CsvRow& row)
        : rules_(rules), layout_(layout), utf8_(utf8), row_(row) {}

    bool read(ImportRow& out) {
        out.line = row_.line;
        if (row_.fields.size() != layout_.columns)
            return fail(out, std::to_string(row_.fields.size()) + " columns, the header has " +
                                 std::to_string(layout_.columns));
        if (!readKey(out) || !readType(out)) return false;
        DestinationEntry& e = out.entry;
        const bool single = usesSingleByteNames(rules_);
        std::string name, name2, port;
        if (!text(out, fieldName, nameCapacity, name) ||
            !text(out, fieldName2, nameCapacity, name2))
            return false;
        if (!type(out, single ? IDC_SD_NAME_EDIT : IDC_SD_NAME2_EDIT, fieldName, name)) return false;
        if (single)
            std::memcpy(e.name2, name2.c_str(), name2.size() + 1);
        else if (!type(out, IDC_SD_NAME_EDIT, fieldName2, name2))
            return false;
        std::string address;
        if (!text(out, fieldAddress, addressCapacity, address) ||
            !type(out, IDC_SD_ADDRESS_EDIT, fieldAddress, address))
            return false;
        if (e.type == typeEmail) {
            if (!nothingElse(out, fieldDirectory)) return false;
        } else if (!readFileServer(out, port)) {
            return false;
        }
        return check(out, single ? name : name2, port, single);
    }

  private:
    bool fail(ImportRow& out, const std::string& reason) {
        out.failed = reason;
        return false;
    }
    bool failField(ImportRow& out, int field, const std::string& reason) {
        return fail(out, std::string(entryFields[field].column) + ": " + reason);
    }

    std::string raw(int field) const {
        return layout_.has(field) ? row_.fields[layout_.fieldColumn[field]] : std::string();
    }

    // A column's text in the names' code page, within the field's capacity.
    bool text(ImportRow& out, int field, size_t capacity, std::string& value) {
        const std::string r = raw(field);
        const TextConversion c =
            utf8_ ? utf8ToCodePage(*rules_.codePage, r) : checkCodePageText(*rules_.codePage, r);
        if (c.problem == TextConversion::BadUtf8) return failField(out, field, "invalid UTF-8");
        if (c.problem == TextConversion::NotInCodePage)
            return failField(out, field,
                             utf8_ ? "the character " + characterName(c.character) +
                                         " is not in the code page names are stored in"
                                   : "a byte that is no character of the code page");
        if (c.text.size() > capacity)
            return failField(out, field,
                             std::to_string(c.text.size()) + " bytes, at most " +
                                 std::to_string(capacity) + " fit");
        value = c.text;
        return true;
    }

    // What typing the text into the dialog's edit would do: a character its
    // filter removes is refused, not dropped.
    bool type(ImportRow& out, int control, int field, const std::string& value) {
        const Typed typed =
            typeIntoEntry(rules_, usesSingleByteNames(rules_), out.entry, control, value);
        if (typed.result.kind == FilterResult::Remove || typed.result.kind == FilterResult::Cut) {
            const size_t at = typed.result.position;
            return failField(out, field,
                             "the character " + characterAt(value, at) + " at position " +
                                 std::to_string(at + 1) + " is not accepted");
        }
        return true;
    }

    // The character at a byte offset of code page text, for a message.
    std::string characterAt(const std::string& text, size_t at) const {
        if (at >= text.size()) return "''";
        const unsigned char c = static_cast<unsigned char>(text[at]);
        if (c >= 0x20 && c < 0x7F) return shown(text.substr(at, 1));
        const size_t n = charLength(rules_.codePage, text, at);
        const uint16_t unit = rules_.codePage->toUnit(text.data() + at, n);
        return unit ? characterName(unit) : "byte " + characterName(c).substr(2);
    }

    bool readKey(ImportRow& out) {
        const std::string k = trimmed(row_.fields[layout_.keyColumn]);
        int n = 0;
        bool digits = !k.empty() && k.size() <= 3;
        for (char c : k) {
            digits = digits && c >= '0' && c <= '9';
            if (digits) n = n * 10 + (c - '0');
        }
        if (!digits || n < 1 || n > dialBlockCount)
            return fail(out, "key: " + shown(k) + " is not a key number from 1 to 50");
        out.keyIndex = n - 1;
        return true;
    }

    bool readType(ImportRow& out) {
        const std::string t = lower(trimmed(raw(fieldType)));
        uint8_t type = typeNone;
        for (uint8_t candidate : {typeEmail, typeFtp, typeSmb})
            if (t == typeWord(candidate)) type = candidate;
        if (type == typeNone)
            return failField(out, fieldType, shown(t) + " is not email, ftp or smb");
        const TypeChoice allowed = typesForKey(out.keyIndex);
        if (type == typeEmail && !allowed.email)
            return fail(out, "key " + keyNumber(out.keyIndex) +
                                 " cannot hold an e-mail destination (e-mail keys are 001 to 040)");
        if (type != typeEmail && !allowed.ftp)
            return fail(out, "key " + keyNumber(out.keyIndex) + " cannot hold an " +
                                 (type == typeFtp ? "FTP" : "SMB") +
                                 " destination (FTP and SMB keys are 041 to 050)");
        out.entry.type = type;
        return true;
    }

    // Columns from `first` on must be empty: the key's type keeps no such field.
    bool nothingElse(ImportRow& out, int first, int last = entryFieldCount) {
        for (int f = first; f < last; ++f)
            if (!trimmed(raw(f)).empty())
                return failField(out, f,
                                 std::string("a ") + typeWord(out.entry.type) +
                                     " key keeps no such field; leave it empty");
        return true;
    }

    bool onOff(ImportRow& out, int field, uint8_t& value) {
        const std::string v = lower(trimmed(raw(field)));
        if (v.empty() || v == "off" || v == "no" || v == "0" || v == "false")
            value = 0;
        else if (v == "on" || v == "yes" || v == "1" || v == "true")
            value = 1;
        else
            return failField(out, field, shown(v) + " is neither on nor off");
        return true;
    }

    bool readFileServer(ImportRow& out, std::string& port) {
        DestinationEntry& e = out.entry;
        std::string value;
        if (!text(out, fieldDirectory, directoryCapacity, value) ||
            !type(out, IDC_SD_DIRECTORY_EDIT, fieldDirectory, value))
            return false;
        if (e.type == typeFtp) {
            port = trimmed(raw(fieldPort));
            if (!type(out, IDC_SD_PORT_EDIT, fieldPort, port) || !onOff(out, fieldUseProxy, e.useProxy))
                return false;
        } else if (!nothingElse(out, fieldPort, fieldUseProxy + 1)) {
            return false;
        }
        const std::string account = lower(trimmed(raw(fieldAccount)));
        if (account.empty() || account == "anonymous")
            e.accountMode = 1;
        else if (account == "private")
            e.accountMode = 0;
        else
            return failField(out, fieldAccount, shown(account) + " is neither anonymous nor private");
        if (!text(out, fieldUserName, accountCapacity, value) ||
            !type(out, IDC_SD_USER_EDIT, fieldUserName, value) ||
            !text(out, fieldPassword, accountCapacity, value) ||
            !type(out, IDC_SD_PASSWORD_EDIT, fieldPassword, value) ||
            !onOff(out, fieldNotification, e.notify))
            return false;
        for (int i = 0; i < notificationCount; ++i)
            if (!text(out, fieldNotify1 + i, addressCapacity, value) ||
                !type(out, IDC_SD_NOTIFY1_EDIT + 2 * i, fieldNotify1 + i, value))
                return false;
        return true;
    }

    // The checks OK runs in the registration dialog, in its order.
    bool check(ImportRow& out, const std::string& nameEdit, const std::string& port, bool single) {
        const EntryCheck c = checkEntry(rules_, out.entry, nameEdit, port);
        const DestinationEntry& e = out.entry;
        switch (c.kind) {
        case EntryCheck::Pass: {
            // The dialog puts the checked name back into its edit: two-byte
            // characters moved to even offsets, as the machine reads them.
            char* field = single ? out.entry.name : out.entry.name2;
            std::memcpy(field, c.nameText.c_str(), std::min(c.nameText.size(), nameCapacity) + 1);
            field[nameCapacity] = '\0';
            return true;
        }
        case EntryCheck::NameCleaned:
            return failField(out, single ? fieldName : fieldName2,
                             "holds characters the machine cannot store");
        case EntryCheck::AddressMissing:
            return failField(out, fieldAddress, "missing; every key needs an address");
        case EntryCheck::AddressInvalid:
            return failField(out, fieldAddress, shown(e.address) + " is not an e-mail address");
        case EntryCheck::NotificationMissing:
            return failField(out, fieldNotification, "on, but no notification address is given");
        case EntryCheck::NotificationInvalid: {
            const int i = (c.control - IDC_SD_NOTIFY1_EDIT) / 2;
            return failField(out, fieldNotify1 + i,
                             shown(e.notifyAddress[i]) + " is not an e-mail address");
        }
        case EntryCheck::PortMissing:
            return failField(out, fieldPort, "missing; an FTP key needs a port from 1 to 65535");
        case EntryCheck::PortOutOfRange:
            return failField(out, fieldPort, shown(port) + " is not within 1 to 65535");
        }
        return true;
    }

    const TextRules& rules_;
    const Layout& layout_;
    bool utf8_;
    const CsvRow& row_;
};

// Two keys reach the same place: the same e-mail address, or the same server
// (type, address, directory and port) for file-server keys.
bool sameDestination(const DestinationEntry& a, const DestinationEntry& b) {
    if (a.type != b.type || lower(a.address) != lower(b.address)) return false;
    if (a.type == typeEmail) return true;
    return std::strcmp(a.directory, b.directory) == 0 && a.port == b.port;
}

size_t lineOf(const uint8_t* data, size_t offset) {
    return 1 + static_cast<size_t>(std::count(data, data + offset, '\n'));
}

} // namespace

bool exportAddressBookCsv(const TextRules& rules, Document& doc, bool withPasswords,
                          std::string& csv, std::string& problem) {
    std::string out = utf8Mark;
    std::vector<std::string> row{keyColumn};
    for (const EntryField& f : entryFields)
        if (!f.secret || withPasswords) row.push_back(f.column);
    appendCsvRow(out, row);
    DestinationEntry e;
    for (int k = 0; k < dialBlockCount; ++k) {
        decodeDestination(rules, doc.registers, e, k);
        if (!isRegistered(doc.registers, k)) continue;
        if (!exportKey(rules, e, k, withPasswords, row, problem)) return false;
        appendCsvRow(out, row);
    }
    csv = std::move(out);
    return true;
}

std::vector<CsvProblem> importAddressBookCsv(const TextRules& rules, const uint8_t* data,
                                             size_t size, const CsvImportOptions& options,
                                             Document& doc) {
    const bool marked = size >= utf8MarkSize && std::memcmp(data, utf8Mark, utf8MarkSize) == 0;
    if (marked) {
        data += utf8MarkSize;
        size -= utf8MarkSize;
    }
    const size_t bad = firstBadUtf8(reinterpret_cast<const char*>(data), size);
    const bool utf8 = bad == size;
    if (!utf8 && (marked || !options.codePageFile))
        return {{lineOf(data, bad),
                 marked ? "invalid UTF-8"
                        : "invalid UTF-8 (for a file in an ANSI code page give --codepage N)"}};

    std::vector<CsvRow> rows;
    CsvError error;
    if (!readCsv(data, size, CsvLimits(), rows, error)) return {{error.line, error.reason}};
    if (rows.empty()) return {{0, "no header row: the file is empty"}};
    Layout layout;
    CsvProblem headerProblem;
    if (!readHeader(rows[0], layout, headerProblem)) return {headerProblem};

    std::vector<ImportRow> read(rows.size() - 1);
    std::vector<CsvProblem> problems;
    for (size_t i = 1; i < rows.size(); ++i) {
        ImportRow& r = read[i - 1];
        if (!RowReader(rules, layout, utf8, rows[i]).read(r)) problems.push_back({r.line, r.failed});
    }

    // What the address book will hold: the file's keys over the document's.
    auto existing = std::make_unique<RegisterArrays>(doc.registers);
    DestinationEntry kept[dialBlockCount];
    bool keptRegistered[dialBlockCount];
    for (int k = 0; k < dialBlockCount; ++k) {
        decodeDestination(rules, *existing, kept[k], k);
        keptRegistered[k] = isRegistered(*existing, k);
    }
    const ImportRow* named[dialBlockCount] = {};
    for (ImportRow& r : read) {
        if (!r.failed.empty()) continue;
        if (const ImportRow* first = named[r.keyIndex]) {
            problems.push_back({r.line, "key " + keyNumber(r.keyIndex) +
                                            " is named twice (first on line " +
                                            std::to_string(first->line) + ")"});
            r.failed = "twice";
            continue;
        }
        named[r.keyIndex] = &r;
        if (!layout.has(fieldPassword) && keptRegistered[r.keyIndex] && isLongKey(r.keyIndex))
            std::memcpy(r.entry.password, kept[r.keyIndex].password, sizeof r.entry.password);
    }
    for (const ImportRow& r : read) {
        if (!r.failed.empty()) continue;
        for (int k = 0; k < dialBlockCount; ++k) {
            if (k == r.keyIndex) continue;
            const ImportRow* other = named[k];
            const bool otherFirst = other && other->line < r.line;
            const bool keptKey = !other && !options.replace && keptRegistered[k];
            if (!otherFirst && !keptKey) continue;
            if (!sameDestination(r.entry, otherFirst ? other->entry : kept[k])) continue;
            problems.push_back(
                {r.line, "address " + shown(r.entry.address) + " is registered twice: also on key " +
                             keyNumber(k) +
                             (otherFirst ? " (line " + std::to_string(other->line) + ")"
                                         : ", which the file keeps")});
            break;
        }
    }
    if (!problems.empty()) {
        std::stable_sort(problems.begin(), problems.end(),
                         [](const CsvProblem& a, const CsvProblem& b) { return a.line < b.line; });
        return problems;
    }

    for (int k = 0; k < dialBlockCount; ++k) {
        if (named[k]) {
            DestinationEntry e = named[k]->entry;
            encodeDestination(rules, doc.registers, k, e);
        } else if (options.replace) {
            std::memset(destinationRecord(doc.registers, k), 0, destinationRecordSize(k));
        }
    }
    return {};
}
