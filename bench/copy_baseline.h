#pragma once
// The yardstick of every benchmark here: a plain copy of `size` bytes.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <vector>

inline void copyBytes(benchmark::State& state, size_t size) {
    std::vector<uint8_t> from(size, 0x5A), to(size);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), size);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * size));
}
