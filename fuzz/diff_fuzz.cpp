// The unified diff of any two texts applies back to exactly the second.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "cli/UnifiedDiff.h"
#include "tests/support/ApplyUnifiedDiff.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    // The first byte says where the second text begins.
    std::string rest(reinterpret_cast<const char*>(data) + 1, size - 1);
    size_t split = rest.empty() ? 0 : data[0] % (rest.size() + 1);
    std::string before = rest.substr(0, split), after = rest.substr(split);
    std::string diff = pk::cli::UnifiedDiff(before, after, "SETUP.INI");
    if (pk::testing::ApplyUnifiedDiff(before, diff) != after)
        std::abort();
    return 0;
}
