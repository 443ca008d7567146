#pragma once
// The fax-forwarding destination without a window: the 72-byte record that
// holds either an e-mail address or a fax number with its SUB and SID codes,
// its two views over the same bytes, and the paper-size codes of the largest
// page an e-mail forward may carry. Kept apart from the dialog so that they
// are tested natively.
#include <cstddef>
#include <cstdint>
#include <string>

#include "machineimage.h"

// The first byte says which view holds; any other value is read as Fax.
enum ForwardKind : uint8_t { forwardEmail = 1, forwardFax = 2 };

// E-mail view: kind, address length, e-mail mode (0 Basic, 1 Advanced), max
// TX size code, max quality (1 Fine, 2 S/F), coding (0 MH, 1 MR, 2 MMR), then
// the zero-terminated address.
constexpr size_t forwardAddressLimit = 64;
// Fax view: kind, number length, a spare byte, SUB length, SID length, then
// the number, SUB and SID packed two dial characters to a byte.
constexpr size_t forwardNumberLimit = 30;
constexpr size_t forwardCodeLimit = 20; // SUB and SID

enum class DialPart : uint8_t { Number, Sub, Sid };

// The record (ForwardLocation, plain bytes in the settings record) is read
// and written only through these functions, so that neither view reaches
// past its field.

ForwardKind forwardKindOf(const ForwardLocation& record);
void setForwardKind(ForwardLocation& record, ForwardKind kind);

// --- the e-mail view
std::string forwardAddress(const ForwardLocation& record);
// Stores at most forwardAddressLimit characters and their length.
void setForwardAddress(ForwardLocation& record, const std::string& address);
size_t forwardAddressLength(const ForwardLocation& record);
enum EmailSetting : uint8_t { emailMode = 2, emailMaxTxSize = 3, emailMaxQuality = 4, emailCoding = 5 };
uint8_t emailSetting(const ForwardLocation& record, EmailSetting which);
void setEmailSetting(ForwardLocation& record, EmailSetting which, uint8_t value);
// What Advanced starts from: the list's first size, S/F and MH.
void chooseAdvancedDefaults(ForwardLocation& record);

// --- the fax view
size_t dialLimit(DialPart part);
// The dial text of a part, as long as its length byte says (at most its limit).
std::string forwardDial(const ForwardLocation& record, DialPart part);
// Packs at most the part's limit of characters and stores their count.
void setForwardDial(ForwardLocation& record, DialPart part, const std::string& text);
size_t forwardDialLength(const ForwardLocation& record, DialPart part);

// True when the record names somewhere to forward to: an e-mail address, or a
// fax number.
bool holdsDestination(const ForwardLocation& record);

// --- max TX size: the list shows "A3", "B4", "A4" (metric) or "Letter",
// "11x17" (inch). A code the list cannot show leaves `lastPosition`.
int maxTxSizeListPosition(uint8_t code, bool inch, int lastPosition);
// The code a chosen list position stores.
uint8_t maxTxSizeCode(int position, bool inch);
