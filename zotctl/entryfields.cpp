#include "entryfields.h"

#define NOTIFY(n) {"notification " #n, "notification" #n, false}
const EntryField entryFields[entryFieldCount] = {
    {"type", "type", false},
    {"name", "name", false},
    {"name 2", "name2", false},
    {"address", "address", false},
    {"directory", "directory", false},
    {"port", "port", false},
    {"use proxy", "useProxy", false},
    {"account", "account", false},
    {"user name", "userName", false},
    {"password", "password", true},
    {"notification", "notification", false},
    NOTIFY(1),
    NOTIFY(2),
    NOTIFY(3),
    NOTIFY(4),
    NOTIFY(5),
    NOTIFY(6),
    NOTIFY(7),
    NOTIFY(8),
    NOTIFY(9),
    NOTIFY(10),
};
#undef NOTIFY

const char* typeWord(uint8_t type) {
    switch (type) {
    case typeEmail:
        return "email";
    case typeFtp:
        return "ftp";
    case typeSmb:
        return "smb";
    default:
        return "";
    }
}

std::string entryFieldValue(const DestinationEntry& e, int field) {
    const bool fileServer = e.type == typeFtp || e.type == typeSmb;
    switch (field) {
    case fieldType:
        return typeWord(e.type);
    case fieldName:
        return e.name;
    case fieldName2:
        return e.name2;
    case fieldAddress:
        return e.address;
    }
    if (!fileServer) return "";
    switch (field) {
    case fieldDirectory:
        return e.directory;
    case fieldPort:
        return e.type == typeFtp ? std::to_string(e.port) : "";
    case fieldUseProxy:
        return e.type == typeFtp ? (e.useProxy ? "on" : "off") : "";
    case fieldAccount:
        return e.accountMode ? "anonymous" : "private";
    case fieldUserName:
        return e.userName;
    case fieldPassword:
        return e.password;
    case fieldNotification:
        return e.notify ? "on" : "off";
    }
    if (field >= fieldNotify1 && field < entryFieldCount) return e.notifyAddress[field - fieldNotify1];
    return "";
}

bool entryKeepsField(const DestinationEntry& e, int field) {
    if (field <= fieldAddress || e.type == typeFtp) return true;
    return e.type == typeSmb && field != fieldPort && field != fieldUseProxy;
}
