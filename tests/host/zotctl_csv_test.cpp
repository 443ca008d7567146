// zotctl export and import: the address book through a spreadsheet and back.
#include "fixtures.h"
#include "settingsfile.h"
#include "zotctl.h"
#include "zotctl_fixtures.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <utility>

namespace {

using Keys = std::vector<std::pair<int, DestinationEntry>>;

// A register-only document, as New and then the registration dialog make it.
void saveRegisterOnly(const TextRules& rules, const Keys& keys, const std::string& path) {
    auto doc = makeDocument();
    std::vector<uint8_t> tmpl = makeDefaultTemplate();
    ASSERT_EQ(newDocument(*doc, tmpl.data(), tmpl.size(), ourSignature), FileStatus::Ok);
    for (auto [key, entry] : keys)
        ASSERT_EQ(encodeDestination(rules, doc->registers, key, entry), 1) << key;
    packImage(*doc);
    ASSERT_EQ(saveSettingsFile(*doc, path.c_str(), ourSignature), FileStatus::Ok);
}

DestinationEntry smbEntry() {
    DestinationEntry e = ftpEntry();
    e.type = typeSmb;
    copyText(e.address, addressCapacity, "fileserver01");
    copyText(e.directory, directoryCapacity, "scans/second-floor");
    e.port = defaultFtpPort;
    e.useProxy = 0;
    e.notify = 0;
    for (auto& n : e.notifyAddress)
        n[0] = '\0';
    copyText(e.notifyAddress[3], addressCapacity, "kept@example.com");
    e.accountMode = 1;
    e.userName[0] = e.password[0] = '\0';
    return e;
}

Keys englishKeys() {
    DestinationEntry quoted = emailEntry("Jo \"Q\", Ltd", "jo@example.com");
    copyText(quoted.name2, nameCapacity, "second, name");
    return {{0, quoted},
            {1, emailEntry("M\xFCller", "mueller@example.de")},
            {39, emailEntry("Last e-mail", "last@example.com")},
            {40, ftpEntry()},
            {49, smbEntry()}};
}

Keys japaneseKeys() {
    DestinationEntry yamada = emailEntry("Yamada \xB6", "yamada@example.jp"); // half-width KA
    copyText(yamada.name2, nameCapacity, "\x83\x84\x83\x7D\x83\x5F\x81\x40" "AB"); // ヤマダ　AB
    DestinationEntry server = ftpEntry();
    copyText(server.name2, nameCapacity, "\x83\x54\x81\x5B\x83\x6F"); // サーバ
    return {{4, yamada}, {44, server}};
}

struct RoundTrip {
    const char* what;
    const char* language;
    unsigned codePage;
    Keys keys;
};

TEST(ZotctlCsv, ExportThenImportIntoANewFileGivesAnEqualDocument) {
    const RoundTrip trips[] = {
        {"e-mail, FTP and SMB keys", "ENGLISH", 1252, englishKeys()},
        {"Japanese names", "JAPANESE", 932, japaneseKeys()},
    };
    for (const RoundTrip& t : trips) {
        SCOPED_TRACE(t.what);
        TempDir dir;
        const Rules rules(t.language, t.codePage);
        const std::string original = dir.file("a.DAT"), csv = dir.file("a.csv"),
                          copy = dir.file("b.DAT");
        saveRegisterOnly(rules.rules, t.keys, original);
        const std::vector<std::string> names = {"--language", t.language, "--codepage",
                                                std::to_string(t.codePage)};
        auto with = [&](std::vector<std::string> args) {
            args.insert(args.end(), names.begin(), names.end());
            return zotctl(args);
        };
        Outcome exported = with({"export", "--with-passwords", original, csv});
        ASSERT_EQ(exported.code, exitOk) << exported.err;
        Outcome imported = with({"import", csv, copy});
        ASSERT_EQ(imported.code, exitOk) << imported.err;
        Outcome compared = with({"diff", original, copy});
        EXPECT_EQ(compared.code, exitOk) << compared.out << compared.err;
        EXPECT_EQ(compared.out, "");
    }
}

TEST(ZotctlCsv, TheFileIsUtf8WithAMarkAndCrlfAndLeavesPasswordsOut) {
    TempDir dir;
    const Rules japanese("JAPANESE", 932);
    saveRegisterOnly(japanese.rules, japaneseKeys(), dir.file("a.DAT"));
    Outcome r = zotctl({"--language", "JAPANESE", "--codepage", "932", "export", dir.file("a.DAT")});
    ASSERT_EQ(r.code, exitOk) << r.err;
    EXPECT_EQ(r.out.rfind("\xEF\xBB\xBFkey,type,name,name 2,address,directory,port,use proxy,"
                          "account,user name,notification,notification 1,",
                          0),
              0u)
        << r.out;
    EXPECT_TRUE(contains(r.out, "\r\n005,email,Yamada \xEF\xBD\xB6,"
                                "\xE3\x83\xA4\xE3\x83\x9E\xE3\x83\x80\xE3\x80\x80" "AB,"
                                "yamada@example.jp,"))
        << r.out;
    EXPECT_TRUE(contains(r.out, "\r\n045,ftp,Archive server,"));
    EXPECT_FALSE(contains(r.out, "s3cret"));
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 3);
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\r'), 3);
}

TEST(ZotctlCsv, ImportKeepsOtherKeysSettingsAndPasswordsUnlessReplacing) {
    TempDir dir;
    const Rules english("ENGLISH", 1252);
    const std::string full = dir.file("full.DAT"), before = dir.file("before.DAT"),
                      csv = dir.file("in.csv");
    ASSERT_EQ(saveSettingsFile(*makeDownloadedDocument(english.rules), full.c_str(), ourSignature),
              FileStatus::Ok);
    std::filesystem::copy_file(full, before);

    // Export without passwords and back: the FTP key keeps its password.
    ASSERT_EQ(zotctl({"export", full, csv}).code, exitOk);
    Outcome same = zotctl({"import", csv, full});
    ASSERT_EQ(same.code, exitOk) << same.err;
    Outcome compared = zotctl({"diff", before, full});
    EXPECT_EQ(compared.code, exitOk) << compared.out;

    writeFileBytes(csv, textBytes("key,type,name,name 2,address,directory,port,use proxy,account,"
                                  "user name,notification,notification 1,notification 2,"
                                  "notification 3,notification 4,notification 5,notification 6,"
                                  "notification 7,notification 8,notification 9,notification 10\r\n"
                                  "2,email,New,,new@example.com,,,,,,,,,,,,,,,,\r\n"));
    ASSERT_EQ(zotctl({"import", csv, full}).code, exitOk);
    compared = zotctl({"diff", before, full});
    EXPECT_EQ(compared.code, exitDiffer);
    EXPECT_EQ(compared.out, "key 002: added email \"New\" \"new@example.com\"\n");

    ASSERT_EQ(zotctl({"import", "--replace", csv, full}).code, exitOk);
    compared = zotctl({"diff", before, full});
    EXPECT_EQ(compared.out, "key 001: removed email \"Sales\" \"sales@example.com\"\n"
                            "key 002: added email \"New\" \"new@example.com\"\n"
                            "key 040: removed email \"Support\" \"support@example.com\"\n"
                            "key 041: removed ftp \"Archive server\" \"ftp.example.com\"\n"
                            "key 050: removed smb \"Archive server\" \"ftp.example.com\"\n");
}

std::vector<std::string> operator+(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

const char header[] = "key,type,name,name 2,address,directory,port,use proxy,account,user name,"
                      "notification,notification 1,notification 2,notification 3,notification 4,"
                      "notification 5,notification 6,notification 7,notification 8,"
                      "notification 9,notification 10\r\n";

std::string emailRow(const std::string& key, const std::string& name, const std::string& address) {
    return key + ",email," + name + ",," + address + std::string(16, ',') + "\r\n";
}

std::string ftpRow(const std::string& key, const std::string& port,
                   const std::string& address = "ftp.example.com") {
    return key + ",ftp,Server,," + address + ",/in," + port + ",off,anonymous,,off" +
           std::string(10, ',') + "\r\n";
}

TEST(ZotctlCsv, ARefusedRowNamesItsLineAndNothingIsWritten) {
    const std::string good = emailRow("1", "Sales", "sales@example.com");
    struct Case {
        const char* what;
        std::string csv;
        size_t line;
        const char* reason;
        const char* language = "ENGLISH";
        unsigned codePage = 0; // the system's, and the file is UTF-8
    } cases[] = {
        {"unterminated quote", header + good + "2,email,\"Open,x@example.com\r\n", 3, "never closed"},
        {"too many columns", header + good + emailRow("2", "B", "b@example.com,extra"), 3,
         "22 columns, the header has 21"},
        {"invalid UTF-8", header + emailRow("2", "B\xE9", "b@example.com"), 2, "invalid UTF-8"},
        {"invalid UTF-8 after the mark",
         "\xEF\xBB\xBF" + std::string(header) + good + emailRow("2", "\xFF", "b@example.com"), 3,
         "invalid UTF-8"},
        {"character outside the code page", header + emailRow("2", "\xE6\x97\xA5", "b@example.com"),
         2, "U+65E5"},
        {"character outside code page 932", header + emailRow("2", "\xE2\x82\xAC", "b@example.jp"), 2,
         "U+20AC", "JAPANESE", 932},
        {"character the machine cannot store",
         header + std::string("2,email,Name,\xCE\x91,b@example.jp") + std::string(16, ',') + "\r\n",
         2, "name 2: holds characters the machine cannot store", "JAPANESE", 932},
        {"character the name filter refuses", header + emailRow("2", "back\\slash", "b@example.com"),
         2, "name: the character '\\' at position 5 is not accepted"},
        {"overlong field", header + emailRow("2", "abcdefghijklmnopqrstu", "b@example.com"), 2,
         "name: 21 bytes, at most 20 fit"},
        {"e-mail key above 040", header + good + emailRow("41", "B", "b@example.com"), 3,
         "key 041 cannot hold an e-mail destination"},
        {"FTP key below 041", header + ftpRow("40", "21"), 2, "key 040 cannot hold an FTP destination"},
        {"port out of range", header + ftpRow("41", "65536"), 2, "port: '65536' is not within 1 to 65535"},
        {"port of zero", header + ftpRow("41", "0"), 2, "is not within 1 to 65535"},
        {"port with a letter", header + ftpRow("41", "21a"), 2, "port: the character 'a'"},
        {"port missing", header + ftpRow("41", ""), 2, "port: missing"},
        {"duplicate key", header + good + emailRow("001", "Again", "again@example.com"), 3,
         "key 001 is named twice (first on line 2)"},
        {"duplicate address", header + good + emailRow("2", "Again", "SALES@example.com"), 3,
         "is registered twice: also on key 001 (line 2)"},
        {"no e-mail address", header + emailRow("2", "B", "b.example.com"), 2,
         "address: 'b.example.com' is not an e-mail address"},
        {"no address", header + emailRow("2", "B", ""), 2, "address: missing"},
        {"key out of range", header + emailRow("51", "B", "b@example.com"), 2,
         "key: '51' is not a key number from 1 to 50"},
        {"unknown type", header + std::string("2,fax,B,,b@example.com") + std::string(16, ',') + "\r\n",
         2, "type: 'fax' is not email, ftp or smb"},
        {"e-mail key with a directory", header + std::string("2,email,B,,b@example.com,/x") +
                                            std::string(15, ',') + "\r\n",
         2, "directory: a email key keeps no such field"},
        {"unknown column", "key,type,name,name 2,address,colour\r\n", 1, "unknown column 'colour'"},
        {"missing column", "key,type,name,address\r\n", 1, "no column 'name 2'"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        writeFileBytes(dir.file("in.csv"), textBytes(c.csv.c_str()));
        std::vector<std::string> args = {"--language", c.language};
        if (c.codePage) args.insert(args.end(), {"--codepage", std::to_string(c.codePage)});
        Outcome r = zotctl(args + std::vector<std::string>{"import", dir.file("in.csv"), dir.file("out.DAT")});
        EXPECT_EQ(r.code, exitFileRefused);
        const std::string where = dir.file("in.csv") + ":" + std::to_string(c.line) + ": ";
        const size_t at = r.err.find(where);
        EXPECT_TRUE(at != std::string::npos && r.err.find(c.reason, at) < r.err.find('\n', at))
            << r.err;
        EXPECT_FALSE(std::filesystem::exists(dir.file("out.DAT")));
    }
}

TEST(ZotctlCsv, EveryRefusedRowIsReportedAndAnExistingFileStaysAsItWas) {
    TempDir dir;
    const Rules english("ENGLISH", 1252);
    const std::string file = dir.file("keep.DAT");
    saveRegisterOnly(english.rules, englishKeys(), file);
    const Bytes before = readFileBytes(file);
    writeFileBytes(dir.file("in.csv"),
                   textBytes((header + emailRow("3", "Fine", "fine@example.com") +
                              emailRow("41", "B", "b@example.com") + ftpRow("42", "99999") +
                              emailRow("4", "Dup", "jo@example.com"))
                                 .c_str()));
    Outcome r = zotctl({"import", dir.file("in.csv"), file});
    EXPECT_EQ(r.code, exitFileRefused);
    EXPECT_TRUE(contains(r.err, "in.csv:3: key 041 cannot hold"));
    EXPECT_TRUE(contains(r.err, "in.csv:4: port:"));
    EXPECT_TRUE(contains(r.err, "in.csv:5: address 'jo@example.com' is registered twice: also on "
                                "key 001, which the file keeps"))
        << r.err;
    EXPECT_FALSE(contains(r.err, "in.csv:2:"));
    EXPECT_EQ(readFileBytes(file), before);
}

TEST(ZotctlCsv, AFileInTheNamesCodePageReadsWithCodepage) {
    TempDir dir;
    // ヤマダ in CP932, which is not UTF-8.
    writeFileBytes(dir.file("in.csv"),
                   textBytes((header + std::string("5,email,Yamada,\x83\x84\x83\x7D\x83\x5F,"
                                                   "y@example.jp") +
                              std::string(16, ',') + "\r\n")
                                 .c_str()));
    Outcome r = zotctl({"--language", "JAPANESE", "--codepage", "932", "import", dir.file("in.csv"),
                        dir.file("out.DAT")});
    ASSERT_EQ(r.code, exitOk) << r.err;
    Outcome shown = zotctl({"--language", "JAPANESE", "--codepage", "932", "show", dir.file("out.DAT")});
    EXPECT_TRUE(contains(shown.out, "005  E-Mail name=\"Yamada\" name2=\"\x83\x84\x83\x7D\x83\x5F\""))
        << shown.out;
    Outcome unmarked = zotctl({"import", dir.file("in.csv"), dir.file("other.DAT")});
    EXPECT_EQ(unmarked.code, exitFileRefused);
    EXPECT_TRUE(contains(unmarked.err, "in.csv:2: invalid UTF-8 (for a file in an ANSI code page "
                                       "give --codepage N)"))
        << unmarked.err;
}

} // namespace

namespace {

// The dialog's name check puts a space before a two-byte character that
// would start at an odd offset, and so does import.
TEST(ZotctlCsv, JapaneseTwoByteCharactersMoveToEvenOffsetsAsInTheDialog) {
    TempDir dir;
    writeFileBytes(dir.file("in.csv"),
                   textBytes((header + std::string("6,email,Ito,A\xE3\x82\xA2,i@example.jp") +
                              std::string(16, ',') + "\r\n")
                                 .c_str()));
    const std::vector<std::string> japanese = {"--language", "JAPANESE", "--codepage", "932"};
    Outcome r = zotctl(japanese + std::vector<std::string>{"import", dir.file("in.csv"),
                                                           dir.file("out.DAT")});
    ASSERT_EQ(r.code, exitOk) << r.err;
    Outcome shown = zotctl(japanese + std::vector<std::string>{"show", dir.file("out.DAT")});
    EXPECT_TRUE(contains(shown.out, "name2=\"A \x83\x41\"")) << shown.out;
}

} // namespace
