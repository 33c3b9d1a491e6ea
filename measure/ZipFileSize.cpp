#include <algorithm>
#include <cstdint>
#include <optional>

#include "measure/ZipFileSize.h"

#include "measure/MaskList.h"
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

// The total over the reader's table, step by step in data order; the first mask error or
// range error ends it.
int32_t TableTotal(const TEntryTable& entries, TMaskList& maskList)
{
    int64_t total = 0;
    for (size_t i = 0; i < entries.Count(); ++i) {
        if (!maskList.MatchesAny([&] { return entries.LeafName(i); }))
            continue;
        total += CountedSize(entries.UncompressedSize(i));
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
class TStraightTotal final : public TEntryVisitor {
public:
    explicit TStraightTotal(TMaskList& maskList) : maskList(maskList) {}

    bool Visit(std::string_view name, TEntrySink::TNameForm form, uint64_t uncompressedSize) override
    {
        try {
            if (!maskList.MatchesAny([&] { return LeafOf(name, form); }))
                return true;
        } catch (const EMaskException&) {
            return false;  // the table's walk raises it where it belongs
        }
        if (uncompressedSize > 0xFFFFFFFFu)
            return false;  // and this
        sum += static_cast<int32_t>(uncompressedSize);
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
    int64_t sum = 0;
    int64_t lowest = 0;
    int64_t highest = 0;
};

}  // namespace

int32_t ZipFileSize(const std::string& path, const std::vector<std::string>& masks)
{
    TZipReader reader;
    reader.SetZipName(path);
    TMaskList maskList(masks);
    // Most archives list their entries in data order or its reverse, and most totals are in
    // range: one read, without a table. Everything else, errors included, takes the table.
    TStraightTotal straight(maskList);
    if (std::optional<int32_t> total = straight.Total(reader.VisitDirectory(straight)))
        return *total;
    reader.LoadDirectory();
    return TableTotal(reader.Entries(), maskList);
}

}  // namespace pk
