#include "tests/langmodule/LsCall.h"

#include <algorithm>

namespace pk::testing {

std::string TLsResult::Text() const
{
    const auto* text = reinterpret_cast<const char*>(bytes.data() + kGuard + 1);
    return std::string(text, Length());
}

bool TLsResult::RestUntouched() const
{
    const auto written = bytes.begin() + kGuard + 1 + Length();
    const auto isFill = [](uint8_t b) { return b == kFill; };
    return std::all_of(bytes.begin(), bytes.begin() + kGuard, isFill) && std::all_of(written, bytes.end(), isFill);
}

}  // namespace pk::testing
