#include "cli/PassResult.h"

namespace pk::cli {

TSectionStatus StatusOf(const TConsoleRow& row)
{
    if (row.newSize == kNotMeasured)
        return TSectionStatus::NotUpdated;
    return row.newSize == -1 ? TSectionStatus::Failed : TSectionStatus::Measured;
}

const char* StatusName(TSectionStatus status)
{
    switch (status) {
    case TSectionStatus::Measured: return "measured";
    case TSectionStatus::Failed: return "failed";
    default: return "not-updated";
    }
}

std::optional<int32_t> StoredSizeOf(const TConsoleRow& row)
{
    if (row.storedSize == -1)
        return std::nullopt;
    return row.storedSize;
}

std::optional<int32_t> MeasuredSizeOf(const TConsoleRow& row)
{
    if (StatusOf(row) != TSectionStatus::Measured)
        return std::nullopt;
    return row.newSize;
}

bool SizeChanged(const TConsoleRow& row)
{
    return StatusOf(row) == TSectionStatus::Measured && row.newSize != row.storedSize;
}

TPassSummary TPassResult::Summary() const
{
    TPassSummary summary;
    for (const TConsoleRow& row : rows) {
        ++summary.sections;
        switch (StatusOf(row)) {
        case TSectionStatus::Measured: ++summary.measured; break;
        case TSectionStatus::Failed: ++summary.failed; break;
        case TSectionStatus::NotUpdated: ++summary.notUpdated; break;
        }
        if (SizeChanged(row))
            ++summary.changed;
        if (!row.account.Warnings().empty())
            ++summary.warned;
    }
    return summary;
}

int TPassResult::ExitCode() const
{
    if (error)
        return kPassFailed;
    TPassSummary summary = Summary();
    if (summary.failed > 0)
        return kSectionFailed;
    if (strict && (summary.warned > 0 || !kit.Warnings().empty()))
        return kWarned;
    if (mode == TMode::Check && summary.changed > 0)
        return kSizesStale;
    return kAllMeasured;
}

}  // namespace pk::cli
