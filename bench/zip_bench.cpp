// Loading a directory of 65,535 entries whose central directory lists them in data order,
// and the same archive with its central directory reversed, which the entry table sorts.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <numeric>
#include <string>
#include <unistd.h>

#include "tests/support/ZipBuilder.h"
#include "measure/ZipFileSize.h"

namespace {

constexpr size_t kEntries = 65535;

std::string WriteArchive(bool reversed)
{
    pk::testing::TZipBuilder builder;
    for (size_t i = 0; i < kEntries; ++i)
        builder.Add(pk::testing::TZipEntry("dir" + std::to_string(i % 97) + "/file" + std::to_string(i) + ".txt", "x")
                        .Size(static_cast<uint32_t>(i % 1000)));
    if (reversed) {
        std::vector<size_t> order(kEntries);
        std::iota(order.rbegin(), order.rend(), size_t{0});
        builder.CentralOrder(order);
    }
    std::string path = "/tmp/zip_bench_" + std::to_string(getpid()) + (reversed ? "_reversed.zip" : "_data.zip");
    std::string bytes = builder.Build().bytes;
    FILE* f = std::fopen(path.c_str(), "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
    return path;
}

void Measure(benchmark::State& state, bool reversed)
{
    std::string path = WriteArchive(reversed);
    int64_t expected = 0;
    for (size_t i = 0; i < kEntries; ++i)
        expected += static_cast<int64_t>(i % 1000);
    for (auto _ : state) {
        int32_t total = pk::ZipFileSize(path, {"*.txt"});
        if (total != expected)
            state.SkipWithError("wrong total");
        benchmark::DoNotOptimize(total);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(kEntries));
    std::remove(path.c_str());
}

void BM_ZipFileSize_DataOrder(benchmark::State& state) { Measure(state, false); }
void BM_ZipFileSize_ReverseOrder(benchmark::State& state) { Measure(state, true); }

}  // namespace

BENCHMARK(BM_ZipFileSize_DataOrder)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ZipFileSize_ReverseOrder)->Unit(benchmark::kMillisecond);
