// Feeds arbitrary bytes to ZipFileSize as an archive, optionally with a companion ".zfc" file
// and a first numbered part, under several names. Every failure must be an exception of the
// program's own, the same as the plain reference path gives; nothing may crash, read out of
// bounds or hang.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>
#include <unistd.h>

#include "platform/Exceptions.h"
#include "tests/measure/ReferenceZipSizing.h"

namespace {

char folder[] = "/tmp/zip_fuzz-XXXXXX";
const char* const kFiles[] = {"a.zip", "a.exe", "a", "a.zfc", "a.001"};

void RemoveFolder()
{
    for (const char* file : kFiles)
        unlink((std::string(folder) + "/" + file).c_str());
    rmdir(folder);
}

std::string Folder()
{
    static const bool made = [] {
        if (!mkdtemp(folder))
            std::abort();
        std::atexit(RemoveFolder);
        return true;
    }();
    (void)made;
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
    FuzzedDataProvider input(data, size);
    std::string name = Folder() + "/" + kFiles[input.ConsumeIntegralInRange<int>(0, 2)];
    bool withCompanion = input.ConsumeBool();
    bool withPart = input.ConsumeBool();
    std::string companion = withCompanion ? input.ConsumeRandomLengthString(1 << 17) : std::string();
    std::string part = withPart ? input.ConsumeRandomLengthString(1 << 17) : std::string();
    std::string archive = input.ConsumeRemainingBytesAsString();

    Put(name, archive, true);
    Put(Folder() + "/a.zfc", companion, withCompanion);
    Put(Folder() + "/a.001", part, withPart);
    // Damaged archives are reported, not crashed on, and exactly as the plain reference
    // path reports them.
    for (const std::vector<std::string>& masks : {std::vector<std::string>{"*.txt", "[a-m]*", "*"},
                                                  std::vector<std::string>{"*", "["}, std::vector<std::string>{"?[!"}})
        if (pk::testing::ProgramZipSizing(name, masks) != pk::testing::ReferenceZipSizing(name, masks))
            std::abort();
    return 0;
}
