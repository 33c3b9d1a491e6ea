#include "tests/support/FaultyFiles.h"

#include <algorithm>

namespace pk::testing {

uint32_t TFaultyFiles::BeforeRead(size_t&)
{
    if (++reads == failingRead)
        return readError;
    return 0;
}

uint32_t TFaultyFiles::BeforeWrite(size_t& count)
{
    if (++writes == failingWrite)
        return writeError;
    if (writeLimit)
        count = std::min(count, *writeLimit);
    if (diskSpace) {
        count = std::min(count, *diskSpace);
        *diskSpace -= count;
    }
    return 0;
}

}  // namespace pk::testing
