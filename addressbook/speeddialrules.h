#pragma once
// What the speed-dial registration dialog decides without a window: which
// entry field each edit keeps up to date and through which filter, which
// controls a destination type shows, which types a key may take, and the
// checks OK runs, in their order. Kept apart from the dialog so that they are
// tested natively.
#include "destination.h"
#include "textrules.h"

#include <cstddef>
#include <cstdint>
#include <string>

constexpr size_t portDigits = 5;
constexpr int lowestPort = 1;
constexpr int highestPort = 65535;

// Every edit of the dialog with the character limit it gets when it opens.
struct EditLimit {
    int control;
    size_t limit;
};
constexpr int speedDialEditCount = 17;
extern const EditLimit speedDialEdits[speedDialEditCount];

// The two name edits trade places by UI language: with a single name
// (Western languages) the Name edit holds the name; with two names the Name
// edit holds name 2 as typed and the Name2 edit the filtered name.
bool usesSingleByteNames(const TextRules& rules);

// What typing into an edit did. When a character was refused, the text lost
// it (`put back` says the edit must show the shorter text) and the caret
// belongs where it stood.
struct Typed {
    FilterResult result;
    std::string text;
    bool putBack() const {
        return result.kind == FilterResult::Remove || result.kind == FilterResult::Cut;
    }
};
// Runs the filter of `control` over the text the edit holds and keeps the
// entry's field up to date with what the filter left. A control that is no
// edit of the dialog changes nothing and is accepted.
Typed typeIntoEntry(const TextRules& rules, bool singleByteNames, DestinationEntry& entry,
                    int control, const std::string& text);

// The controls that only file-server keys show (927 to 960), and which of
// them a destination type shows; every other control is always shown.
bool isFileServerControl(int control);
bool shownForType(int control, uint8_t type);

// The destination types a key may be given: e-mail on keys 001-040, FTP and
// SMB on keys 041-050.
struct TypeChoice {
    bool email, ftp, smb;
};
TypeChoice typesForKey(int keyIndex);
// The type a key opens with: its decoded type when the key allows it, else
// e-mail for keys 001-040 and FTP for keys 041-050.
uint8_t startingType(int keyIndex, uint8_t decodedType);

// The first thing OK finds wrong, or Pass. `control` is the field to select
// and focus; `message` the string to show (the range message takes
// lowestPort and highestPort).
struct EntryCheck {
    enum Kind {
        Pass,
        NameCleaned,         // the name check removed what the machine cannot store
        AddressMissing,      // no address, whatever the type
        AddressInvalid,      // an e-mail key whose address is no e-mail address
        NotificationMissing, // notification on, all ten addresses empty
        NotificationInvalid, // the first filled notification address that is no address
        PortMissing,         // FTP with an empty port field
        PortOutOfRange,      // FTP with a port outside 1..65535
    } kind;
    int control;
    unsigned message;
    // The Name edit's text as the name check leaves it (removed characters
    // gone, two-byte characters on even offsets); equal to the edit's text
    // when the language has no such check.
    std::string nameText;
    bool passed() const { return kind == Pass; }
};
// `nameField` and `portField` are the texts of the Name and port edits; the
// rest comes from the entry, which typing kept up to date.
EntryCheck checkEntry(const TextRules& rules, const DestinationEntry& entry,
                      const std::string& nameField, const std::string& portField);
