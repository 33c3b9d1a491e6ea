// Feeds arbitrary bytes to ZipFileSize as an archive, optionally with a companion ".zfc" file
// and a first numbered part, under several names. Every failure must be an exception of the
// program's own; nothing may crash, read out of bounds or hang.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

#include "platform/Exceptions.h"
#include "zipreader/ZipReader.h"

namespace {

const std::string& Folder()
{
    static const std::string folder = [] {
        char pattern[] = "/tmp/zip_fuzz-XXXXXX";
        const char* made = mkdtemp(pattern);
        if (!made)
            std::abort();
        return std::string(made);
    }();
    return folder;
}

void Put(const std::string& path, const std::string& bytes, bool present)
{
    if (!present) {
        unlink(path.c_str());
        return;
    }
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        std::abort();
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const char* const kNames[] = {"a.zip", "a.exe", "a"};
    FuzzedDataProvider input(data, size);
    std::string name = Folder() + "/" + kNames[input.ConsumeIntegralInRange<int>(0, 2)];
    bool withCompanion = input.ConsumeBool();
    bool withPart = input.ConsumeBool();
    std::string companion = withCompanion ? input.ConsumeRandomLengthString(1 << 17) : std::string();
    std::string part = withPart ? input.ConsumeRandomLengthString(1 << 17) : std::string();
    std::string archive = input.ConsumeRemainingBytesAsString();

    Put(name, archive, true);
    Put(Folder() + "/a.zfc", companion, withCompanion);
    Put(Folder() + "/a.001", part, withPart);
    try {
        pk::ZipFileSize(name, {"*.txt", "[a-m]*", "*"});
    } catch (const pk::Exception&) {
        // Damaged archives are reported, not crashed on.
    }
    return 0;
}
