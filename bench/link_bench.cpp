// A full Download and a full Upload against the in-process simulated copier,
// beside plain copies of the same bytes: those that cross the wire, and the
// document state a Download must write whatever the machine holds.
// Argument 0 is the sample machine, 1 a machine with every key registered.
#include "destination.h"
#include "link.h"
#include "simulator.h"
#include "textrules.h"

#include "copy_baseline.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <vector>

namespace {

void fillEveryKey(Document& machine) {
    const TextRules rules{"ENGLISH", nullptr};
    unpackImage(machine);
    for (int k = 0; k < dialBlockCount; ++k) {
        DestinationEntry e;
        std::memset(&e, 0, sizeof e);
        e.type = isLongKey(k) ? typeFtp : typeEmail;
        std::memset(e.name, 'N', nameCapacity);
        std::memset(e.address, 'a', addressCapacity);
        e.address[10] = '@';
        if (isLongKey(k)) {
            std::memset(e.directory, 'd', directoryCapacity);
            for (auto& n : e.notifyAddress)
                std::memcpy(n, "n@example.com", 14);
            e.port = 21;
        }
        encodeDestination(rules, machine.registers, k, e);
    }
    packImage(machine);
}

struct Rig {
    SimulatedCopier sim;
    MachineLink link;
    std::unique_ptr<Document> doc;
    size_t downloadWireBytes = 0;
    size_t uploadWireBytes = 0;

    explicit Rig(int machine) : doc(new Document) {
        if (machine == 1) fillEveryKey(sim.memory());
        initLink(link, &sim);
        fillProductIdList(link.productIdList, productIdString);
        std::memset(doc.get(), 0, sizeof(Document));
        initImage(doc->image);
        downloadWireBytes = measure([this] { fetchDocument(link, *doc); });
        uploadWireBytes = measure([this] {
            uploadImage(link, *doc);
            closeDevice(link);
        });
    }

    // Bytes written and read by one run of `transfer`.
    template <class F> size_t measure(F transfer) {
        sim.clearTrace();
        sim.trace(true);
        transfer();
        sim.trace(false);
        size_t n = 0;
        for (const BusEvent& e : sim.events())
            if (e.kind == BusEvent::Write || e.kind == BusEvent::Read) n += e.bytes;
        sim.clearTrace();
        return n;
    }
};

void BM_Download(benchmark::State& state) {
    Rig rig(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        if (fetchDocument(rig.link, *rig.doc) != 1) state.SkipWithError("download failed");
        benchmark::DoNotOptimize(rig.doc.get());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * rig.downloadWireBytes));
    state.counters["wire_bytes"] = static_cast<double>(rig.downloadWireBytes);
}

void BM_Upload(benchmark::State& state) {
    Rig rig(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        if (uploadImage(rig.link, *rig.doc) != 1) state.SkipWithError("upload failed");
        closeDevice(rig.link);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * rig.uploadWireBytes));
    state.counters["wire_bytes"] = static_cast<double>(rig.uploadWireBytes);
}

void BM_CopyOfDownloadWireBytes(benchmark::State& state) {
    copyBytes(state, Rig(static_cast<int>(state.range(0))).downloadWireBytes);
}

void BM_CopyOfUploadWireBytes(benchmark::State& state) {
    copyBytes(state, Rig(static_cast<int>(state.range(0))).uploadWireBytes);
}

// A Download writes the whole image and the register arrays, whatever the
// machine holds: the copy of those bytes is its floor.
void BM_CopyOfDocumentState(benchmark::State& state) {
    copyBytes(state, sizeof(MachineImage) + sizeof(RegisterArrays));
}

} // namespace

BENCHMARK(BM_Download)->Arg(0)->Arg(1);
BENCHMARK(BM_CopyOfDownloadWireBytes)->Arg(0)->Arg(1);
BENCHMARK(BM_Upload)->Arg(0)->Arg(1);
BENCHMARK(BM_CopyOfUploadWireBytes)->Arg(0)->Arg(1);
BENCHMARK(BM_CopyOfDocumentState);
