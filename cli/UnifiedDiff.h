#pragma once
// A unified diff of two texts, line by line, with every line end kept as it stands, so that
// patch turns the one into exactly the other (CR LF included).
#include <string>
#include <string_view>

namespace pk::cli {

// The diff with three lines of context, headed "--- name" and "+++ name"; empty when the
// texts are equal.
std::string UnifiedDiff(std::string_view before, std::string_view after, const std::string& name);

}  // namespace pk::cli
