// Feeds arbitrary bytes to ZipFileSize as an archive, optionally with a companion ".zfc" file
// and a first numbered part, under several names. Every failure must be an exception of the
// program's own, the same as the plain reference path gives; nothing may crash, read out of
// bounds or hang. With an account the outcome is the same, and the account agrees with it.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>
#include <unistd.h>

#include "measure/PackAccount.h"
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

// The account has a size exactly when the outcome is one, the same; its counts add up; each
// warning stands where its cause does.
bool Agrees(const pk::TPackFileAccount& account, const std::string& outcome, size_t masks)
{
    if (!account.bytes)
        return outcome.find(':') != std::string::npos;
    const uint64_t matched = account.MatchedEntries();
    auto warned = [&](const std::string& text) {
        return std::find(account.warnings.begin(), account.warnings.end(), text) != account.warnings.end();
    };
    using pk::TEntrySource;
    return std::to_string(*account.bytes) == outcome && account.matched.size() == masks &&
           matched <= account.entries && (*account.bytes == 0 || matched != 0) &&
           warned(pk::warning::NoMaskMatched(account.path, account.entries)) ==
               (account.entries != 0 && matched == 0) &&
           warned(pk::warning::Rebuilt(account.path)) == (account.source == TEntrySource::LocalHeaders) &&
           (account.source != TEntrySource::NoEndRecord || (account.entries == 0 && *account.bytes == 0));
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
                                                  std::vector<std::string>{"*", "["}, std::vector<std::string>{"?[!"}}) {
        const std::string outcome = pk::testing::ProgramZipSizing(name, masks);
        if (outcome != pk::testing::ReferenceZipSizing(name, masks))
            std::abort();
        pk::TPackFileAccount account;
        account.path = name;
        if (pk::testing::ProgramZipSizing(name, masks, &account) != outcome)
            std::abort();
        if (!Agrees(account, outcome, masks.size()))
            std::abort();
    }
    return 0;
}
