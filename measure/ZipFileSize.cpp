#include <algorithm>
#include <cstdint>
#include <optional>

#include "measure/ZipFileSize.h"

#include "measure/MaskList.h"
#include "measure/PackAccount.h"
#include "platform/Exceptions.h"
#include "zipreader/ZipReader.h"

namespace pk {

namespace {

// Every step of the running total in data order stays within 0..kMaxRunningTotal, and the
// total ends within the signed range.
constexpr int64_t kMaxRunningTotal = 0xFFFFFFFFLL;

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
    void Clear() { *this = TTally(perMask.size()); }
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

// The total over the reader's table, step by step in data order; the first mask error or
// range error ends it.
template <bool kCounting>
int32_t TableTotal(const TEntryTable& entries, TMaskList& maskList, TTally& tally)
{
    int64_t total = 0;
    for (size_t i = 0; i < entries.Count(); ++i) {
        if (!Counts<kCounting>(maskList, tally, [&] { return entries.LeafName(i); }))
            continue;
        total += CountedSize(entries.UncompressedSize(i));
        CountSize<kCounting>(tally, entries.UncompressedSize(i));
        if (total < 0 || total > kMaxRunningTotal)
            throw ERangeError(kRangeCheckError);
    }
    return CheckedTotal(total);
}

// The total over a straight read, which keeps no entry: given only where it ends as the
// table's walk would, without an error. The partial sums A(0) = 0, ..., A(n) = S in the order
// the directory lists the entries decide the data order's range check: its running totals
// are A(1)..A(n), or S - A(n-1)..S - A(0) for a directory in reverse data order. Either way
// they stay in range exactly when the smallest and the largest partial sum allow it (the
// extra total 0 that A(0), or S - A(n), adds is in range anyway).
template <bool kCounting>
class TStraightTotal final : public TEntryVisitor {
public:
    TStraightTotal(TMaskList& maskList, TTally& tally) : maskList(maskList), tally(tally) {}

    bool Visit(std::string_view name, TEntrySink::TNameForm form, uint64_t uncompressedSize) override
    {
        try {
            if (!Counts<kCounting>(maskList, tally, [&] { return LeafOf(name, form); }))
                return true;
        } catch (const EMaskException&) {
            return false;  // the table's walk raises it where it belongs
        }
        if (uncompressedSize > 0xFFFFFFFFu)
            return false;  // and this
        sum += static_cast<int32_t>(uncompressedSize);
        CountSize<kCounting>(tally, uncompressedSize);
        lowest = std::min(lowest, sum);
        highest = std::max(highest, sum);
        return true;
    }

    std::optional<int32_t> Total(TListedOrder order) const
    {
        const bool inRange =
            order == TListedOrder::DataOrder ? lowest >= 0 && highest <= kMaxRunningTotal
            : order == TListedOrder::ReverseDataOrder
                ? sum - highest >= 0 && sum - lowest <= kMaxRunningTotal
                : false;
        if (!inRange || sum > INT32_MAX)
            return std::nullopt;
        return static_cast<int32_t>(sum);
    }

private:
    TMaskList& maskList;
    TTally& tally;
    int64_t sum = 0;
    int64_t lowest = 0;
    int64_t highest = 0;
};

// Most archives list their entries in data order or its reverse, and most totals are in
// range: one read, without a table. Everything else, errors included, takes the table.
template <bool kCounting>
int32_t Measure(TZipReader& reader, TMaskList& maskList, TTally& tally)
{
    TStraightTotal<kCounting> straight(maskList, tally);
    if (std::optional<int32_t> total = straight.Total(reader.VisitDirectory(straight)))
        return *total;
    tally.Clear();  // counted again below, as far as the table's walk goes
    reader.LoadDirectory();
    return TableTotal<kCounting>(reader.Entries(), maskList, tally);
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
    TMaskList maskList(masks);
    if (!account) {
        TTally none(0);
        return Measure<false>(reader, maskList, none);
    }
    TTally tally(maskList.Count());
    const int32_t total = Measure<true>(reader, maskList, tally);
    account->bytes = total;
    Describe(*account, reader, maskList, tally);
    return total;
}

}  // namespace pk
