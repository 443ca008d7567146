// zotwell.exe's own resources, read and opened through the document core under
// Windows: the proof that the core cross-compiles and runs there.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "resource.h"
#include "settingsfile.h"

namespace {

const char englishSignature[] = "QEBCODE001|ZOT|TAROVENQEBNS|ALL";

std::string besideTests(const char* name) {
    char path[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string dir(path, n);
    return dir.substr(0, dir.find_last_of("\\/") + 1) + name;
}

struct ExeResources : ::testing::Test {
    HMODULE exe = nullptr;
    void SetUp() override {
        exe = LoadLibraryExA(besideTests(ZOTWELL_EXE_NAME).c_str(), nullptr,
                             LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(exe, nullptr) << "zotwell.exe must lie beside the tests";
    }
    void TearDown() override {
        if (exe) FreeLibrary(exe);
    }
    std::string text(UINT id) {
        char buf[256] = {};
        LoadStringA(exe, id, buf, sizeof buf);
        return buf;
    }
};

TEST_F(ExeResources, StringsNameTheProgramAndItsFiles) {
    EXPECT_EQ(text(IDS_APP_TITLE), "Zotwell - ZOT");
    EXPECT_EQ(text(IDS_LANGUAGE), "ENGLISH");
    EXPECT_EQ(text(IDS_SIGNATURE), englishSignature);
    EXPECT_EQ(text(IDS_NEWFILE), "NewFile.Dat");
}

TEST_F(ExeResources, DefaultTemplateOpensAsEmptyRegisterOnlyDocument) {
    HRSRC found = FindResourceA(exe, MAKEINTRESOURCEA(IDR_DEFAULTFILE), RT_DEFAULTFILE);
    ASSERT_NE(found, nullptr);
    DWORD size = SizeofResource(exe, found);
    const void* bytes = LockResource(LoadResource(exe, found));
    ASSERT_EQ(size, templateSize);
    std::vector<uint8_t> expected = makeDefaultTemplate();
    ASSERT_EQ(0, std::memcmp(bytes, expected.data(), size));

    auto doc = std::make_unique<Document>();
    std::memset(doc.get(), 0, sizeof(Document));
    initImage(doc->image);
    ASSERT_EQ(newDocument(*doc, static_cast<const uint8_t*>(bytes), size, englishSignature),
              FileStatus::Ok);
    EXPECT_EQ(doc->dialRegistersOnly, 1);
    for (int k = 0; k < dialBlockCount; ++k)
        EXPECT_EQ(doc->image.blocks[k].blockLength, 0u);
}

TEST(WindowsFiles, SaveReplacesTheFileAndReopens) {
    auto doc = std::make_unique<Document>();
    std::memset(doc.get(), 0, sizeof(Document));
    initImage(doc->image);
    std::vector<uint8_t> tmpl = makeDefaultTemplate();
    ASSERT_EQ(newDocument(*doc, tmpl.data(), tmpl.size(), englishSignature), FileStatus::Ok);
    packImage(*doc);
    std::string path = besideTests("windows_save_test.DAT");
    ASSERT_EQ(saveSettingsFile(*doc, path.c_str(), englishSignature), FileStatus::Ok);
    ASSERT_EQ(saveSettingsFile(*doc, path.c_str(), englishSignature),
              FileStatus::Ok); // over an existing file
    WIN32_FILE_ATTRIBUTE_DATA info;
    ASSERT_TRUE(GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &info));
    EXPECT_EQ(info.nFileSizeLow, 477u);
    EXPECT_EQ(openSettingsFile(*doc, path.c_str(), englishSignature), FileStatus::Ok);
    DeleteFileA(path.c_str());
    EXPECT_EQ(saveSettingsFile(*doc, "Z:\\no\\such\\folder\\x.DAT", englishSignature),
              FileStatus::WriteFailed);
}

} // namespace
