// An update pass over generated kits of N sub-option sections, each with its own small WRP
// pack file: sections per second, and how the cost grows with N.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "survey/Survey.h"
#include "tests/support/PackFiles.h"
#include "tests/support/SilentUserInterface.h"

namespace {

class TNoView : public pk::TSurveyView {
public:
    void AddGridRow(const std::string&, const std::string&, int32_t, int32_t) override { ++rows; }
    void SetGridEnabled(bool) override {}
    void SetIniUpdated() override {}
    int rows = 0;
};

// Writes the kit once per size: SETUP.INI with one main option per 10 sub-options.
std::string MakeKit(int sections)
{
    std::string dir = "/tmp/pk_bench_kit_" + std::to_string(sections);
    std::filesystem::create_directories(dir);
    std::string ini;
    for (int i = 1; i <= sections / 10; ++i) {
        ini += "[IMainOption" + std::to_string(i) + "]\nCaption=Main " + std::to_string(i) + "\n";
        for (int k = 1; k <= 10; ++k) {
            std::string pack = "P" + std::to_string(i) + "_" + std::to_string(k) + ".WRP";
            ini += "[ISubOption" + std::to_string(i) + "." + std::to_string(k) + "]\nCaption=Option\nSize=1\nPackFile=" +
                   pack + "\n";
            const std::string block = pk::testing::WrpFile({{100, "abcd"}});
            FILE* f = std::fopen((dir + "/" + pack).c_str(), "wb");
            std::fwrite(block.data(), 1, block.size(), f);
            std::fclose(f);
        }
    }
    FILE* f = std::fopen((dir + "/SETUP.INI").c_str(), "wb");
    std::fwrite(ini.data(), 1, ini.size(), f);
    std::fclose(f);
    return dir;
}

void BM_UpdatePass(benchmark::State& state)
{
    static pk::testing::TSilentUserInterface ui;
    const int sections = static_cast<int>(state.range(0));
    std::string dir = MakeKit(sections);
    const pk::TKitPaths kit = pk::KitPathsFromArguments(dir + "/SETUP.INI", "");
    for (auto _ : state) {
        TNoView view;
        pk::ScanSetupIni(kit, view, true, true);
        benchmark::DoNotOptimize(view.rows);
    }
    state.counters["sections_per_s"] =
        benchmark::Counter(static_cast<double>(sections) * state.iterations(), benchmark::Counter::kIsRate);
    state.SetComplexityN(sections);
}
BENCHMARK(BM_UpdatePass)->Arg(2000)->Arg(20000)->Unit(benchmark::kMillisecond)->Complexity();

}  // namespace

BENCHMARK_MAIN();
