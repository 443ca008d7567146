#include "fixtures.h"
#include "settingsfile.h"

#include <gtest/gtest.h>

#include <numeric>

namespace {

Rules english("ENGLISH", 1252);

Bytes snapshot(const Document& doc) {
    const uint8_t* p = reinterpret_cast<const uint8_t*>(&doc);
    return Bytes(p, p + sizeof doc);
}

Bytes fileOf(const Document& doc) {
    Bytes out;
    buildSettingsFile(doc, out, ourSignature);
    return out;
}

std::unique_ptr<Document> newDoc() {
    auto doc = makeDocument();
    Bytes tmpl = makeDefaultTemplate();
    EXPECT_EQ(newDocument(*doc, tmpl.data(), tmpl.size(), ourSignature), FileStatus::Ok);
    packImage(*doc);
    return doc;
}

Bytes newFile() {
    return fileOf(*newDoc());
}
Bytes fullFile() {
    return fileOf(*makeDownloadedDocument(english.rules));
}

// Patches a little-endian 32-bit field of a file image.
Bytes with32(Bytes file, size_t at, uint32_t value) {
    writeLe32(file.data() + at, value);
    return file;
}
Bytes withBodyLength(Bytes file, size_t bodyLength) {
    return with32(std::move(file), signatureSize + 4, static_cast<uint32_t>(bodyLength));
}
Bytes cut(Bytes file, size_t missing) {
    file.resize(file.size() - missing);
    return file;
}
Bytes withSignature(Bytes file, const char* signature) {
    std::memset(file.data(), 0, signatureSize);
    std::memcpy(file.data(), signature, std::strlen(signature));
    return file;
}

// A register-only file whose key 050 is registered, so its last item carries data.
Bytes registerOnlyFileEndingInData() {
    auto doc = newDoc();
    DestinationEntry e = ftpEntry();
    EXPECT_EQ(encodeDestination(english.rules, doc->registers, 49, e), 1);
    packImage(*doc);
    return fileOf(*doc);
}

size_t sumOfSettingWidths() {
    return std::accumulate(std::begin(settingWidths), std::end(settingWidths), size_t{0});
}

// ---------------------------------------------------------------- layout

TEST(SettingsFileLayout, SavedFileBeginsWithSignatureAndHeader) {
    Bytes file = newFile();
    ASSERT_GE(file.size(), fileHeaderSize);
    const std::string sig = "QEBCODE001|ZOT|TAROVENQEBNS|ALL";
    EXPECT_EQ(std::string(file.begin(), file.begin() + 31), sig);
    EXPECT_EQ(Bytes(file.begin() + 31, file.begin() + 69), Bytes(38, 0));
    EXPECT_EQ(Bytes(file.begin() + 69, file.begin() + 73), (Bytes{0x02, 0x01, 0x00, 0x00}));
    EXPECT_EQ(readLe32(file.data() + 73), file.size() - fileHeaderSize);
}

TEST(SettingsFileLayout, NewDocumentIs477BytesAndReopensRegisterOnly) {
    TempDir dir;
    auto doc = newDoc();
    EXPECT_EQ(doc->dialRegistersOnly, 1);
    EXPECT_EQ(doc->config[6], 1);
    EXPECT_EQ(doc->config[7], 1);
    const std::string path = dir.file("NewFile.Dat");
    ASSERT_EQ(saveSettingsFile(*doc, path.c_str(), ourSignature), FileStatus::Ok);
    Bytes file = readFileBytes(path);
    ASSERT_EQ(file.size(), 477u);
    for (int k = 0; k < dialBlockCount; ++k) {
        EXPECT_EQ(readLe32(file.data() + fileHeaderSize + k * itemHeaderSize), blockIdAt(k));
        EXPECT_EQ(readLe32(file.data() + fileHeaderSize + k * itemHeaderSize + 4), 0u);
    }

    auto reopened = makeDocument();
    ASSERT_EQ(openSettingsFile(*reopened, path.c_str(), ourSignature), FileStatus::Ok);
    EXPECT_EQ(reopened->dialRegistersOnly, 1);
    unpackImage(*reopened);
    packImage(*reopened);
    EXPECT_EQ(fileOf(*reopened), file);
}

TEST(SettingsFileLayout, BuiltInTemplateMatchesTheShippedResource) {
    Bytes shipped = readFileBytes(std::string(ZOTWELL_SOURCE_DIR) + "/resources/DEFAULTFILE.bin");
    Bytes built = makeDefaultTemplate();
    ASSERT_EQ(built.size(), 732u);
    EXPECT_EQ(built, shipped);
    EXPECT_EQ(std::string(built.begin(), built.begin() + 31), "QEBCODE001|ZOD|TAROVENQEBNS|ALL");
    EXPECT_EQ(readLe32(built.data() + 73), 656u) << "one byte more than the template holds";
}

TEST(SettingsFileLayout, FullDocumentRoundTripsByteForByte) {
    TempDir dir;
    auto doc = makeDownloadedDocument(english.rules);
    const std::string path = dir.file("full.DAT");
    ASSERT_EQ(saveSettingsFile(*doc, path.c_str(), ourSignature), FileStatus::Ok);
    Bytes first = readFileBytes(path);
    const size_t expectedSize = fileHeaderSize + blockCount * itemHeaderSize + 2 * shortRecordSize +
                                2 * longRecordSize + sumOfSettingWidths() + configItemSize;
    EXPECT_EQ(first.size(), expectedSize);
    EXPECT_EQ(readLe32(first.data() + first.size() - configItemSize), configItemId);

    auto loaded = makeDocument();
    loaded->dialRegistersOnly = 1;
    ASSERT_EQ(openSettingsFile(*loaded, path.c_str(), ourSignature), FileStatus::Ok);
    EXPECT_EQ(loaded->dialRegistersOnly, 0);
    unpackImage(*loaded);
    // Free records are not stored; decoding normalises them the same way again.
    normaliseDestinations(english.rules, loaded->registers);
    EXPECT_EQ(std::memcmp(&loaded->registers, &doc->registers, sizeof doc->registers), 0);
    EXPECT_EQ(std::memcmp(&loaded->settings.image, &doc->settings.image, sizeof(ImageSettings)), 0);
    EXPECT_EQ(std::memcmp(loaded->config, doc->config, configRecordSize), 0);
    EXPECT_EQ(loaded->settings.image.adminNumber, 12345678u);

    packImage(*loaded);
    ASSERT_EQ(saveSettingsFile(*loaded, path.c_str(), ourSignature), FileStatus::Ok);
    EXPECT_EQ(readFileBytes(path), first);
}

TEST(SettingsFileLayout, LoadingRaisesTheCapabilityFlags) {
    Bytes file = fullFile();
    const size_t record = file.size() - configRecordSize;
    file[record + 6] = 0;
    file[record + 7] = 0;
    file[record + 8] = 0x5C;
    auto doc = makeDocument();
    ASSERT_EQ(loadSettingsBytes(*doc, file.data(), file.size(), ourSignature), FileStatus::Ok);
    EXPECT_EQ(doc->config[6], 1);
    EXPECT_EQ(doc->config[7], 1);
    EXPECT_EQ(doc->config[8], 0x5C);
}

// ---------------------------------------------------------------- signature

TEST(Signature, CheckSignature) {
    struct Case {
        const char* signature;
        int accepted;
    } cases[] = {
        {"QEBCODE001|ZOT|TAROVENQEBNS|ALL", 1},
        {"QEBCODE001|ZOD|TAROVENQEBNS|ALL", 1},
        {"QEBCODE001|KOD|TAROVENQEBNS|ALL", 0},
        {"QEBCODE001|ZOT|TAROVENQEBNS|ALL|X", 0},
        {"QEBCODE001|ZOT|TAROVENQEBNS", 0},
        {"QEBCODE001|ZOT|OTHERPROJECT|ALL", 0},
        {"QEBCODE001|ZOT|TAROVENQEBNS|PART", 0},
        {"QEBCODE001|ZOT|TAROVENQEBNS|AL", 0},
        {"QEBCODE002|ZOT|TAROVENQEBNS|ALL", 0},
        {"QEBCODE001||TAROVENQEBNS|ALL", 0},
        {"QEBCODE001|ZOT|TAROVENQEBNSX|ALLX", 1}, // a field only has to begin with ours
        {"", 0},
    };
    for (const Case& c : cases) {
        Bytes sig(signatureSize, 0);
        std::memcpy(sig.data(), c.signature, std::strlen(c.signature));
        EXPECT_EQ(checkSignature(reinterpret_cast<const char*>(sig.data()), ourSignature),
                  c.accepted)
            << c.signature;
    }
}

TEST(Signature, UnterminatedSignatureIsReadWithinItsSize) {
    std::unique_ptr<char[]> sig(new char[signatureSize]);
    std::memset(sig.get(), 'L', signatureSize);
    std::memcpy(sig.get(), ourSignature, sizeof ourSignature - 1);
    EXPECT_EQ(checkSignature(sig.get(), ourSignature), 1);
}

// A language module may give the program another signature: files are written
// with the caller's and compared with it, the template's "ZOD" still opens.
TEST(Signature, TheCallersSignatureIsWrittenAndCompared) {
    const char moduleSignature[] = "QEBCODE001|ZOT|TAROVEN|AL"; // the template's fields begin so
    const char otherProject[] = "QEBCODE001|ZOT|KITAQEBNS|ALL";
    auto doc = newDoc();
    Bytes file;
    buildSettingsFile(*doc, file, moduleSignature);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(file.data())), moduleSignature);
    EXPECT_EQ(Bytes(file.begin() + std::strlen(moduleSignature), file.begin() + signatureSize),
              Bytes(signatureSize - std::strlen(moduleSignature), 0));

    struct Case {
        const char* name;
        const char* own;
        FileStatus status;
    } cases[] = {
        {"the same signature", moduleSignature, FileStatus::Ok},
        {"the English signature, whose fields are longer", ourSignature, FileStatus::BadSignature},
        {"another project", otherProject, FileStatus::BadSignature},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto opened = makeDocument();
        EXPECT_EQ(loadSettingsBytes(*opened, file.data(), file.size(), c.own), c.status);
        auto imported = newDoc();
        EXPECT_EQ(importAddressBookBytes(*imported, file.data(), file.size(), c.own), c.status);
    }

    const Bytes tmpl = makeDefaultTemplate();
    auto blank = makeDocument();
    EXPECT_EQ(newDocument(*blank, tmpl.data(), tmpl.size(), moduleSignature), FileStatus::Ok);
    EXPECT_EQ(newDocument(*blank, tmpl.data(), tmpl.size(), otherProject),
              FileStatus::BadSignature);
}

// A signature that could not open its own file again (a language module
// without string 3580, or a broken one) saves nothing rather than a file the
// program then refuses.
TEST(Signature, ASignatureThatCannotOpenItsOwnFileIsNotSaved) {
    const std::string tooLong = "QEBCODE001|ZOT|TAROVENQEBNS|" + std::string(42, 'A');
    struct Case {
        const char* name;
        std::string own;
        bool usable;
    } cases[] = {
        {"the English signature", ourSignature, true},
        {"69 characters", tooLong.substr(0, signatureSize), true},
        {"empty", "", false},
        {"not QEB", "ZOT|TAROVENQEBNS|ALL", false},
        {"70 characters", tooLong, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(usableSignature(c.own.c_str()), c.usable);
        TempDir dir;
        const std::string path = dir.file("x.DAT");
        EXPECT_EQ(saveSettingsFile(*newDoc(), path.c_str(), c.own.c_str()),
                  c.usable ? FileStatus::Ok : FileStatus::BadSignature);
        EXPECT_EQ(std::filesystem::exists(path), c.usable);
        if (!c.usable) continue;
        auto reopened = makeDocument();
        EXPECT_EQ(openSettingsFile(*reopened, path.c_str(), c.own.c_str()), FileStatus::Ok);
    }
}

// ---------------------------------------------------------------- refusals

struct Refusal {
    const char* name;
    Bytes file;
    FileStatus status;
};

std::vector<Refusal> refusals() {
    const Bytes full = fullFile();
    const Bytes registersOnly = newFile();
    const size_t fullBody = full.size() - fileHeaderSize;
    std::vector<Refusal> r;
    r.push_back({"empty file", {}, FileStatus::Empty});
    r.push_back({"two bytes", textBytes("QE"), FileStatus::NotSettingsFile});
    r.push_back({"no QEB", withSignature(full, "QEDCODE001|ZOT|TAROVENQEBNS|ALL"),
                 FileStatus::NotSettingsFile});
    r.push_back({"sibling's signature", withSignature(full, "QEBCODE001|KOD|TAROVENQEBNS|ALL"),
                 FileStatus::BadSignature});
    r.push_back({"five-field signature", withSignature(full, "QEBCODE001|ZOT|TAROVENQEBNS|ALL|2"),
                 FileStatus::BadSignature});
    r.push_back({"shorter than a signature", textBytes("QEBCODE001|ZOT|TAROVENQEBNS|ALL"),
                 FileStatus::BadSignature});
    r.push_back({"cut inside the header", cut(full, full.size() - 75), FileStatus::BadHeader});
    r.push_back({"header code wrong", with32(full, signatureSize, 0x103), FileStatus::BadHeader});
    r.push_back(
        {"body length far past the file", withBodyLength(full, 0x7FFFFFFF), FileStatus::BadHeader});
    r.push_back({"register-only, 4 bytes missing", cut(registersOnly, 4), FileStatus::BadItems});
    r.push_back({"full, 2 bytes of the configuration missing", cut(full, 2), FileStatus::BadItems});
    r.push_back({"full, cut in the item list", cut(full, 2000), FileStatus::BadItems});
    r.push_back({"register-only, last item's data missing", cut(registerOnlyFileEndingInData(), 1),
                 FileStatus::BadItems});
    r.push_back({"item runs past the body",
                 with32(registersOnly, fileHeaderSize + 49 * itemHeaderSize + 4, 116),
                 FileStatus::BadItems});
    r.push_back({"item longer than its block", with32(full, fileHeaderSize + 4, 2000),
                 FileStatus::BadItems});
    r.push_back({"list ends before block 49", withBodyLength(cut(registersOnly, 8), 392),
                 FileStatus::BadItems});
    r.push_back({"configuration item missing",
                 withBodyLength(cut(full, configItemSize), fullBody - configItemSize),
                 FileStatus::BadConfigItem});
    {
        Bytes longer = with32(full, full.size() - configItemSize + 4, configRecordSize + 1);
        longer.push_back(0);
        r.push_back({"configuration item too long", withBodyLength(longer, fullBody + 1),
                     FileStatus::BadConfigItem});
    }
    r.push_back({"configuration item with another identifier",
                 with32(full, full.size() - configItemSize, uploadTrailerId),
                 FileStatus::BadConfigItem});
    return r;
}

TEST(OpenRefusals, EachRefusalNamesItsCauseAndLeavesTheDocumentAlone) {
    TempDir dir;
    for (const Refusal& c : refusals()) {
        SCOPED_TRACE(c.name);
        const std::string path = dir.file("refused.DAT");
        writeFileBytes(path, c.file);
        auto doc = makeDownloadedDocument(english.rules);
        const Bytes before = snapshot(*doc);
        FileStatus s = openSettingsFile(*doc, path.c_str(), ourSignature);
        EXPECT_EQ(s, c.status) << fileStatusText(s);
        EXPECT_TRUE(snapshot(*doc) == before) << "the open document changed";
    }
}

TEST(OpenRefusals, PathsThatAreNoFile) {
    TempDir dir;
    auto doc = makeDocument();
    const Bytes before = snapshot(*doc);
    EXPECT_EQ(openSettingsFile(*doc, dir.file("missing.DAT").c_str(), ourSignature),
              FileStatus::CannotOpen);
    EXPECT_EQ(openSettingsFile(*doc, dir.path().c_str(), ourSignature), FileStatus::CannotOpen);
    EXPECT_TRUE(snapshot(*doc) == before);
}

TEST(OpenAccepts, ShortTailOnlyInsideTheLastEmptyLengthField) {
    // The built-in template stops inside its last length field; up to three
    // missing bytes there read as zero.
    struct Case {
        const char* name;
        Bytes file;
    } cases[] = {
        {"built-in template", makeDefaultTemplate()},
        {"register-only, 1 byte missing", cut(newFile(), 1)},
        {"register-only, 3 bytes missing", cut(newFile(), 3)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto doc = makeDocument();
        EXPECT_EQ(loadSettingsBytes(*doc, c.file.data(), c.file.size(), ourSignature),
                  FileStatus::Ok);
        EXPECT_EQ(doc->dialRegistersOnly, 1);
    }
}

// ---------------------------------------------------------------- import

TEST(Import, TakesTheFiftyKeysOnly) {
    TempDir dir;
    auto source = makeDownloadedDocument(english.rules);
    DestinationEntry e = emailEntry("Imported", "imported@example.org");
    ASSERT_EQ(encodeDestination(english.rules, source->registers, 4, e), 1);
    e = emailEntry("", "");
    ASSERT_EQ(encodeDestination(english.rules, source->registers, 0, e), 1); // key 001 freed
    source->settings.image.adminNumber = 99;
    source->settings.image.ipAddress[0] = 172;
    packImage(*source);
    const std::string path = dir.file("source.DAT");
    ASSERT_EQ(saveSettingsFile(*source, path.c_str(), ourSignature), FileStatus::Ok);

    auto doc = makeDownloadedDocument(english.rules);
    doc->config[20] = 0x77;
    const Bytes before = snapshot(*doc);
    ASSERT_EQ(importAddressBook(*doc, path.c_str(), ourSignature), FileStatus::Ok);

    for (int k = 0; k < dialBlockCount; ++k) {
        const ImageBlock& got = doc->image.blocks[k];
        const ImageBlock& want = source->image.blocks[k];
        ASSERT_EQ(got.blockLength, want.blockLength) << "key " << k + 1;
        EXPECT_EQ(std::memcmp(got.data, want.data, want.blockLength), 0) << "key " << k + 1;
    }
    const size_t settingsAt = offsetof(Document, image) + sizeof(ImageBlock) * dialBlockCount;
    const Bytes after = snapshot(*doc);
    EXPECT_TRUE(std::equal(after.begin() + settingsAt, after.end(), before.begin() + settingsAt))
        << "settings blocks, registers, settings record, configuration and flags stay";

    doc->importPending = 1;
    unpackImage(*doc);
    normaliseDestinations(english.rules, doc->registers);
    EXPECT_TRUE(isRegistered(doc->registers, 4));
    EXPECT_FALSE(isRegistered(doc->registers, 0));
    EXPECT_EQ(doc->settings.image.adminNumber, 12345678u);
    EXPECT_EQ(doc->config[20], 0x77);
}

TEST(Import, RefusedFileLeavesTheDocumentAlone) {
    TempDir dir;
    const Bytes registersOnly = newFile();
    struct Case {
        const char* name;
        Bytes file;
    } cases[] = {
        {"empty", {}},
        {"no QEB", withSignature(registersOnly, "XEBCODE001|ZOT|TAROVENQEBNS|ALL")},
        {"sibling's signature", withSignature(registersOnly, "QEBCODE001|KOD|TAROVENQEBNS|ALL")},
        {"register list cut short", cut(registersOnly, 16)},
        {"register item runs past the file", cut(registerOnlyFileEndingInData(), 1)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = dir.file("import.DAT");
        writeFileBytes(path, c.file);
        auto doc = makeDownloadedDocument(english.rules);
        const Bytes before = snapshot(*doc);
        EXPECT_NE(importAddressBook(*doc, path.c_str(), ourSignature), FileStatus::Ok);
        EXPECT_TRUE(snapshot(*doc) == before);
    }
}

// ---------------------------------------------------------------- saving

TEST(Save, UnwritablePathFailsAndLeavesNothingBehind) {
    TempDir dir;
    auto doc = newDoc();
    const std::string missingDir = dir.file("no-such-dir");
    EXPECT_EQ(saveSettingsFile(*doc, (missingDir + "/x.DAT").c_str(), ourSignature),
              FileStatus::WriteFailed);
    EXPECT_FALSE(std::filesystem::exists(missingDir));

    // A directory in the file's place cannot be replaced; the half-made file must go.
    const std::string occupied = dir.file("occupied.DAT");
    std::filesystem::create_directory(occupied);
    EXPECT_EQ(saveSettingsFile(*doc, occupied.c_str(), ourSignature), FileStatus::WriteFailed);
    EXPECT_TRUE(std::filesystem::is_directory(occupied));
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"occupied.DAT"});
}

TEST(Save, ReplacesAnExistingFileWholeAndLeavesNoTemporaryFiles) {
    TempDir dir;
    const std::string path = dir.file("doc.DAT");
    ASSERT_EQ(saveSettingsFile(*makeDownloadedDocument(english.rules), path.c_str(), ourSignature),
              FileStatus::Ok);
    const Bytes replacement = newFile();
    ASSERT_EQ(saveSettingsFile(*newDoc(), path.c_str(), ourSignature), FileStatus::Ok);
    EXPECT_EQ(readFileBytes(path), replacement);
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"doc.DAT"});
}

} // namespace

namespace {

// A closing item marked "not present" ends the list without deciding the
// document's kind; Open starts from a cleared flag, so it loads as full, with
// its configuration record, even over a register-only document.
TEST(OpenAccepts, ClosingItemMarkedNotPresentGivesAFullDocument) {
    Bytes body;
    for (uint32_t id = firstDialBlockId; id <= lastDialBlockId; ++id) {
        Bytes item = le32(id);
        Bytes zero = le32(0);
        body.insert(body.end(), item.begin(), item.end());
        body.insert(body.end(), zero.begin(), zero.end());
    }
    for (uint32_t v : {endBlockId, lengthNotPresent, configItemId, uint32_t{configRecordSize}}) {
        Bytes b = le32(v);
        body.insert(body.end(), b.begin(), b.end());
    }
    body.resize(body.size() + configRecordSize, 0x33);
    Bytes file(signatureSize, 0);
    std::memcpy(file.data(), ourSignature, std::strlen(ourSignature));
    for (uint32_t v : {settingsMessageCode, static_cast<uint32_t>(body.size())}) {
        Bytes b = le32(v);
        file.insert(file.end(), b.begin(), b.end());
    }
    file.insert(file.end(), body.begin(), body.end());

    auto doc = newDoc(); // register-only
    ASSERT_EQ(loadSettingsBytes(*doc, file.data(), file.size(), ourSignature), FileStatus::Ok);
    EXPECT_EQ(doc->dialRegistersOnly, 0);
    EXPECT_EQ(doc->config[0], 0x33);
    EXPECT_EQ(doc->image.blocks[blockCount - 1].blockLength, lengthNotPresent);
    // Saved again: every item header, no data for the closing item, the record.
    Bytes saved = fileOf(*doc);
    EXPECT_EQ(saved.size(), fileHeaderSize + blockCount * itemHeaderSize + configItemSize);
}

} // namespace
