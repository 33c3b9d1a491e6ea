#pragma once
// What one console pass found: the rows with their states, counts, and the exit code.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "cli/CliOptions.h"
#include "cli/ConsoleSession.h"
#include "survey/KitAccount.h"

namespace pk::cli {

enum TExitCode {
    kAllMeasured = 0,
    kPassFailed = 1,
    kBadUsage = 2,
    kSectionFailed = 3,
    kSizesStale = 4,
    kWarned = 5,
};

enum class TSectionStatus { Measured, Failed, NotUpdated };

TSectionStatus StatusOf(const TConsoleRow& row);
// "measured", "failed" or "not-updated".
const char* StatusName(TSectionStatus status);
// Empty when the section has no stored size (-1).
std::optional<int32_t> StoredSizeOf(const TConsoleRow& row);
// Empty unless a size was measured in this pass.
std::optional<int32_t> MeasuredSizeOf(const TConsoleRow& row);
// True when a size was measured and differs from the stored one.
bool SizeChanged(const TConsoleRow& row);

struct TPassSummary {
    int sections = 0;
    int measured = 0;
    int failed = 0;
    int notUpdated = 0;
    int changed = 0;
    int warned = 0;  // sections with a warning
};

struct TPassResult {
    TMode mode = TMode::List;
    std::string iniFile;
    std::string packFilesDir;
    std::vector<TConsoleRow> rows;
    std::optional<std::string> error;  // what ended the pass early
    bool strict = false;               // warnings fail the run
    TKitAccount kit;                   // kit-wide, when the pass measured

    TPassSummary Summary() const;
    // 1 when an error ended the pass, else 3 when a section failed, else (strict) 5 when a
    // section or the kit has a warning, else (checking) 4 when a stored size is stale, else 0.
    int ExitCode() const;
};

}  // namespace pk::cli
