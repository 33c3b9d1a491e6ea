#include <cstdint>

#include "measure/ZipFileSize.h"

#include "measure/MaskList.h"
#include "platform/Exceptions.h"
#include "zipreader/ZipReader.h"

namespace pk {

int32_t ZipFileSize(const std::string& path, const std::vector<std::string>& masks)
{
    int64_t total = 0;  // unsigned 32-bit in range; each step is checked
    {
        TZipReader reader;
        reader.SetZipName(path);
        reader.LoadDirectory();
        TMaskList maskList(masks);
        const TEntryTable& entries = reader.Entries();
        for (size_t i = 0; i < entries.Count(); ++i) {
            if (!maskList.MatchesAny([&] { return entries.LeafName(i); }))
                continue;
            // A size field of 2 GB or more counts as negative.
            total += static_cast<int32_t>(entries.UncompressedSize(i));
            if (total < 0 || total > 0xFFFFFFFFLL)
                throw ERangeError(kRangeCheckError);
        }
    }
    if (total > INT32_MAX)
        throw ERangeError(kRangeCheckError);
    return static_cast<int32_t>(total);
}

}  // namespace pk
