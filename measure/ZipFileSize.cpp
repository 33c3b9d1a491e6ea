#include <cstdint>

#include "measure/ZipFileSize.h"

#include "measure/Masks.h"
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
        for (int32_t i = 0; i < reader.EntryCount(); ++i) {
            if (!MatchesAnyMask(reader.EntryFileName(i), masks))
                continue;
            // A size field of 2 GB or more counts as negative.
            total += static_cast<int32_t>(reader.EntryUncompressedSize(i));
            if (total < 0 || total > 0xFFFFFFFFLL)
                throw ERangeError(kRangeCheckError);
        }
    }
    if (total > INT32_MAX)
        throw ERangeError(kRangeCheckError);
    return static_cast<int32_t>(total);
}

}  // namespace pk
