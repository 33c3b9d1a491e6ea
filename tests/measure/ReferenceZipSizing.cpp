#include "tests/measure/ReferenceZipSizing.h"

#include "measure/MaskList.h"
#include "measure/ZipFileSize.h"
#include "platform/Exceptions.h"
#include "zipreader/ZipReader.h"

namespace pk::testing {

namespace {

constexpr size_t kSmallerThanAHeader = 16;

int32_t Reference(const std::string& path, const std::vector<std::string>& masks)
{
    int64_t total = 0;
    {
        TZipReader reader(kSmallerThanAHeader);
        reader.SetZipName(path);
        reader.LoadDirectory();
        for (int32_t i = 0; i < reader.EntryCount(); ++i) {
            if (!MatchesAnyMask(reader.EntryFileName(i), masks))
                continue;
            if (reader.EntryUncompressedSize(i) > 0xFFFFFFFFu)
                throw ERangeError(kRangeCheckError);
            total += static_cast<int32_t>(reader.EntryUncompressedSize(i));
            if (total < 0 || total > 0xFFFFFFFFLL)
                throw ERangeError(kRangeCheckError);
        }
    }
    if (total > INT32_MAX)
        throw ERangeError(kRangeCheckError);
    return static_cast<int32_t>(total);
}

template <class Sizing>
std::string Outcome(Sizing sizing)
{
    try {
        return std::to_string(sizing());
    } catch (const Exception& e) {
        return std::string(e.ClassName()) + ": " + e.Message();
    }
}

}  // namespace

std::string ReferenceZipSizing(const std::string& path, const std::vector<std::string>& masks)
{
    return Outcome([&] { return Reference(path, masks); });
}

std::string ProgramZipSizing(const std::string& path, const std::vector<std::string>& masks,
                             TPackFileAccount* account)
{
    return Outcome([&] { return ZipFileSize(path, masks, account); });
}

}  // namespace pk::testing
