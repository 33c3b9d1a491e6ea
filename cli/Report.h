#pragma once
// The result of a pass as a terminal table, tab-separated values or JSON.
#include <string>

#include "cli/CliOptions.h"
#include "cli/PassResult.h"

namespace pk::cli {

// The table shows the window's texts, with explain each row's account under it; TSV and JSON
// carry plain numbers and UTF-8 text. Only JSON reports a pass that an error ended; the
// others are then empty.
std::string FormatReport(const TPassResult& result, TOutputFormat format, bool explain = false);

// The lines of a section's account as the table shows them, each ending in a line end.
std::string ExplainedAccount(const TSectionAccount& account);

}  // namespace pk::cli
