#pragma once
// The rows of a pass as a terminal table, tab-separated values or JSON.
#include <string>
#include <vector>

#include "cli/CliOptions.h"
#include "cli/ConsoleSession.h"

namespace pk::cli {

std::string FormatReport(const std::vector<TConsoleRow>& rows, TOutputFormat format);

// JSON string literal of single-byte ANSI (Windows-1252) text.
std::string JsonString(const std::string& text);

}  // namespace pk::cli
