#include "fixtures.h"
#include "settingsfile.h"
#include "zotctl.h"
#include "zotctl_fixtures.h"

#include <gtest/gtest.h>

namespace {

Rules english("ENGLISH", 1252);

TEST(Zotctl, NewWritesAFileThatChecksAndShowsAsRegisterOnly) {
    TempDir dir;
    const std::string path = dir.file("x.DAT");
    Outcome created = zotctl({"new", path});
    EXPECT_EQ(created.code, exitOk) << created.err;
    EXPECT_EQ(readFileBytes(path).size(), 477u);

    Outcome checked = zotctl({"check", path});
    EXPECT_EQ(checked.code, exitOk) << checked.err;
    EXPECT_EQ(checked.err, "");

    Outcome shown = zotctl({"show", path});
    EXPECT_EQ(shown.code, exitOk) << shown.err;
    EXPECT_TRUE(contains(shown.out, "kind: register-only")) << shown.out;
    EXPECT_TRUE(contains(shown.out, "050  (free)"));
    EXPECT_FALSE(contains(shown.out, "adminNumber"));
    EXPECT_FALSE(contains(shown.out, "configuration:"));
}

TEST(Zotctl, ShowPrintsAFullDocumentsKeysSettingsAndConfiguration) {
    TempDir dir;
    const std::string path = dir.file("full.DAT");
    ASSERT_EQ(saveSettingsFile(*makeDownloadedDocument(english.rules), path.c_str(), ourSignature),
              FileStatus::Ok);
    Outcome shown = zotctl({"show", path});
    EXPECT_EQ(shown.code, exitOk) << shown.err;
    for (const char* part : {"kind: full", "sales@example.com", "041  FTP", "050  SMB",
                             "port=21 proxy=0", "port=2121 proxy=1", "No.10=\"n10@example.com\"",
                             "adminNumber", "12345678", "ntpServer", "configuration:"})
        EXPECT_TRUE(contains(shown.out, part)) << part;
}

TEST(Zotctl, RefusedFilesExitOneWithOneLineOnStderr) {
    TempDir dir;
    Bytes full;
    buildSettingsFile(*makeDownloadedDocument(english.rules), full, ourSignature);
    Bytes truncated(full.begin(), full.begin() + static_cast<long>(full.size() / 2));
    writeFileBytes(dir.file("truncated.DAT"), truncated);
    writeFileBytes(dir.file("garbage.DAT"), textBytes("this is not a settings file\n"));
    struct Case {
        std::vector<std::string> args;
    } cases[] = {
        {{"check", dir.file("truncated.DAT")}},   {{"show", dir.file("truncated.DAT")}},
        {{"check", dir.file("garbage.DAT")}},     {{"check", dir.file("missing.DAT")}},
        {{"new", dir.file("no-such-dir/x.DAT")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args[0] + " " + c.args[1]);
        Outcome r = zotctl(c.args);
        EXPECT_EQ(r.code, exitFileRefused);
        EXPECT_EQ(r.errLines(), 1u) << r.err;
        EXPECT_TRUE(contains(r.err, c.args[1])) << "names the file: " << r.err;
        EXPECT_EQ(r.out, "");
    }
}

TEST(Zotctl, UsageErrorsExitTwo) {
    struct Case {
        std::vector<std::string> args;
    } cases[] = {
        {{}},
        {{"check"}},
        {{"check", "a.DAT", "b.DAT"}},
        {{"frobnicate", "a.DAT"}},
        {{"--bogus", "check", "a.DAT"}},
        {{"--language"}},
        {{"--codepage", "99999", "check", "a.DAT"}},
        {{"--codepage", "abc", "check", "a.DAT"}},
        {{"import", "a.csv"}},
        {{"diff", "a.DAT"}},
        {{"export", "a.DAT", "b.csv", "c.csv"}},
        {{"export", "--replace", "a.DAT"}},
        {{"show", "--with-passwords", "a.DAT"}},
        {{"diff", "--reveal", "a.DAT", "b.DAT"}},
        {{"download", "--backup", "dir", "a.DAT"}},
        {{"upload", "--dry-run", "a.DAT"}},
        {{"upload", "a.DAT", "--backup"}},
    };
    for (const Case& c : cases) {
        std::string line;
        for (const std::string& a : c.args)
            line += a + " ";
        SCOPED_TRACE(line);
        Outcome r = zotctl(c.args);
        EXPECT_EQ(r.code, exitUsage);
        EXPECT_EQ(r.errLines(), 1u) << r.err;
    }
}

TEST(Zotctl, HelpDocumentsTheExitCodes) {
    Outcome r = zotctl({"--help"});
    EXPECT_EQ(r.code, exitOk);
    EXPECT_EQ(r.err, "");
    for (const char* part : {"usage: zotctl", "new FILE", "show FILE", "check FILE", "Exit codes",
                             "0  success", "1  the file was refused", "2  bad command line", "3  ",
                             "export FILE [OUT]", "import IN FILE", "diff A B", "--json", "--reveal",
                             "--with-passwords", "--replace", "--backup DIR", "--dry-run",
                             "4  diff: a file was refused"})
        EXPECT_TRUE(contains(r.out, part)) << part;
}

} // namespace
