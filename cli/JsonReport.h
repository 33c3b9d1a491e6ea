#pragma once
// The result of a pass as one JSON object (schema version 1, documented in the README).
#include <string>

#include "cli/PassResult.h"

namespace pk::cli {

inline constexpr int kJsonSchemaVersion = 1;

std::string JsonReport(const TPassResult& result);

// A JSON string literal of text in the ANSI code page.
std::string JsonString(const std::string& text);

}  // namespace pk::cli
