// Names matched per second against typical "Files" mask lists. Each name compiles the masks
// afresh, as the size measurement does; the peer matches with masks compiled once, to show what
// the compilation costs.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "measure/MaskList.h"

namespace {

const std::vector<std::string> kNames = {
    "SETUP.EXE",     "PAKTALLY.EXE",  "GLOSSA.DLL",     "README.TXT",  "HELP\\INDEX.HLP", "~TMP0001.TMP",
    "DATA\\A.DAT",   "LICENSE",       "docs\\guide.hlp", "bin\\x.dll", "MAKEFILE",        "src\\main.cpp",
    "FONTS\\A.FON",  "INSTALL.INI",   "long.name.with.dots.exe",      "~$LOCK.DOC",
};

const std::vector<std::vector<std::string>> kLists = {
    {"*.EXE", "*.DLL", "*.HLP"},
    {"*.*"},
    {"[!~]*.*"},
};

void CompiledPerCall(benchmark::State& state)
{
    const auto& masks = kLists[state.range(0)];
    for (auto _ : state)
        for (const std::string& name : kNames)
            benchmark::DoNotOptimize(pk::MatchesAnyMask(name, masks));
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(kNames.size()));
}

void CompiledOnce(benchmark::State& state)
{
    std::vector<std::unique_ptr<pk::TMask>> masks;
    for (const std::string& mask : kLists[state.range(0)])
        masks.push_back(std::make_unique<pk::TMask>(mask));
    for (auto _ : state)
        for (const std::string& name : kNames)
            benchmark::DoNotOptimize(
                std::any_of(masks.begin(), masks.end(), [&](const auto& mask) { return mask->Matches(name); }));
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(kNames.size()));
}

// Argument: 0 "*.EXE;*.DLL;*.HLP", 1 "*.*", 2 "[!~]*.*".
BENCHMARK(CompiledPerCall)->DenseRange(0, 2);
BENCHMARK(CompiledOnce)->DenseRange(0, 2);

}  // namespace
