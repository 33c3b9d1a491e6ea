#include "platform/Exceptions.h"

namespace pk {

int32_t CheckedAdd(int32_t a, int32_t b)
{
    int32_t sum;
    if (__builtin_add_overflow(a, b, &sum))
        throw EIntOverflow(kIntegerOverflow);
    return sum;
}

}  // namespace pk
