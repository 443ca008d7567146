// Opening, unpacking, packing and saving a full document in memory, and the
// Download merge over a full reply, each beside a plain copy of its bytes.
#include "destination.h"
#include "machineimage.h"
#include "settingsfile.h"

#include "copy_baseline.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <vector>

namespace {

constexpr char benchSignature[] = "QEBCODE001|ZOT|TAROVENQEBNS|ALL";

// A full document with every key registered and every block at its size.
std::unique_ptr<Document> fullDocument() {
    auto doc = std::make_unique<Document>();
    std::memset(doc.get(), 0, sizeof(Document));
    initImage(doc->image);
    for (int k = 0; k < dialBlockCount; ++k) {
        uint8_t* r = destinationRecord(doc->registers, k);
        r[0] = static_cast<uint8_t>(k + 1);
        r[1] = 0x80;
        r[rec::type] = isLongKey(k) ? typeFtp : typeEmail;
        std::memcpy(r + rec::address, "someone@example.com", 19);
        r[rec::addressLength] = 19;
    }
    for (int k = 0; k < settingBlockCount; ++k)
        doc->image.blocks[dialBlockCount + k].blockLength = settingBlocks[k].width;
    packImage(*doc);
    return doc;
}

// The largest reply the machine can send: every block at its full data size.
std::vector<uint8_t> fullReply() {
    auto image = std::make_unique<MachineImage>();
    initImage(*image);
    for (ImageBlock& b : image->blocks) {
        b.blockLength = blockDataSize;
        std::memset(b.data, 0x41, blockDataSize);
    }
    std::vector<uint8_t> reply(maxItemListSize);
    reply.resize(buildItemList(*image, false, reply.data(), reply.size()));
    return reply;
}

void BM_OpenAndUnpack(benchmark::State& state) {
    auto source = fullDocument();
    std::vector<uint8_t> file;
    buildSettingsFile(*source, file, benchSignature);
    auto doc = std::make_unique<Document>(*source);
    for (auto _ : state) {
        if (loadSettingsBytes(*doc, file.data(), file.size(), benchSignature) != FileStatus::Ok)
            state.SkipWithError("load failed");
        unpackImage(*doc);
        benchmark::DoNotOptimize(doc.get());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * file.size()));
}

void BM_PackAndBuildFile(benchmark::State& state) {
    auto doc = fullDocument();
    std::vector<uint8_t> file;
    for (auto _ : state) {
        packImage(*doc);
        buildSettingsFile(*doc, file, benchSignature);
        benchmark::DoNotOptimize(file.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * file.size()));
}

void BM_CopyOfFile(benchmark::State& state) {
    auto doc = fullDocument();
    std::vector<uint8_t> file;
    buildSettingsFile(*doc, file, benchSignature);
    copyBytes(state, file.size());
}

// Open and unpack write the whole image and register arrays, whatever the
// file's size: the copy of those bytes is their floor.
void BM_CopyOfDocumentState(benchmark::State& state) {
    copyBytes(state, sizeof(MachineImage) + sizeof(RegisterArrays));
}

void BM_MergeFullReply(benchmark::State& state) {
    std::vector<uint8_t> reply = fullReply();
    auto image = std::make_unique<MachineImage>();
    initImage(*image);
    for (auto _ : state) {
        MergeResult r = mergeReplyItems(*image, reply.data(), reply.size());
        if (!r.ok() || r.consumed != reply.size()) state.SkipWithError("merge failed");
        benchmark::DoNotOptimize(image.get());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * reply.size()));
}

void BM_CopyOfReply(benchmark::State& state) {
    copyBytes(state, fullReply().size());
}

} // namespace

BENCHMARK(BM_OpenAndUnpack);
BENCHMARK(BM_PackAndBuildFile);
BENCHMARK(BM_CopyOfFile);
BENCHMARK(BM_CopyOfDocumentState);
BENCHMARK(BM_MergeFullReply);
BENCHMARK(BM_CopyOfReply);
