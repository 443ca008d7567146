// zotctl diff and show --json / --reveal.
#include "fixtures.h"
#include "settingsfile.h"
#include "zotctl.h"
#include "zotctl_fixtures.h"

#include <gtest/gtest.h>

namespace {

const Rules english("ENGLISH", 1252);

struct Pair {
    TempDir dir;
    std::string a = dir.file("a.DAT"), b = dir.file("b.DAT");
    std::unique_ptr<Document> second = makeDownloadedDocument(english.rules);
    Pair() { EXPECT_EQ(saveSettingsFile(*makeDownloadedDocument(english.rules), a.c_str(), ourSignature), FileStatus::Ok); }
    void saveSecond() {
        packImage(*second);
        ASSERT_EQ(saveSettingsFile(*second, b.c_str(), ourSignature), FileStatus::Ok);
    }
    DestinationEntry key(int k) {
        DestinationEntry e;
        decodeDestination(english.rules, second->registers, e, k);
        return e;
    }
    void store(int k, DestinationEntry e) {
        ASSERT_EQ(encodeDestination(english.rules, second->registers, k, e), 1);
    }
};

TEST(ZotctlDiff, NamesExactlyTheKeyFieldAndTheSettingThatDiffer) {
    Pair p;
    DestinationEntry e = p.key(40);
    e.port = 2222;
    p.store(40, e);
    p.second->settings.image.smtpPort = 2525;
    p.saveSecond();

    const std::string before = std::to_string(makeDownloadedDocument(english.rules)->settings.image.smtpPort);
    Outcome r = zotctl({"diff", p.a, p.b});
    EXPECT_EQ(r.code, exitDiffer);
    EXPECT_EQ(r.out, "key 041: port: \"2121\" -> \"2222\"\nsetting smtpPort: \"" + before +
                         "\" -> \"2525\"\n");

    Outcome json = zotctl({"diff", "--json", p.a, p.b});
    EXPECT_EQ(json.code, exitDiffer);
    EXPECT_EQ(json.out, R"({
  "same": false,
  "differences": [
    {
      "part": "key",
      "key": 41,
      "change": "changed",
      "field": "port",
      "from": "2121",
      "to": "2222"
    },
    {
      "part": "setting",
      "change": "changed",
      "field": "smtpPort",
      "from": ")" + before + R"(",
      "to": "2525"
    }
  ]
}
)");
}

TEST(ZotctlDiff, SameDocumentsExitZeroAndPasswordsShowOnlyAsChanged) {
    Pair p;
    p.saveSecond();
    Outcome same = zotctl({"diff", p.a, p.b});
    EXPECT_EQ(same.code, exitOk);
    EXPECT_EQ(same.out, "");
    EXPECT_EQ(zotctl({"diff", "--json", p.a, p.b}).out,
              "{\n  \"same\": true,\n  \"differences\": []\n}\n");

    DestinationEntry e = p.key(40);
    copyText(e.password, accountCapacity, "n3w-secret");
    p.store(40, e);
    setTextSetting(*p.second, 50 + 24, "mailpass", 8); // smtpPassword
    p.saveSecond();
    Outcome r = zotctl({"diff", p.a, p.b});
    EXPECT_EQ(r.code, exitDiffer);
    EXPECT_EQ(r.out, "key 041: password: changed\nsetting smtpPassword: changed\n");
    Outcome json = zotctl({"diff", "--json", p.a, p.b});
    EXPECT_FALSE(contains(json.out, "n3w-secret"));
    EXPECT_FALSE(contains(json.out, "s3cret"));
    EXPECT_TRUE(contains(json.out, "\"secret\": true"));
}

TEST(ZotctlDiff, RefusedFilesAndKindsOfDocument) {
    Pair p;
    Outcome refused = zotctl({"diff", p.a, p.dir.file("missing.DAT")});
    EXPECT_EQ(refused.code, exitDiffRefused);
    EXPECT_TRUE(contains(refused.err, "missing.DAT"));

    ASSERT_EQ(zotctl({"new", p.b}).code, exitOk);
    Outcome r = zotctl({"diff", p.b, p.a});
    EXPECT_EQ(r.code, exitDiffer);
    EXPECT_EQ(r.out.substr(0, r.out.find('\n')), "kind: register-only -> full");
    EXPECT_TRUE(contains(r.out, "key 001: added email \"Sales\" \"sales@example.com\""));
    Outcome json = zotctl({"diff", "--json", p.b, p.a});
    for (const char* part : {"\"change\": \"added\",\n      \"entry\": {", "\"address\": \"sales@example.com\"",
                             "\"port\": \"2121\"", "\"notification10\": \"n10@example.com\""})
        EXPECT_TRUE(contains(json.out, part)) << part << json.out;
    EXPECT_FALSE(contains(json.out, "s3cret"));
}

TEST(ZotctlShow, PasswordsAreMaskedUnlessRevealed) {
    Pair p;
    setTextSetting(*p.second, 50 + 29, "pop-secret", 10); // pop3Password
    p.saveSecond();
    Outcome masked = zotctl({"show", p.b});
    ASSERT_EQ(masked.code, exitOk) << masked.err;
    EXPECT_FALSE(contains(masked.out, "s3cret"));
    EXPECT_FALSE(contains(masked.out, "pop-secret"));
    EXPECT_TRUE(contains(masked.out, "password=(hidden)"));
    Outcome revealed = zotctl({"show", "--reveal", p.b});
    EXPECT_TRUE(contains(revealed.out, "password=\"s3cret\""));
    EXPECT_TRUE(contains(revealed.out, "pop-secret"));
}

TEST(ZotctlShow, JsonHoldsTheSameContent) {
    Pair p;
    DestinationEntry e = emailEntry("M\xFCller", "mueller@example.de");
    p.store(1, e);
    p.saveSecond();
    Outcome r = zotctl({"--codepage", "1252", "show", "--json", p.b});
    ASSERT_EQ(r.code, exitOk) << r.err;
    for (const char* part :
         {"\"kind\": \"full\"", "\"key\": 1,", "\"address\": \"sales@example.com\"",
          "\"name\": \"M\xC3\xBCller\"", "\"type\": \"ftp\"", "\"port\": 2121", "\"useProxy\": true",
          "\"account\": \"private\"", "\"passwordSet\": true", "\"notification10\": \"n10@example.com\"",
          "\"type\": \"smb\"", "\"adminNumber\": 12345678", "\"smtpPasswordSet\": true",
          "\"configuration\": {", "\"bytes\": \"C0C1C2"})
        EXPECT_TRUE(contains(r.out, part)) << part;
    EXPECT_FALSE(contains(r.out, "s3cret"));
    EXPECT_TRUE(contains(zotctl({"show", "--json", "--reveal", p.b}).out, "\"password\": \"s3cret\""));
}

} // namespace
