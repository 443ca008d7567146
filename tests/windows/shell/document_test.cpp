// The document's life through the File menu: New, Open, Save, Save As and
// Import Address Book, the untitled name, the mark of unsaved changes and the
// question that protects them.
#include "harness.h"

#include "destination.h"
#include "resource.h"
#include "settingsfile.h"
#include "textrules.h"

#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

using Strings = std::vector<std::string>;

// An address book only, whose first key is "Imported".
void writeOtherFile(const std::string& path) {
    std::unique_ptr<Document> doc = emptyDocument();
    const std::vector<uint8_t> blank = makeDefaultTemplate();
    ASSERT_EQ(newDocument(*doc, blank.data(), blank.size(), programSignature().c_str()),
              FileStatus::Ok);
    DestinationEntry entry = {};
    entry.type = typeEmail;
    std::strcpy(entry.name, "Imported");
    std::strcpy(entry.address, "imported@example.com");
    ASSERT_EQ(encodeDestination(TextRules{"ENGLISH", nullptr}, doc->registers, 0, entry), 1);
    packImage(*doc);
    ASSERT_EQ(saveSettingsFile(*doc, path.c_str(), programSignature().c_str()), FileStatus::Ok);
}

const char noSuchFolder[] = "Z:\\no\\such\\folder\\x.DAT";

// The signature of the test library that the OtherSignature tests run with.
const char librarySignature[] = "QEBCODE001|ZOT|TAROVEN|AL";

// The sample file at `path` with its signature replaced.
void writeSampleSignedAs(const std::string& path, const char* signature) {
    writeSampleFile(path);
    std::string bytes = readWholeFile(path);
    ASSERT_GE(bytes.size(), signatureSize);
    bytes.replace(0, signatureSize, std::string(signatureSize, '\0'));
    bytes.replace(0, std::strlen(signature), signature);
    writeWholeFile(path, bytes);
}

using Documents = FrameTest;

TEST_F(Documents, NewOpensTheEmptyTemplateUntitled) {
    command(IDM_NEW);
    EXPECT_EQ(caption(), "Zotwell - ZOT - NewFile.Dat");
    EXPECT_TRUE(IsWindowEnabled(child(IDC_TREE)));
    showSpeedDial();
    ASSERT_EQ(rows(), 50);
    for (int row = 0; row < 50; ++row)
        EXPECT_EQ(cell(row, 2), "") << "row " << row;
    ASSERT_TRUE(closingAsks());
    EXPECT_EQ(shown.back().text, "Is Change NewFile.Dat Saved ?");
    EXPECT_EQ(shown.back().caption, "Zotwell - ZOT");
    EXPECT_EQ(shown.back().buttons, static_cast<UINT>(MB_YESNOCANCEL | MB_ICONQUESTION));
}

TEST_F(Documents, SavingANewDocumentAsksForANameOnce) {
    command(IDM_NEW);
    const std::string path = scratch("first.DAT");
    picks.push_back(path);
    command(IDM_SAVE);
    EXPECT_EQ(fileDialogs, std::vector<SettingsFileMode>{settingsSave});
    EXPECT_EQ(readWholeFile(path).size(), 477u) << "the address book only";
    EXPECT_EQ(caption(), "Zotwell - ZOT - NewFile.Dat") << "the caption keeps the untitled name";

    DeleteFileA(path.c_str());
    command(IDM_SAVE);
    EXPECT_EQ(fileDialogs.size(), 1u) << "the second Save goes straight to the file";
    EXPECT_TRUE(fileExists(path));
    EXPECT_FALSE(closingAsks());
}

TEST_F(Documents, SaveAsAlwaysAsksNamesTheCaptionAndLeavesTheMark) {
    command(IDM_NEW);
    const std::string first = scratch("b.DAT");
    const std::string second = scratch("c.DAT");
    picks = {first, second};
    command(IDM_SAVE_AS);
    EXPECT_EQ(caption(), "Zotwell - ZOT - b.DAT");
    EXPECT_TRUE(fileExists(first));
    ASSERT_TRUE(closingAsks());
    EXPECT_EQ(shown.back().text, "Is Change " + first + " Saved ?");
    command(IDM_SAVE_AS);
    EXPECT_EQ(caption(), "Zotwell - ZOT - c.DAT");
    EXPECT_EQ(fileDialogs, (std::vector<SettingsFileMode>{settingsSaveAs, settingsSaveAs}));
    // Save clears the mark, and needs no name now.
    command(IDM_SAVE);
    EXPECT_EQ(fileDialogs.size(), 2u);
    EXPECT_FALSE(closingAsks());
}

TEST_F(Documents, OpenReadsTheFileAndTakesItsName) {
    openSample();
    EXPECT_EQ(fileDialogs, std::vector<SettingsFileMode>{settingsOpen});
    EXPECT_EQ(caption(), "Zotwell - ZOT - sample.DAT");
    EXPECT_EQ(treeRootText(), "Copier 2nd floor");
    EXPECT_TRUE(menuEnabled(IDM_ADMIN_MANAGEMENT)) << "a full document has the settings";
    showSpeedDial();
    EXPECT_EQ(cell(0, 1), "Sales");
    EXPECT_EQ(cell(1, 2), "accounts@example.com");
    EXPECT_FALSE(closingAsks());
}

// The program's English signature asks more of each field than the test
// library's: a file signed by that library is not one of the program's.
TEST_F(Documents, AFileWhoseSignatureFieldsFallShortOfTheProgramsIsRefused) {
    const std::string path = scratch("short.DAT");
    writeSampleSignedAs(path, librarySignature);
    picks.push_back(path);
    command(IDM_OPEN);
    EXPECT_EQ(texts(), Strings{says::badFile});
    EXPECT_EQ(caption(), "Zotwell - ZOT - NewFile.Dat");
}

// Run from a copy of the tests with a library beside it whose string 3580 is
// librarySignature: the program writes and compares that text.
using OtherSignature = FrameTest;

TEST_F(OtherSignature, FilesAreWrittenAndComparedWithTheLibrarysSignature) {
    ASSERT_EQ(programSignature(), librarySignature) << "ctest runs this beside the library";
    command(IDM_NEW);
    EXPECT_TRUE(shown.empty()) << "the template's \"ZOD\" fields begin with the library's";
    const std::string saved = scratch("new.DAT");
    picks.push_back(saved);
    command(IDM_SAVE_AS);
    command(IDM_SAVE); // so that the Opens below do not ask
    EXPECT_TRUE(shown.empty());
    const std::string bytes = readWholeFile(saved);
    ASSERT_GE(bytes.size(), signatureSize);
    EXPECT_EQ(std::string(bytes.c_str()), librarySignature);
    EXPECT_EQ(bytes.substr(0, signatureSize).find_first_not_of('\0', std::strlen(librarySignature)),
              std::string::npos);

    struct Case {
        const char* file;
        const char* signature;
        bool opens;
    } cases[] = {
        {"own.DAT", librarySignature, true},
        // The English program's fields begin with the library's.
        {"english.DAT", "QEBCODE001|ZOT|TAROVENQEBNS|ALL", true},
        {"short.DAT", "QEBCODE001|ZOT|TAROVE|AL", false},
    };
    std::string open = "new.DAT";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        shown.clear();
        const std::string path = scratch(c.file);
        writeSampleSignedAs(path, c.signature);
        picks.push_back(path);
        command(IDM_OPEN);
        EXPECT_EQ(texts(), c.opens ? Strings{} : Strings{says::badFile});
        if (c.opens) open = c.file;
        EXPECT_EQ(caption(), "Zotwell - ZOT - " + open) << "a refused file leaves the open one";
        if (c.opens) {
            EXPECT_EQ(treeRootText(), "Copier 2nd floor");
        }
    }
}

// Run from a copy of the tests with the Japanese library beside it, under code
// page 932, where the second byte of a double-byte character may be 0x5C.
using JapaneseDocuments = FrameTest;

TEST_F(JapaneseDocuments, TheCaptionNamesAFileWhoseCharactersEndInABackslashByte) {
    ASSERT_EQ(GetACP(), 932u) << "ctest runs this with LC_ALL and LOCPATH";
    const std::string opened = "\x95\x5C"
                               "a.DAT"; // "表a.DAT"
    const std::string path = scratch(opened.c_str());
    writeSampleFile(path);
    picks.push_back(path);
    command(IDM_OPEN);
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(caption(), "Zotwell - ZOT - " + opened);

    const std::string savedAs = "\x83\x5C\x83\x74\x83\x67"
                                ".DAT"; // "ソフト.DAT"
    picks.push_back(scratch(savedAs.c_str()));
    command(IDM_SAVE_AS);
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(caption(), "Zotwell - ZOT - " + savedAs);
    EXPECT_TRUE(fileExists(scratch(savedAs.c_str())));
}

TEST_F(Documents, ClosingAChangedDocumentWithANameSavesItInPlace) {
    const std::string path = openSample();
    showSpeedDial();
    command(IDM_DELETE); // key 001
    answers.push_back(IDYES);
    closeBox();
    EXPECT_TRUE(closed());
    EXPECT_EQ(fileDialogs.size(), 1u) << "no dialog: the file has a name";
    std::unique_ptr<Document> saved = emptyDocument();
    ASSERT_EQ(openSettingsFile(*saved, path.c_str(), programSignature().c_str()), FileStatus::Ok);
    unpackImage(*saved);
    EXPECT_FALSE(isRegistered(saved->registers, 0));
    EXPECT_TRUE(isRegistered(saved->registers, 1));
}

struct BadFile {
    const char* name;
    const char* bytes; // null: the file does not exist
    size_t size;
};

class RefusedFile : public Documents, public ::testing::WithParamInterface<BadFile> {
  protected:
    std::string badPath() {
        const std::string path = scratch("bad.DAT");
        if (GetParam().bytes) writeWholeFile(path, std::string(GetParam().bytes, GetParam().size));
        return path;
    }
};

TEST_P(RefusedFile, KeepsTheOpenDocument) {
    openSample();
    picks.push_back(badPath());
    command(IDM_OPEN);
    EXPECT_EQ(texts(), Strings{says::badFile});
    EXPECT_EQ(caption(), "Zotwell - ZOT - sample.DAT");
    showSpeedDial();
    EXPECT_EQ(cell(0, 1), "Sales");
    EXPECT_TRUE(menuEnabled(IDM_SAVE));
    EXPECT_FALSE(closingAsks());
}

TEST_P(RefusedFile, OpensNothingWithoutADocument) {
    picks.push_back(badPath());
    command(IDM_OPEN);
    EXPECT_EQ(texts(), Strings{says::badFile});
    EXPECT_EQ(caption(), "Zotwell - ZOT - NewFile.Dat");
    EXPECT_FALSE(menuEnabled(IDM_SAVE));
    EXPECT_EQ(placeOf(IDD_STATUS_PANEL).left, 0);
}

TEST_P(RefusedFile, IsNotImported) {
    openSample();
    picks.push_back(badPath());
    answers.push_back(IDYES);
    command(IDM_IMPORT_ADDRESS_BOOK);
    EXPECT_EQ(texts(), (Strings{says::askImport, says::badFile}));
    showSpeedDial();
    EXPECT_EQ(cell(0, 1), "Sales");
    EXPECT_FALSE(closingAsks()) << "nothing changed";
}

const char kodSignature[] = "QEBCODE001|KOD|TAROVENQEBNS|ALL";
const char zotSignature[] = "QEBCODE001|ZOT|TAROVENQEBNS|ALL";
INSTANTIATE_TEST_SUITE_P(
    Files, RefusedFile,
    ::testing::Values(BadFile{"Missing", nullptr, 0}, BadFile{"Empty", "", 0},
                      BadFile{"Text", "just some text, no settings", 27},
                      BadFile{"SiblingVariant", kodSignature, sizeof kodSignature},
                      BadFile{"SignatureOnly", zotSignature, sizeof zotSignature}),
    [](const ::testing::TestParamInfo<BadFile>& f) { return f.param.name; });

TEST_F(Documents, CancelledFileDialogsChangeNothing) {
    command(IDM_NEW);
    picks = {"", "", "", ""};
    command(IDM_SAVE);
    command(IDM_SAVE_AS);
    command(IDM_IMPORT_ADDRESS_BOOK);
    answers.push_back(IDNO); // Open asks about the unsaved New first
    command(IDM_OPEN);
    EXPECT_EQ(caption(), "Zotwell - ZOT - NewFile.Dat");
    EXPECT_EQ(fileDialogs.size(), 4u);
    EXPECT_TRUE(closingAsks()) << "still unsaved";
}

TEST_F(Documents, AFailedSaveSaysSoAndKeepsTheMark) {
    command(IDM_NEW);
    picks = {noSuchFolder, noSuchFolder};
    command(IDM_SAVE_AS);
    ASSERT_EQ(shown.size(), 1u);
    // The string table's text with the path, then the system's reason.
    const std::string& said = shown[0].text;
    const size_t lineEnd = said.find('\n');
    EXPECT_EQ(said.substr(0, lineEnd),
              std::string("The file ") + noSuchFolder + " could not be saved.");
    ASSERT_NE(lineEnd, std::string::npos) << said;
    EXPECT_GT(said.size(), lineEnd + 1) << "the reason is not empty";
    EXPECT_EQ(shown[0].buttons, static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION));
    EXPECT_EQ(shown[0].caption, "Zotwell - ZOT");
    EXPECT_EQ(caption(), "Zotwell - ZOT - NewFile.Dat");
    command(IDM_SAVE);
    EXPECT_EQ(shown.size(), 2u);
    EXPECT_EQ(fileDialogs.size(), 2u);
    shown.clear();
    ASSERT_TRUE(closingAsks());
    EXPECT_EQ(shown.back().text, "Is Change NewFile.Dat Saved ?") << "still untitled";
}

// The question before unsaved changes are lost, for every command that
// would lose them and every answer.
enum class Answer { Cancel, No, YesSaved, YesSaveCancelled, YesSaveFailed };

struct LossCase {
    std::string name;
    UINT command; // WM_CLOSE for the caption's close box
    Answer answer;
};

class UnsavedChanges : public Documents, public ::testing::WithParamInterface<LossCase> {};

TEST_P(UnsavedChanges, AreSavedOrGivenUpOrTheCommandStops) {
    const LossCase& c = GetParam();
    download();
    command(IDM_DISCONNECT);
    ASSERT_EQ(treeRootText(), "Copier 2nd floor");
    const std::string saved = scratch("saved.DAT");
    const std::string other = scratch("other.DAT");
    writeOtherFile(other);

    answers.push_back(c.answer == Answer::Cancel ? IDCANCEL
                      : c.answer == Answer::No   ? IDNO
                                                 : IDYES);
    switch (c.answer) {
    case Answer::YesSaved:
        picks.push_back(saved);
        break;
    case Answer::YesSaveCancelled:
        picks.push_back("");
        break;
    case Answer::YesSaveFailed:
        picks.push_back(noSuchFolder);
        break;
    default:
        break;
    }
    const bool proceeds = c.answer == Answer::No || c.answer == Answer::YesSaved;
    if (proceeds && c.command == IDM_OPEN) picks.push_back(other);

    if (c.command == WM_CLOSE)
        closeBox();
    else
        command(c.command);

    ASSERT_GE(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, "Is Change NewFile.Dat Saved ?");
    EXPECT_EQ(fileExists(saved), c.answer == Answer::YesSaved);
    if (c.answer == Answer::YesSaveFailed) {
        ASSERT_EQ(shown.size(), 2u);
        EXPECT_NE(shown[1].text.find(noSuchFolder), std::string::npos);
    }
    if (!proceeds) {
        EXPECT_FALSE(closed());
        EXPECT_EQ(caption(), "Zotwell - ZOT - NewFile.Dat");
        EXPECT_EQ(treeRootText(), "Copier 2nd floor") << "the document stays";
        EXPECT_TRUE(closingAsks()) << "and stays unsaved";
        return;
    }
    switch (c.command) {
    case IDM_NEW:
        EXPECT_EQ(treeRootText(), "") << "the empty template";
        break;
    case IDM_OPEN:
        EXPECT_EQ(caption(), "Zotwell - ZOT - other.DAT");
        showSpeedDial();
        EXPECT_EQ(cell(0, 1), "Imported");
        EXPECT_FALSE(closingAsks()) << "a file just opened has no changes";
        break;
    default:
        EXPECT_TRUE(closed());
    }
}

std::vector<LossCase> lossCases() {
    struct Named {
        const char* name;
        UINT command;
    };
    const Named commands[] = {
        {"New", IDM_NEW}, {"Open", IDM_OPEN}, {"Exit", IDM_EXIT}, {"CloseBox", WM_CLOSE}};
    struct NamedAnswer {
        const char* name;
        Answer answer;
    };
    const NamedAnswer answers[] = {{"Cancel", Answer::Cancel},
                                   {"No", Answer::No},
                                   {"YesSaved", Answer::YesSaved},
                                   {"YesSaveCancelled", Answer::YesSaveCancelled},
                                   {"YesSaveFailed", Answer::YesSaveFailed}};
    std::vector<LossCase> cases;
    for (const Named& command : commands)
        for (const NamedAnswer& answer : answers)
            cases.push_back(
                LossCase{std::string(command.name) + answer.name, command.command, answer.answer});
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Commands, UnsavedChanges, ::testing::ValuesIn(lossCases()),
                         [](const ::testing::TestParamInfo<LossCase>& c) { return c.param.name; });

class Import : public Documents, public ::testing::WithParamInterface<int> {};

TEST_P(Import, TakesTheKeysOnlyAfterAskingAndMarksTheDocument) {
    openSample();
    const std::string other = scratch("other.DAT");
    writeOtherFile(other);
    picks.push_back(other);
    answers.push_back(GetParam());
    command(IDM_IMPORT_ADDRESS_BOOK);
    EXPECT_EQ(texts(), Strings{says::askImport});
    EXPECT_EQ(shown[0].buttons & MB_TYPEMASK, static_cast<UINT>(MB_YESNO));
    EXPECT_EQ(caption(), "Zotwell - ZOT - sample.DAT");
    EXPECT_EQ(treeRootText(), "Copier 2nd floor") << "the settings stay";
    EXPECT_TRUE(menuEnabled(IDM_ADMIN_MANAGEMENT));
    showSpeedDial();
    const bool yes = GetParam() == IDYES;
    EXPECT_EQ(cell(0, 1), yes ? "Imported" : "Sales");
    EXPECT_EQ(cell(1, 2), yes ? "" : "accounts@example.com");
    EXPECT_TRUE(closingAsks()) << "marked whatever the answer";
}

INSTANTIATE_TEST_SUITE_P(Answers, Import, ::testing::Values(IDYES, IDNO),
                         [](const ::testing::TestParamInfo<int>& a) {
                             return a.param == IDYES ? "Yes" : "No";
                         });

} // namespace
