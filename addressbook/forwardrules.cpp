#include "forwardrules.h"

#include "textrules.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr size_t addressLengthAt = 1;
constexpr size_t addressAt = 6;
constexpr size_t addressBytes = forwardAddressLimit + 2;

struct DialLayout {
    size_t lengthAt, dataAt, packedBytes, limit;
};

DialLayout layoutOf(DialPart part) {
    switch (part) {
    case DialPart::Sub:
        return {3, 30, 10, forwardCodeLimit};
    case DialPart::Sid:
        return {4, 40, 10, forwardCodeLimit};
    case DialPart::Number:
        break;
    }
    return {1, 5, 25, forwardNumberLimit};
}

static_assert(addressAt + addressBytes == forwardLocationSize, "e-mail view fills the record");
static_assert(40 + 10 + 22 == forwardLocationSize, "fax view fills the record");

} // namespace

ForwardKind forwardKindOf(const ForwardLocation& record) {
    return record.bytes[0] == forwardEmail ? forwardEmail : forwardFax;
}

void setForwardKind(ForwardLocation& record, ForwardKind kind) {
    record.bytes[0] = kind;
}

std::string forwardAddress(const ForwardLocation& record) {
    const char* text = reinterpret_cast<const char*>(record.bytes + addressAt);
    const size_t length = std::min<size_t>(forwardAddressLength(record), forwardAddressLimit);
    const char* end = static_cast<const char*>(std::memchr(text, 0, length));
    return std::string(text, end ? static_cast<size_t>(end - text) : length);
}

void setForwardAddress(ForwardLocation& record, const std::string& address) {
    const size_t length = std::min(address.size(), forwardAddressLimit);
    std::memset(record.bytes + addressAt, 0, addressBytes);
    std::memcpy(record.bytes + addressAt, address.data(), length);
    record.bytes[addressLengthAt] = static_cast<uint8_t>(length);
}

size_t forwardAddressLength(const ForwardLocation& record) {
    return record.bytes[addressLengthAt];
}

uint8_t emailSetting(const ForwardLocation& record, EmailSetting which) {
    return record.bytes[which];
}

void setEmailSetting(ForwardLocation& record, EmailSetting which, uint8_t value) {
    record.bytes[which] = value;
}

void chooseAdvancedDefaults(ForwardLocation& record) {
    setEmailSetting(record, emailMode, 1);
    setEmailSetting(record, emailMaxTxSize, 0);
    setEmailSetting(record, emailMaxQuality, 2);
    setEmailSetting(record, emailCoding, 0);
}

size_t dialLimit(DialPart part) {
    return layoutOf(part).limit;
}

std::string forwardDial(const ForwardLocation& record, DialPart part) {
    const DialLayout at = layoutOf(part);
    const size_t count = std::min<size_t>(record.bytes[at.lengthAt], at.limit);
    char text[forwardNumberLimit + 1] = "";
    decodeDialDigits(text, record.bytes + at.dataAt, count);
    return std::string(text, count);
}

void setForwardDial(ForwardLocation& record, DialPart part, const std::string& text) {
    const DialLayout at = layoutOf(part);
    const size_t count = std::min(text.size(), at.limit);
    std::memset(record.bytes + at.dataAt, 0, at.packedBytes);
    encodeDialDigits(record.bytes + at.dataAt, text.c_str(), count);
    record.bytes[at.lengthAt] = static_cast<uint8_t>(count);
}

size_t forwardDialLength(const ForwardLocation& record, DialPart part) {
    return record.bytes[layoutOf(part).lengthAt];
}

bool holdsDestination(const ForwardLocation& record) {
    if (record.bytes[0] == forwardEmail) return forwardAddress(record).size() > 0;
    return record.bytes[0] == forwardFax && forwardDialLength(record, DialPart::Number) > 0;
}

int maxTxSizeListPosition(uint8_t code, bool inch, int lastPosition) {
    switch (code) {
    case 0:
        return 0;
    case 1:
        return 1;
    case 2:
    case 12:
        return inch ? 0 : 2;
    case 9:
        return inch ? 1 : 0;
    }
    return lastPosition;
}

uint8_t maxTxSizeCode(int position, bool inch) {
    if (inch) return position == 1 ? 9 : 12;
    return static_cast<uint8_t>(position);
}
