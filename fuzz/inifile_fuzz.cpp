// Arbitrary bytes as an INI file: loading, reading and rendering must not crash, and a rendered
// document must load back to the same rendering.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

#include "inifile/IniText.h"
#include "inifile/LumMemIniFile.h"

namespace {

const std::string& ScratchFile()
{
    static const std::string path =
        (std::filesystem::temp_directory_path() / ("inifile-fuzz-" + std::to_string(getpid()) + ".ini")).string();
    return path;
}

std::vector<std::string> LoadAndRender(const std::string& bytes)
{
    {
        std::ofstream out(ScratchFile(), std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    pk::TLumMemIniFile ini(ScratchFile());
    std::vector<std::string> names;
    ini.ListSections(names);
    for (const std::string& name : names) {
        std::vector<std::string> keys;
        ini.ListKeys(name, keys);
        for (const std::string& key : keys)
            ini.ReadNumber(name, key, 0);
    }
    return ini.RenderLines();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    pk::ParseInteger(bytes);
    std::vector<std::string> once = LoadAndRender(bytes);
    std::vector<std::string> twice = LoadAndRender(pk::JoinIniLines(once));
    if (once != twice)
        std::abort();
    std::filesystem::remove(ScratchFile());
    return 0;
}
