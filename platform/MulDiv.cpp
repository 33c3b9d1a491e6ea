#include "platform/MulDiv.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace pk {

int MulDivRounded(int a, int b, int c)
{
    if (c == 0)
        return 0;
    int64_t product = int64_t{a} * b;
    int64_t divisor = std::llabs(int64_t{c});
    int64_t magnitude = std::llabs(product) / divisor;
    if (2 * (std::llabs(product) % divisor) >= divisor)
        ++magnitude;
    int64_t result = (product < 0) != (c < 0) ? -magnitude : magnitude;
    return static_cast<int>(std::clamp<int64_t>(result, INT32_MIN, INT32_MAX));
}

}  // namespace pk
