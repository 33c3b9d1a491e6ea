// Speed of the WRP block walk over a file of 1,000,000 small blocks, against a plain read of
// the same file (the peer: what touching every byte costs).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

#include "measure/WrpFile.h"
#include "tests/support/PackFiles.h"

namespace {

constexpr int kBlocks = 1000000;

const std::string& BlockFile()
{
    static const std::string path = [] {
        std::string p = "/tmp/pk_bench_blocks.WRP";
        FILE* f = std::fopen(p.c_str(), "wb");
        const std::string block = pk::testing::WrpFile({{40, "12345"}});
        for (int i = 0; i < kBlocks; ++i)
            std::fwrite(block.data(), 1, block.size(), f);
        std::fclose(f);
        return p;
    }();
    return path;
}

void BM_WrpBlockWalk(benchmark::State& state)
{
    const std::string& path = BlockFile();
    for (auto _ : state)
        benchmark::DoNotOptimize(pk::PackFileSize(path));
    state.counters["blocks_per_s"] = benchmark::Counter(static_cast<double>(kBlocks) * state.iterations(),
                                                        benchmark::Counter::kIsRate);
}
BENCHMARK(BM_WrpBlockWalk)->Unit(benchmark::kMillisecond);

void BM_PlainReadOfTheSameFile(benchmark::State& state)
{
    const std::string& path = BlockFile();
    std::vector<char> buffer(1 << 16);
    for (auto _ : state) {
        FILE* f = std::fopen(path.c_str(), "rb");
        size_t total = 0, n;
        while ((n = std::fread(buffer.data(), 1, buffer.size(), f)) > 0)
            total += n;
        std::fclose(f);
        benchmark::DoNotOptimize(total);
    }
}
BENCHMARK(BM_PlainReadOfTheSameFile)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
