#pragma once
// The result of a pass as a terminal table, tab-separated values or JSON.
#include <string>

#include "cli/CliOptions.h"
#include "cli/PassResult.h"

namespace pk::cli {

// The table shows the window's texts; TSV and JSON carry plain numbers and UTF-8 text. Only
// JSON reports a pass that an error ended; the others are then empty.
std::string FormatReport(const TPassResult& result, TOutputFormat format);

}  // namespace pk::cli
