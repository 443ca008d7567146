#pragma once
// The fields of a speed-dial key as zotctl writes them out: one table that
// the CSV columns, the JSON members and the diff's field names all come from,
// so that the three never disagree on what a key holds.
#include "destination.h"

#include <string>

struct EntryField {
    const char* column; // CSV header title
    const char* member; // JSON member and diff field name
    bool secret;        // a password: masked unless asked for
};

enum EntryFieldIndex {
    fieldType,
    fieldName,
    fieldName2,
    fieldAddress,
    fieldDirectory,
    fieldPort,
    fieldUseProxy,
    fieldAccount,
    fieldUserName,
    fieldPassword,
    fieldNotification,
    fieldNotify1,
    entryFieldCount = fieldNotify1 + notificationCount,
};
extern const EntryField entryFields[entryFieldCount];

const char* typeWord(uint8_t type); // "email", "ftp", "smb", or "" for none
// The field's value as text in the code page names are typed in. Fields that
// the key's type does not keep (a port on an SMB key, a directory on an
// e-mail key) are empty.
std::string entryFieldValue(const DestinationEntry& entry, int field);
// Whether the key's type keeps the field at all (e-mail keys keep type, names
// and address; SMB keys all but port and proxy; FTP keys everything).
bool entryKeepsField(const DestinationEntry& entry, int field);
