#pragma once
// Shared pieces of the link tests: a link wired to an in-process simulated
// copier, a recorder for what the link tells the user, documents on the heap,
// and a scratch directory.
#include "bytes.h"
#include "link.h"
#include "simulator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

using Bytes = std::vector<uint8_t>;

// What the link told the user; handed to the link as its owner window.
struct Recorder {
    std::vector<unsigned> messages;
    std::vector<std::pair<int, unsigned>> statusTexts; // pane, string ID
};

inline void recordMessage(void* window, const LinkText& text) {
    static_cast<Recorder*>(window)->messages.push_back(text.id);
}

inline void recordStatusText(void* window, int pane, const LinkText& text) {
    static_cast<Recorder*>(window)->statusTexts.emplace_back(pane, text.id);
}

// A link to a simulated copier that traces its bus.
struct Bench {
    SimulatedCopier sim;
    MachineLink link;
    Recorder said;

    explicit Bench(const char* memoryPath = nullptr) : sim(memoryPath) {
        sim.trace(true);
        initLink(link, &sim);
        fillProductIdList(link.productIdList, productIdString);
        link.showMessage = recordMessage;
        link.setStatusText = recordStatusText;
    }
    void* window() { return &said; }
    // Everything the host wrote, one entry per write.
    const std::vector<Bytes>& writes() const { return sim.writes(); }
};

inline std::unique_ptr<Document> makeDocument() {
    std::unique_ptr<Document> doc(new Document);
    std::memset(doc.get(), 0, sizeof(Document));
    initImage(doc->image);
    return doc;
}

// An item as it travels: `length` is what the header claims, `data` what
// really follows, so that a fixture can lie about its own size.
inline Bytes item(uint32_t id, uint32_t length, const Bytes& data) {
    Bytes b(itemHeaderSize + data.size());
    writeLe32(b.data(), id);
    writeLe32(b.data() + 4, length);
    std::copy(data.begin(), data.end(), b.begin() + itemHeaderSize);
    return b;
}

inline Bytes item(uint32_t id, uint32_t length) {
    Bytes b(itemHeaderSize);
    writeLe32(b.data(), id);
    writeLe32(b.data() + 4, length);
    return b;
}

inline Bytes concat(std::initializer_list<Bytes> parts) {
    Bytes out;
    for (const Bytes& p : parts)
        out.insert(out.end(), p.begin(), p.end());
    return out;
}

// A directory of its own for each test, removed afterwards.
class ScratchDir {
  public:
    ScratchDir() {
        const testing::TestInfo* t = testing::UnitTest::GetInstance()->current_test_info();
        path_ = std::filesystem::temp_directory_path() /
                (std::string("zotlink-") + t->test_suite_name() + "-" + t->name());
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~ScratchDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    std::string file(const char* name) const { return (path_ / name).string(); }

  private:
    std::filesystem::path path_;
};
