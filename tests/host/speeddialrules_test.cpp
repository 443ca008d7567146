// The registration dialog's window-free rules: where typed text goes and what
// the filters leave of it, which controls and types a key offers, and the
// order in which OK finds what is wrong.
#include "fixtures.h"
#include "resource.h"
#include "speeddialrules.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string alpha = "\x83\x9F"; // GREEK CAPITAL ALPHA: in CP932, not in the machine's table
const std::string yama = "\x8E\x52";  // U+5C71, a JIS X 0208 kanji the machine stores

const Rules& english() {
    static const Rules rules("ENGLISH", 1252);
    return rules;
}
const Rules& japanese() {
    static const Rules rules("JAPANESE", 932);
    return rules;
}

DestinationEntry blank() {
    DestinationEntry e;
    std::memset(&e, 0, sizeof e);
    return e;
}

// ------------------------------------------------------------------ typing

// The text of the entry field an edit writes, read back by control.
std::string fieldText(const DestinationEntry& e, int control, bool singleByteNames) {
    switch (control) {
    case IDC_SD_NAME_EDIT:
        return singleByteNames ? e.name : e.name2;
    case IDC_SD_NAME2_EDIT:
        return e.name;
    case IDC_SD_ADDRESS_EDIT:
        return e.address;
    case IDC_SD_DIRECTORY_EDIT:
        return e.directory;
    case IDC_SD_USER_EDIT:
        return e.userName;
    case IDC_SD_PASSWORD_EDIT:
        return e.password;
    }
    return e.notifyAddress[(control - IDC_SD_NOTIFY1_EDIT) / 2];
}

TEST(SpeedDialTyping, EachEditFiltersIntoItsOwnField) {
    const struct {
        const char* what;
        bool japanese;
        int control;
        std::string typed;
        FilterResult::Kind kind;
        size_t caret;
        std::string left;
    } cases[] = {
        // The Name edit holds the name under a single-name language, through the name filter.
        {"English name", false, IDC_SD_NAME_EDIT, "Sa\\les", FilterResult::Remove, 2, "Sales"},
        {"English name keeps Latin-1", false, IDC_SD_NAME_EDIT, "J\xFCrgen", FilterResult::Accept,
         0, "J\xFCrgen"},
        // With two names it holds name 2, taken as typed; the Name2 edit holds the filtered name.
        {"Japanese name 2 as typed", true, IDC_SD_NAME_EDIT, "Sa\\les" + yama, FilterResult::Accept,
         0, "Sa\\les" + yama},
        {"Japanese name filtered", true, IDC_SD_NAME2_EDIT, "Sa\\les", FilterResult::Remove, 2,
         "Sales"},
        {"Japanese name cut at a kanji", true, IDC_SD_NAME2_EDIT, "AB" + yama + "C",
         FilterResult::Cut, 2, "AB"},
        // Every address-type edit drops the seven characters an address cannot hold.
        {"address comma", false, IDC_SD_ADDRESS_EDIT, "ab,c@x.com", FilterResult::Remove, 2,
         "abc@x.com"},
        {"address space stays", false, IDC_SD_ADDRESS_EDIT, "a b", FilterResult::Accept, 0, "a b"},
        {"directory backslash", false, IDC_SD_DIRECTORY_EDIT, "scans\\in", FilterResult::Remove, 5,
         "scansin"},
        {"No.1 angle bracket", false, IDC_SD_NOTIFY1_EDIT, "<a@b.c", FilterResult::Remove, 0,
         "a@b.c"},
        {"No.7 semicolon", false, IDC_SD_NOTIFY7_EDIT, "a@b.c;", FilterResult::Remove, 5, "a@b.c"},
        {"No.10 quote", false, IDC_SD_NOTIFY10_EDIT, "a\"b", FilterResult::Remove, 1, "ab"},
        {"user colon", false, IDC_SD_USER_EDIT, "us:er", FilterResult::Remove, 2, "user"},
        {"password keeps symbols", false, IDC_SD_PASSWORD_EDIT, "p@ss w0rd!", FilterResult::Accept,
         0, "p@ss w0rd!"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const TextRules& rules = c.japanese ? japanese().rules : english().rules;
        const bool single = usesSingleByteNames(rules);
        DestinationEntry e = blank();
        const Typed typed = typeIntoEntry(rules, single, e, c.control, c.typed);
        EXPECT_EQ(typed.result.kind, c.kind);
        EXPECT_EQ(typed.text, c.left);
        EXPECT_EQ(typed.putBack(), c.kind != FilterResult::Accept);
        if (typed.putBack()) {
            EXPECT_EQ(typed.result.position, c.caret);
        }
        EXPECT_EQ(fieldText(e, c.control, single), c.left);
    }
}

TEST(SpeedDialTyping, TheNameEditsChangePlacesByLanguage) {
    DestinationEntry e = blank();
    typeIntoEntry(english().rules, true, e, IDC_SD_NAME_EDIT, "Sales");
    EXPECT_STREQ(e.name, "Sales");
    EXPECT_STREQ(e.name2, "");

    e = blank();
    typeIntoEntry(japanese().rules, false, e, IDC_SD_NAME_EDIT, "Eigyo");
    typeIntoEntry(japanese().rules, false, e, IDC_SD_NAME2_EDIT, "Sales");
    EXPECT_STREQ(e.name2, "Eigyo");
    EXPECT_STREQ(e.name, "Sales");
}

TEST(SpeedDialTyping, ThePortKeepsTheDigitsAsANumber) {
    const struct {
        std::string typed;
        FilterResult::Kind kind;
        std::string left;
        uint32_t port;
    } cases[] = {
        {"2121", FilterResult::Accept, "2121", 2121},
        {"2x1", FilterResult::Remove, "21", 21},
        {"", FilterResult::Empty, "", 0}, // nothing to put back, and the port reads 0
        {"65536", FilterResult::Accept, "65536", 65536},
        {"99999999999", FilterResult::Accept, "99999999999", 99999}, // stops growing, never wraps
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        DestinationEntry e = blank();
        e.port = 21;
        const Typed typed = typeIntoEntry(english().rules, true, e, IDC_SD_PORT_EDIT, c.typed);
        EXPECT_EQ(typed.result.kind, c.kind);
        EXPECT_FALSE(c.kind == FilterResult::Empty && typed.putBack());
        EXPECT_EQ(typed.text, c.left);
        EXPECT_EQ(e.port, c.port);
    }
}

TEST(SpeedDialTyping, ALongTextIsCutToItsField) {
    DestinationEntry e = blank();
    typeIntoEntry(english().rules, true, e, IDC_SD_USER_EDIT, std::string(30, 'u'));
    EXPECT_EQ(std::string(e.userName), std::string(accountCapacity, 'u'));
    EXPECT_EQ(e.password[0], '\0') << "the next field is untouched";
}

TEST(SpeedDialTyping, ControlsThatAreNoEditChangeNothing) {
    const DestinationEntry untouched = blank();
    for (int control :
         {IDC_SD_EMAIL_RADIO, IDC_SD_NOTIFY1_LABEL, IDC_SD_PROXY_CHECK, IDC_SD_NAME_LABEL}) {
        DestinationEntry e = blank();
        const Typed typed = typeIntoEntry(english().rules, true, e, control, "a,b");
        EXPECT_FALSE(typed.putBack()) << control;
        EXPECT_EQ(std::memcmp(&e, &untouched, sizeof e), 0) << control;
    }
}

// An edit that took more than its field holds would lose the end silently;
// one that took less would refuse what the machine can store.
TEST(SpeedDialEdits, EveryEditTakesExactlyWhatItsFieldHolds) {
    DestinationEntry e = blank();
    for (const EditLimit& edit : speedDialEdits) {
        SCOPED_TRACE(edit.control);
        if (edit.control == IDC_SD_PORT_EDIT) {
            EXPECT_EQ(edit.limit, std::to_string(highestPort).size());
            continue;
        }
        const std::string full(edit.limit, 'x');
        typeIntoEntry(english().rules, true, e, edit.control, full + "y");
        EXPECT_EQ(fieldText(e, edit.control, true), full);
    }
}

// ---------------------------------------------------------- types and controls

TEST(SpeedDialTypes, EachKeyRangeOffersItsOwnTypes) {
    const struct {
        int key;
        bool email, ftp, smb;
    } cases[] = {{0, true, false, false},
                 {39, true, false, false},
                 {40, false, true, true},
                 {49, false, true, true}};
    for (const auto& c : cases) {
        const TypeChoice t = typesForKey(c.key);
        EXPECT_EQ(t.email, c.email) << c.key;
        EXPECT_EQ(t.ftp, c.ftp) << c.key;
        EXPECT_EQ(t.smb, c.smb) << c.key;
    }
}

TEST(SpeedDialTypes, AKeyOpensWithATypeItAllows) {
    const struct {
        int key;
        uint8_t decoded, opens;
    } cases[] = {
        {0, typeNone, typeEmail}, {0, typeEmail, typeEmail}, {39, typeSmb, typeEmail},
        {40, typeNone, typeFtp},  {40, typeEmail, typeFtp},  {40, typeFtp, typeFtp},
        {49, typeSmb, typeSmb},
    };
    for (const auto& c : cases)
        EXPECT_EQ(startingType(c.key, c.decoded), c.opens) << c.key << " decoded " << +c.decoded;
}

TEST(SpeedDialTypes, FileServerControlsFollowTheType) {
    // E-mail shows none, FTP all, SMB all but proxy and port.
    for (int control = IDC_REGISTER_GROUP; control <= IDC_SD_PASSWORD_EDIT + 1; ++control) {
        SCOPED_TRACE(control);
        const bool server = control >= IDC_SD_DIRECTORY_LABEL && control <= IDC_SD_PASSWORD_EDIT;
        const bool proxyOrPort =
            control >= IDC_SD_PROXY_CHECK && control <= IDC_SD_PORT_RANGE_LABEL;
        EXPECT_EQ(isFileServerControl(control), server);
        EXPECT_EQ(shownForType(control, typeEmail), !server);
        EXPECT_TRUE(shownForType(control, typeFtp));
        EXPECT_EQ(shownForType(control, typeSmb), !proxyOrPort);
    }
    EXPECT_TRUE(shownForType(IDC_DETAILS_GROUP, typeEmail));
    EXPECT_TRUE(shownForType(IDC_SD_NAME2_EDIT, typeSmb));
}

// ------------------------------------------------------------------ OK checks

DestinationEntry email(const char* address) {
    DestinationEntry e = blank();
    e.type = typeEmail;
    copyText(e.address, addressCapacity, address);
    return e;
}

DestinationEntry server(uint8_t type, const char* address) {
    DestinationEntry e = blank();
    e.type = type;
    e.port = 21;
    e.accountMode = 1;
    copyText(e.address, addressCapacity, address);
    return e;
}

DestinationEntry notifying(std::initializer_list<std::pair<int, const char*>> addresses) {
    DestinationEntry e = server(typeFtp, "ftp.example.com");
    e.notify = 1;
    for (const auto& [number, address] : addresses)
        copyText(e.notifyAddress[number - 1], addressCapacity, address);
    return e;
}

struct CheckCase {
    const char* what;
    DestinationEntry entry;
    std::string port;
    EntryCheck::Kind kind;
    int control;
    unsigned message;
};

TEST(SpeedDialOk, ChecksRunInOrderAndStopAtTheFirst) {
    const CheckCase cases[] = {
        // The address is needed whatever the type, with the e-mail text.
        {"e-mail, no address", email(""), "", EntryCheck::AddressMissing, IDC_SD_ADDRESS_EDIT,
         IDS_EMAIL_REQUIRED},
        {"FTP, no address", server(typeFtp, ""), "", EntryCheck::AddressMissing,
         IDC_SD_ADDRESS_EDIT, IDS_EMAIL_REQUIRED},
        {"SMB, no address", server(typeSmb, ""), "", EntryCheck::AddressMissing,
         IDC_SD_ADDRESS_EDIT, IDS_EMAIL_REQUIRED},
        // The e-mail test: one at sign, a full stop anywhere.
        {"good address", email("abc@xyz.com"), "", EntryCheck::Pass, 0, 0},
        {"no at sign", email("abc.xyz.com"), "", EntryCheck::AddressInvalid, IDC_SD_ADDRESS_EDIT,
         IDS_EMAIL_INVALID},
        {"no full stop", email("abc@xyz"), "", EntryCheck::AddressInvalid, IDC_SD_ADDRESS_EDIT,
         IDS_EMAIL_INVALID},
        {"two at signs", email("a@b@xyz.com"), "", EntryCheck::AddressInvalid, IDC_SD_ADDRESS_EDIT,
         IDS_EMAIL_INVALID},
        {"just @ and .", email("@."), "", EntryCheck::Pass, 0, 0},
        // A file server's address is a host name, not an e-mail address.
        {"FTP host", server(typeFtp, "ftp-host"), "21", EntryCheck::Pass, 0, 0},
        // Notification addresses, only with notification on.
        {"notification off", server(typeSmb, "host"), "", EntryCheck::Pass, 0, 0},
        {"all ten empty", notifying({}), "21", EntryCheck::NotificationMissing, IDC_SD_NOTIFY1_EDIT,
         IDS_EMAIL_REQUIRED},
        {"only No.7, bad", notifying({{7, "ops.example.com"}}), "21",
         EntryCheck::NotificationInvalid, IDC_SD_NOTIFY7_EDIT, IDS_EMAIL_INVALID},
        {"only No.7, good", notifying({{7, "ops@example.com"}}), "21", EntryCheck::Pass, 0, 0},
        {"No.2 bad before No.10 bad", notifying({{10, "x"}, {2, "y"}, {1, "a@b.c"}}), "21",
         EntryCheck::NotificationInvalid, IDC_SD_NOTIFY2_EDIT, IDS_EMAIL_INVALID},
        {"notification before port", notifying({}), "", EntryCheck::NotificationMissing,
         IDC_SD_NOTIFY1_EDIT, IDS_EMAIL_REQUIRED},
        // The port of an FTP key, read from its edit.
        {"port empty", server(typeFtp, "host"), "", EntryCheck::PortMissing, IDC_SD_PORT_EDIT,
         IDS_NOT_INTEGER},
        {"port 0", server(typeFtp, "host"), "0", EntryCheck::PortOutOfRange, IDC_SD_PORT_EDIT,
         IDS_RANGE_PORT},
        {"port 1", server(typeFtp, "host"), "1", EntryCheck::Pass, 0, 0},
        {"port 65535", server(typeFtp, "host"), "65535", EntryCheck::Pass, 0, 0},
        {"port 65536", server(typeFtp, "host"), "65536", EntryCheck::PortOutOfRange,
         IDC_SD_PORT_EDIT, IDS_RANGE_PORT},
        // SMB has no port to check.
        {"SMB, port empty", server(typeSmb, "host"), "", EntryCheck::Pass, 0, 0},
        {"SMB, port 0", server(typeSmb, "host"), "0", EntryCheck::Pass, 0, 0},
    };
    for (const CheckCase& c : cases) {
        SCOPED_TRACE(c.what);
        const EntryCheck found = checkEntry(english().rules, c.entry, "Name", c.port);
        EXPECT_EQ(found.kind, c.kind);
        EXPECT_EQ(found.passed(), c.kind == EntryCheck::Pass);
        if (!found.passed()) {
            EXPECT_EQ(found.control, c.control);
            EXPECT_EQ(found.message, c.message);
        }
        EXPECT_EQ(found.nameText, "Name") << "no name check under ENGLISH";
    }
}

TEST(SpeedDialOk, TheJapaneseNameCheckComesFirst) {
    const Rules& ja = japanese();
    const DestinationEntry noAddress = email("");
    // Removed characters fail before anything else is looked at.
    EntryCheck found = checkEntry(ja.rules, noAddress, "AB" + alpha + "C", "");
    EXPECT_EQ(found.kind, EntryCheck::NameCleaned);
    EXPECT_EQ(found.control, IDC_SD_NAME_EDIT);
    EXPECT_EQ(found.message, static_cast<unsigned>(IDS_NAME_DELETED));
    EXPECT_EQ(found.nameText, "ABC");
    // A name the machine can store goes on to the next check, its two-byte
    // characters moved to even offsets.
    found = checkEntry(ja.rules, noAddress, "A" + yama, "");
    EXPECT_EQ(found.kind, EntryCheck::AddressMissing);
    EXPECT_EQ(found.nameText, "A " + yama);
    // Under a Western language a name the Japanese check would refuse passes.
    found = checkEntry(english().rules, email("a@b.c"), "AB" + alpha, "");
    EXPECT_TRUE(found.passed());
    EXPECT_EQ(found.nameText, "AB" + alpha);
}

TEST(SpeedDialOk, EmptyNamesAndLoginsAreAllowed) {
    DestinationEntry e = server(typeFtp, "ftp.example.com");
    e.accountMode = 0; // a private site with no user name or password
    EXPECT_TRUE(checkEntry(english().rules, e, "", "21").passed());
    EXPECT_TRUE(checkEntry(japanese().rules, e, "", "21").passed());
}

} // namespace
