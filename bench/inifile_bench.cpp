// Loading and saving large INI files: the time must grow linearly with the size. Each document
// operation is paired with a plain read or write of the same bytes as its peer.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "inifile/LumMemIniFile.h"
#include "platform/File.h"

namespace {

// A file of about the given size in the shape of a large SETUP.INI, with comment runs.
std::string MakeIniFile(size_t bytes)
{
    std::string text = "; generated\r\n";
    for (int section = 0; text.size() < bytes; ++section) {
        text += "[Option" + std::to_string(section) + "]\r\n";
        text += "PackFile=pack" + std::to_string(section) + ".zip;more.wrp\r\nFiles=*.*\r\nSize=123456\r\n";
        text += "; about the next option\r\n; second comment line\r\n";
    }
    return text;
}

std::string ScratchPath(const char* name)
{
    return (std::filesystem::temp_directory_path() / name).string();
}

void WriteBytes(const std::string& path, const std::string& bytes)
{
    pk::platform::TFile out;
    out.Create(path);
    out.Write(bytes.data(), bytes.size());
    out.Flush();
}

void BM_Load(benchmark::State& state)
{
    const std::string path = ScratchPath("bench-load.ini");
    WriteBytes(path, MakeIniFile(static_cast<size_t>(state.range(0))));
    for (auto _ : state) {
        pk::TLumMemIniFile ini(path);
        benchmark::DoNotOptimize(ini.HasSection("Option1"));
    }
    state.SetComplexityN(state.range(0));
    std::filesystem::remove(path);
}

void BM_ReadPeer(benchmark::State& state)
{
    const std::string path = ScratchPath("bench-read.ini");
    WriteBytes(path, MakeIniFile(static_cast<size_t>(state.range(0))));
    for (auto _ : state) {
        pk::platform::TFile in;
        in.OpenRead(path, pk::platform::TShare::DenyWrite);
        benchmark::DoNotOptimize(pk::platform::ReadWholeFile(in));
    }
    state.SetComplexityN(state.range(0));
    std::filesystem::remove(path);
}

void BM_Save(benchmark::State& state)
{
    const std::string path = ScratchPath("bench-save.ini");
    WriteBytes(path, MakeIniFile(static_cast<size_t>(state.range(0))));
    pk::TLumMemIniFile ini(path);
    for (auto _ : state)
        ini.SaveFile();
    state.SetComplexityN(state.range(0));
    std::filesystem::remove(path);
}

void BM_WritePeer(benchmark::State& state)
{
    const std::string path = ScratchPath("bench-write.ini");
    const std::string bytes = MakeIniFile(static_cast<size_t>(state.range(0)));
    for (auto _ : state)
        WriteBytes(path, bytes);
    state.SetComplexityN(state.range(0));
    std::filesystem::remove(path);
}

constexpr int64_t kSmall = 1 << 20;
constexpr int64_t kLarge = 32 << 20;

BENCHMARK(BM_Load)->RangeMultiplier(4)->Range(kSmall, kLarge)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
BENCHMARK(BM_ReadPeer)->RangeMultiplier(4)->Range(kSmall, kLarge)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
BENCHMARK(BM_Save)->RangeMultiplier(4)->Range(kSmall, kLarge)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
BENCHMARK(BM_WritePeer)->RangeMultiplier(4)->Range(kSmall, kLarge)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

}  // namespace

BENCHMARK_MAIN();
