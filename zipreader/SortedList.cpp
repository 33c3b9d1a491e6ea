#include "zipreader/SortedList.h"

namespace pk {

int TSortedEntries::Compare(const TZipEntryInfo& a, const TZipEntryInfo& b) const
{
    int disks = static_cast<int>(a.DiskNumberStart) - static_cast<int>(b.DiskNumberStart);
    if (disks != 0)
        return disks;
    auto offsetA = static_cast<int32_t>(a.LocalHeaderOffset);
    auto offsetB = static_cast<int32_t>(b.LocalHeaderOffset);
    return offsetA > offsetB ? 1 : offsetA == offsetB ? 0 : -1;
}

}  // namespace pk
