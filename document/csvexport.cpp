#include "csvexport.h"

#include "faxstores.h"

namespace {

const char lineEnd[] = "\r\n";

void appendEntryLine(std::string& out, const DialEntry& entry) {
    // Name in the first column, fax number in the fifth, the rest empty.
    out += entry.name;
    out += ",,,,";
    out += entry.faxNumber;
    out += ",,";
    out += lineEnd;
}

bool isFaxEntryWithNumber(const DialEntry& entry) {
    return !entry.email && entry.name[0] != '\0' && entry.faxNumber[0] != '\0';
}

} // namespace

std::string addressBookCsv(const TextRules& rules, const RegisterArrays& registers,
                           const std::string (&titles)[csvColumnCount]) {
    std::string out;
    for (int column = 0; column < csvColumnCount; ++column) {
        if (column) out += ',';
        out += titles[column];
    }
    out += lineEnd;
    DialEntry entry;
    for (int i = 0; i < faxOneTouchCount; ++i) {
        const uint8_t* record = faxOneTouchRecord(registers, i);
        decodeDialEntry(rules, record, entry);
        if (isFaxEntryWithNumber(entry) && !(record[faxrec::flags] & faxFlagReserved))
            appendEntryLine(out, entry);
    }
    for (int i = 0; i < faxSpeedDialCount; ++i) {
        decodeDialEntry(rules, faxSpeedDialRecord(registers, i), entry);
        if (isFaxEntryWithNumber(entry)) appendEntryLine(out, entry);
    }
    return out;
}

IoStatus writeAddressBookCsv(const char* path, const std::string& text) {
    return writeFileReplacing(path, reinterpret_cast<const uint8_t*>(text.data()), text.size());
}
