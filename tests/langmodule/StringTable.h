#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "tests/langmodule/PeImage.h"

namespace pk::testing {

struct TTableString {
    uint16_t number = 0;
    uint16_t language = 0;
    std::u16string text;
};

// The strings of every string-table block among `resources`: block n holds the numbers
// 16 * (n - 1) to 16 * n - 1 as counted UTF-16 texts. A text of length 0 is no entry.
// Throws std::runtime_error on a malformed block.
std::vector<TTableString> DecodeStringTable(std::span<const TPeResource> resources);

}  // namespace pk::testing
