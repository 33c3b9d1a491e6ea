#include <cstdint>
#include <vector>

#include "measure/ZipFileSize.h"

#include "measure/MaskList.h"
#include "measure/PackAccount.h"
#include "platform/Exceptions.h"
#include "zipreader/ZipReader.h"

namespace pk {

namespace {

// Every step of the running total in data order stays within 0..kMaxRunningTotal, and the
// total ends within the signed range.
constexpr uint64_t kMaxRunningTotal = 0xFFFFFFFFu;

// A size of 2 GB or more counts as negative; one wider than 32 bits cannot be added.
int32_t CountedSize(uint64_t uncompressedSize)
{
    if (uncompressedSize > 0xFFFFFFFFu)
        throw ERangeError(kRangeCheckError);
    return static_cast<int32_t>(uncompressedSize);
}

int32_t CheckedTotal(int64_t total)
{
    if (total > INT32_MAX)
        throw ERangeError(kRangeCheckError);
    return static_cast<int32_t>(total);
}

// What the account counts while the total is summed; only when one is asked for, so that a
// measurement without one does no more than before.
struct TTally {
    uint64_t entries = 0;
    std::vector<uint64_t> perMask;
    uint64_t negative = 0;  // matched sizes of 2 GB or more

    explicit TTally(size_t masks) : perMask(masks) {}
};

// Whether the entry counts, and then its size; the first mask error ends the walk.
template <bool kCounting>
bool Counts(TMaskList& maskList, TTally& tally, auto nameOf)
{
    if constexpr (kCounting) {
        ++tally.entries;
        const size_t mask = maskList.FirstMatching(nameOf);
        if (mask == TMaskList::kNone)
            return false;
        ++tally.perMask[mask];
        return true;
    } else {
        return maskList.MatchesAny(nameOf);
    }
}

template <bool kCounting>
void CountSize(TTally& tally, uint64_t uncompressedSize)
{
    if constexpr (kCounting)
        tally.negative += uncompressedSize >= 0x80000000u;
}

// The total over the reader's entries, step by step in data order; the first mask error or
// range error ends it.
template <bool kCounting>
int32_t Total(const TEntryTable& entries, TMaskList& maskList, TTally& tally)
{
    int64_t total = 0;
    for (size_t i = 0; i < entries.Count(); ++i) {
        if (!Counts<kCounting>(maskList, tally, [&] { return entries.LeafName(i); }))
            continue;
        total += CountedSize(entries.UncompressedSize(i));
        CountSize<kCounting>(tally, entries.UncompressedSize(i));
        if (static_cast<uint64_t>(total) > kMaxRunningTotal)  // below 0 too
            throw ERangeError(kRangeCheckError);
    }
    return CheckedTotal(total);
}

void Describe(TPackFileAccount& account, const TZipReader& reader, const TMaskList& maskList, const TTally& tally)
{
    account.entries = tally.entries;
    for (size_t i = 0; i < maskList.Count(); ++i)
        account.matched.push_back({maskList.Text(i), tally.perMask[i]});
    account.source = reader.Source();
    account.parts = reader.DiskCount();
    const std::string& path = account.path;
    if (reader.EmptyArchive())
        account.warnings.push_back(warning::EmptyPackFile(path));
    else if (account.source == TEntrySource::NoEndRecord)
        account.warnings.push_back(warning::NoEndRecord(path));
    if (account.source == TEntrySource::LocalHeaders)
        account.warnings.push_back(warning::Rebuilt(path));
    if (reader.CountWrapped())
        account.countField = reader.EndRecord().TotalEntries;
    if (reader.EndRecord().Zip64Prefix != 0)
        account.warnings.push_back(warning::Zip64Prefix(path, reader.EndRecord().Zip64Prefix));
    if (account.entries != 0 && account.MatchedEntries() == 0)
        account.warnings.push_back(warning::NoMaskMatched(path, account.entries));
    if (tally.negative != 0)
        account.warnings.push_back(warning::NegativeSizes(path, tally.negative));
}

}  // namespace

int32_t ZipFileSize(const std::string& path, const std::vector<std::string>& masks, TPackFileAccount* account)
{
    TZipReader reader;
    reader.SetZipName(path);
    reader.LoadDirectory();
    TMaskList maskList(masks);
    if (!account) {
        TTally none(0);
        return Total<false>(reader.Entries(), maskList, none);
    }
    TTally tally(maskList.Count());
    const int32_t total = Total<true>(reader.Entries(), maskList, tally);
    account->bytes = total;
    Describe(*account, reader, maskList, tally);
    return total;
}

}  // namespace pk
