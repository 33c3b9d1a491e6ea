#include "cli/PassResult.h"

namespace pk::cli {

SectionStatus StatusOf(const ConsoleRow& row)
{
    if (row.newSize == kNotMeasured)
        return SectionStatus::NotUpdated;
    return row.newSize == -1 ? SectionStatus::Failed : SectionStatus::Measured;
}

const char* StatusName(SectionStatus status)
{
    switch (status) {
    case SectionStatus::Measured: return "measured";
    case SectionStatus::Failed: return "failed";
    default: return "not-updated";
    }
}

std::optional<int32_t> StoredSizeOf(const ConsoleRow& row)
{
    if (row.storedSize == -1)
        return std::nullopt;
    return row.storedSize;
}

std::optional<int32_t> MeasuredSizeOf(const ConsoleRow& row)
{
    if (StatusOf(row) != SectionStatus::Measured)
        return std::nullopt;
    return row.newSize;
}

bool SizeChanged(const ConsoleRow& row)
{
    return StatusOf(row) == SectionStatus::Measured && row.newSize != row.storedSize;
}

PassSummary PassResult::Summary() const
{
    PassSummary summary;
    for (const ConsoleRow& row : rows) {
        ++summary.sections;
        switch (StatusOf(row)) {
        case SectionStatus::Measured: ++summary.measured; break;
        case SectionStatus::Failed: ++summary.failed; break;
        case SectionStatus::NotUpdated: ++summary.notUpdated; break;
        }
        if (SizeChanged(row))
            ++summary.changed;
    }
    return summary;
}

int PassResult::ExitCode() const
{
    if (error)
        return kPassFailed;
    PassSummary summary = Summary();
    if (summary.failed > 0)
        return kSectionFailed;
    if (mode == Mode::Check && summary.changed > 0)
        return kSizesStale;
    return kAllMeasured;
}

}  // namespace pk::cli
