#include "speeddialrules.h"

#include "resource.h"

#include <cstring>

namespace {

enum class Filter { None, Name, Address, Digits };

// Where an edit's text goes. The port is a number, so it has no text field.
struct EntryField {
    char* text;
    size_t capacity;
    Filter filter;
    bool isPort;
};

bool isNotificationEdit(int control) {
    return control >= IDC_SD_NOTIFY1_EDIT && control <= IDC_SD_NOTIFY10_EDIT &&
           (control - IDC_SD_NOTIFY1_EDIT) % 2 == 0;
}

int notificationIndex(int control) {
    return (control - IDC_SD_NOTIFY1_EDIT) / 2;
}

bool fieldOf(DestinationEntry& e, int control, bool singleByteNames, EntryField& out) {
    switch (control) {
    case IDC_SD_NAME_EDIT:
        out = singleByteNames ? EntryField{e.name, nameCapacity, Filter::Name, false}
                              : EntryField{e.name2, nameCapacity, Filter::None, false};
        return true;
    case IDC_SD_NAME2_EDIT:
        out = {e.name, nameCapacity, Filter::Name, false};
        return true;
    case IDC_SD_ADDRESS_EDIT:
        out = {e.address, addressCapacity, Filter::Address, false};
        return true;
    case IDC_SD_DIRECTORY_EDIT:
        out = {e.directory, directoryCapacity, Filter::Address, false};
        return true;
    case IDC_SD_PORT_EDIT:
        out = {nullptr, portDigits, Filter::Digits, true};
        return true;
    case IDC_SD_USER_EDIT:
        out = {e.userName, accountCapacity, Filter::Address, false};
        return true;
    case IDC_SD_PASSWORD_EDIT:
        out = {e.password, accountCapacity, Filter::Address, false};
        return true;
    }
    if (!isNotificationEdit(control)) return false;
    out = {e.notifyAddress[notificationIndex(control)], addressCapacity, Filter::Address, false};
    return true;
}

FilterResult runFilter(const TextRules& rules, Filter filter, const std::string& text) {
    switch (filter) {
    case Filter::Name:
        return filterNameText(rules, text);
    case Filter::Address:
        return filterAddressText(text);
    case Filter::Digits:
        return filterDigits(text);
    case Filter::None:
        break;
    }
    return {FilterResult::Accept, 0, 0};
}

void storeText(char* to, size_t capacity, const std::string& text) {
    size_t n = text.size() < capacity ? text.size() : capacity;
    std::memcpy(to, text.data(), n);
    to[n] = '\0';
}

// An empty edit reads as 0. Typing stops at five digits, but a longer text
// can still be set; the value stops growing well past any port (OK refuses
// it) instead of wrapping round to one that looks valid.
uint32_t portValue(const std::string& digits) {
    uint32_t value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9' || value > static_cast<uint32_t>(highestPort)) break;
        value = value * 10 + static_cast<uint32_t>(c - '0');
    }
    return value;
}

EntryCheck failure(EntryCheck::Kind kind, int control, unsigned message,
                   const std::string& nameText) {
    return {kind, control, message, nameText};
}

} // namespace

const EditLimit speedDialEdits[speedDialEditCount] = {
    {IDC_SD_NAME_EDIT, nameCapacity},        {IDC_SD_NAME2_EDIT, nameCapacity},
    {IDC_SD_ADDRESS_EDIT, addressCapacity},  {IDC_SD_DIRECTORY_EDIT, directoryCapacity},
    {IDC_SD_PORT_EDIT, portDigits},          {IDC_SD_NOTIFY1_EDIT, addressCapacity},
    {IDC_SD_NOTIFY2_EDIT, addressCapacity},  {IDC_SD_NOTIFY3_EDIT, addressCapacity},
    {IDC_SD_NOTIFY4_EDIT, addressCapacity},  {IDC_SD_NOTIFY5_EDIT, addressCapacity},
    {IDC_SD_NOTIFY6_EDIT, addressCapacity},  {IDC_SD_NOTIFY7_EDIT, addressCapacity},
    {IDC_SD_NOTIFY8_EDIT, addressCapacity},  {IDC_SD_NOTIFY9_EDIT, addressCapacity},
    {IDC_SD_NOTIFY10_EDIT, addressCapacity}, {IDC_SD_USER_EDIT, accountCapacity},
    {IDC_SD_PASSWORD_EDIT, accountCapacity},
};

bool usesSingleByteNames(const TextRules& rules) {
    return usesSingleName(rules) != 0;
}

Typed typeIntoEntry(const TextRules& rules, bool singleByteNames, DestinationEntry& entry,
                    int control, const std::string& text) {
    Typed typed{{FilterResult::Accept, 0, 0}, text};
    EntryField field;
    if (!fieldOf(entry, control, singleByteNames, field)) return typed;
    typed.result = runFilter(rules, field.filter, text);
    if (typed.putBack()) applyFilter(typed.text, typed.result);
    if (field.isPort)
        entry.port = portValue(typed.text);
    else
        storeText(field.text, field.capacity, typed.text);
    return typed;
}

bool isFileServerControl(int control) {
    return control >= IDC_SD_DIRECTORY_LABEL && control <= IDC_SD_PASSWORD_EDIT;
}

bool shownForType(int control, uint8_t type) {
    if (!isFileServerControl(control)) return true;
    switch (type) {
    case typeFtp:
        return true;
    case typeSmb:
        return control < IDC_SD_PROXY_CHECK || control > IDC_SD_PORT_RANGE_LABEL;
    default:
        return false;
    }
}

TypeChoice typesForKey(int keyIndex) {
    if (isLongKey(keyIndex)) return {false, true, true};
    return {true, false, false};
}

uint8_t startingType(int keyIndex, uint8_t decodedType) {
    if (!isLongKey(keyIndex)) return typeEmail;
    return decodedType == typeSmb ? typeSmb : typeFtp;
}

EntryCheck checkEntry(const TextRules& rules, const DestinationEntry& entry,
                      const std::string& nameField, const std::string& portField) {
    const NameCheck name = checkNameForLanguage(rules, nameField);
    if (name.removed)
        return failure(EntryCheck::NameCleaned, IDC_SD_NAME_EDIT, IDS_NAME_DELETED, name.text);

    if (!entry.address[0])
        return failure(EntryCheck::AddressMissing, IDC_SD_ADDRESS_EDIT, IDS_EMAIL_REQUIRED,
                       name.text);
    if (entry.type == typeEmail && !isValidEmail(entry.address))
        return failure(EntryCheck::AddressInvalid, IDC_SD_ADDRESS_EDIT, IDS_EMAIL_INVALID,
                       name.text);

    const bool fileServer = entry.type == typeFtp || entry.type == typeSmb;
    if (fileServer && entry.notify == 1) {
        int firstFilled = -1;
        for (int i = 0; i < notificationCount && firstFilled < 0; ++i)
            if (entry.notifyAddress[i][0]) firstFilled = i;
        if (firstFilled < 0)
            return failure(EntryCheck::NotificationMissing, IDC_SD_NOTIFY1_EDIT, IDS_EMAIL_REQUIRED,
                           name.text);
        for (int i = firstFilled; i < notificationCount; ++i) {
            if (entry.notifyAddress[i][0] && !isValidEmail(entry.notifyAddress[i]))
                return failure(EntryCheck::NotificationInvalid, IDC_SD_NOTIFY1_EDIT + 2 * i,
                               IDS_EMAIL_INVALID, name.text);
        }
    }

    if (entry.type == typeFtp) {
        switch (checkIntegerText(portField, lowestPort, highestPort).kind) {
        case IntegerCheck::Empty:
            return failure(EntryCheck::PortMissing, IDC_SD_PORT_EDIT, IDS_NOT_INTEGER, name.text);
        case IntegerCheck::OutOfRange:
            return failure(EntryCheck::PortOutOfRange, IDC_SD_PORT_EDIT, IDS_RANGE_PORT, name.text);
        case IntegerCheck::Ok:
            break;
        }
    }
    return {EntryCheck::Pass, 0, 0, name.text};
}
