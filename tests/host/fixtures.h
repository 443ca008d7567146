#pragma once
// Shared helpers for the document tests: documents on the heap, item lists
// built byte by byte, and a scratch directory per test.
#include "bytes.h"
#include "codepage.h"
#include "destination.h"
#include "machineimage.h"
#include "textrules.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

using Bytes = std::vector<uint8_t>;

// The signature that zotwell's own resources and zotctl give their files.
constexpr char ourSignature[] = "QEBCODE001|ZOT|TAROVENQEBNS|ALL";

// A zeroed document with a freshly initialised image, as the frame creates it.
inline std::unique_ptr<Document> makeDocument() {
    auto doc = std::make_unique<Document>();
    std::memset(doc.get(), 0, sizeof(Document));
    initImage(doc->image);
    return doc;
}

inline Bytes le32(uint32_t v) {
    Bytes b(4);
    writeLe32(b.data(), v);
    return b;
}

inline Bytes textBytes(const char* s) {
    return Bytes(s, s + std::strlen(s));
}

// Builds an item list by hand. `length` is what the header claims; `data` is
// what really follows, so a fixture can lie about its own size.
struct ItemList {
    Bytes bytes;

    ItemList& item(uint32_t id, uint32_t length, const Bytes& data = {}) {
        append(le32(id));
        append(le32(length));
        append(data);
        return *this;
    }
    ItemList& item(uint32_t id, const Bytes& data) {
        return item(id, static_cast<uint32_t>(data.size()), data);
    }
    ItemList& raw(const Bytes& data) {
        append(data);
        return *this;
    }
    // Empty items for register blocks first..last (0-based, inclusive).
    ItemList& emptyRegisters(int first, int last) {
        for (int k = first; k <= last; ++k)
            item(firstDialBlockId + static_cast<uint32_t>(k), 0);
        return *this;
    }
    void append(const Bytes& b) { bytes.insert(bytes.end(), b.begin(), b.end()); }
};

// The settings block identifiers in image order (blocks 50..90), as the
// machine documents its block map.
constexpr uint32_t settingIds[settingBlockCount] = {
    0x10306, 0x10308, 0x10309, 0x1030A, 0x1030C, 0x1030E, 0x10310, 0x10422, 0x10423,
    0x10420, 0x1030B, 0x10312, 0x1043A, 0x10401, 0x10403, 0x10405, 0x10406, 0x10407,
    0x10408, 0x1040A, 0x1040B, 0x1040C, 0x10426, 0x10428, 0x1042A, 0x10412, 0x10413,
    0x10414, 0x10416, 0x10418, 0x10522, 0x10523, 0x10524, 0x10435, 0x10436, 0x10437,
    0x10438, 0x10439, 0x10313, 0x1031C, 0x20600};
constexpr uint8_t settingWidths[settingBlockCount] = {
    1, 4, 4,  4,  1,  4, 1, 66, 4,  1, 4, 1, 1, 22, 66, 66, 4, 4, 1, 22, 1,
    4, 1, 66, 34, 66, 4, 4, 66, 34, 1, 1, 4, 4, 4,  4,  1,  1, 1, 1, 4};

inline uint32_t blockIdAt(int k) {
    return k < dialBlockCount ? firstDialBlockId + static_cast<uint32_t>(k)
                              : settingIds[k - dialBlockCount];
}

// A recognisable value for settings block k, `width` bytes long.
inline Bytes settingValue(int k, size_t width) {
    Bytes v(width);
    for (size_t i = 0; i < width; ++i)
        v[i] = static_cast<uint8_t>(0x20 + (k * 7 + i) % 90);
    return v;
}

// The reply a machine sends for a Download: every block in order, settings at
// their value width, registers empty.
inline ItemList downloadReply() {
    ItemList list;
    list.emptyRegisters(0, dialBlockCount - 1);
    for (int k = 0; k < settingBlockCount; ++k)
        list.item(settingIds[k], settingValue(k, settingWidths[k]));
    return list;
}

inline Bytes configPattern() {
    Bytes c(configRecordSize);
    for (size_t i = 0; i < c.size(); ++i)
        c[i] = static_cast<uint8_t>(0xC0 ^ i);
    return c;
}

inline void copyText(char* out, size_t capacity, const std::string& s) {
    ASSERT_LE(s.size(), capacity);
    std::memcpy(out, s.c_str(), s.size() + 1);
}

inline DestinationEntry emailEntry(const std::string& name, const std::string& address) {
    DestinationEntry e{};
    e.type = typeEmail;
    copyText(e.name, nameCapacity, name);
    copyText(e.address, addressCapacity, address);
    return e;
}

// An FTP entry with every field at a distinct value, all ten notifications set.
inline DestinationEntry ftpEntry() {
    DestinationEntry e{};
    e.type = typeFtp;
    copyText(e.name, nameCapacity, "Archive server");
    copyText(e.name2, nameCapacity, "archive");
    copyText(e.address, addressCapacity, "ftp.example.com");
    copyText(e.directory, directoryCapacity, "/scans/incoming");
    e.useProxy = 1;
    e.port = 2121;
    e.notify = 1;
    for (int i = 0; i < notificationCount; ++i)
        copyText(e.notifyAddress[i], addressCapacity, "n" + std::to_string(i + 1) + "@example.com");
    e.accountMode = 0;
    copyText(e.userName, accountCapacity, "scanner");
    copyText(e.password, accountCapacity, "s3cret");
    return e;
}

// A full document as a Download leaves it, with a few keys registered on top.
inline std::unique_ptr<Document> makeDownloadedDocument(const TextRules& rules) {
    auto doc = makeDocument();
    ItemList reply = downloadReply();
    MergeResult merged = mergeReplyItems(doc->image, reply.bytes.data(), reply.bytes.size());
    EXPECT_TRUE(merged.ok());
    Bytes config = configPattern();
    storeConfigRecord(*doc, config.data(), config.size());
    doc->dialRegistersOnly = 0;
    unpackImage(*doc);
    normaliseDestinations(rules, doc->registers);

    DestinationEntry e = emailEntry("Sales", "sales@example.com");
    EXPECT_EQ(encodeDestination(rules, doc->registers, 0, e), 1);
    e = emailEntry("Support", "support@example.com");
    EXPECT_EQ(encodeDestination(rules, doc->registers, 39, e), 1);
    e = ftpEntry();
    EXPECT_EQ(encodeDestination(rules, doc->registers, 40, e), 1);
    e.type = typeSmb;
    EXPECT_EQ(encodeDestination(rules, doc->registers, 49, e), 1);
    doc->settings.image.adminNumber = 12345678;
    packImage(*doc);
    return doc;
}

inline Bytes readFileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void writeFileBytes(const std::filesystem::path& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

// A private scratch directory, removed with everything in it.
class TempDir {
  public:
    TempDir() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "zotwell-test-XXXXXX").string();
        if (!mkdtemp(&pattern[0])) throw std::runtime_error("mkdtemp failed");
        path_ = pattern;
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string file(const std::string& name) const { return (path_ / name).string(); }
    std::vector<std::string> entries() const {
        std::vector<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(path_))
            names.push_back(e.path().filename().string());
        return names;
    }

  private:
    std::filesystem::path path_;
};

// Name rules for a language word and a Windows code page number.
struct Rules {
    std::unique_ptr<CodePage> codePage;
    TextRules rules;
    Rules(const char* language, unsigned cp)
        : codePage(openCodePage(cp)), rules{language, codePage.get()} {}
};
