// The length-prefixed result that ls hands back, as a function of its own.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "langmodule/ShortString.h"

namespace pk::testing {
namespace {

TEST(ShortString, CutsAfterTheLastCountableByteAndLeavesTheRest)
{
    const std::string text(300, 'x');
    std::vector<uint8_t> buffer(302, 0xA5);
    StoreShortString(text.data(), static_cast<int>(text.size()), buffer.data());
    EXPECT_EQ(buffer[0], 255);
    EXPECT_EQ(std::string(buffer.begin() + 1, buffer.begin() + 256), text.substr(0, 255));
    EXPECT_EQ(buffer[256], 0xA5);

    StoreShortString(text.data(), 255, buffer.data());
    EXPECT_EQ(buffer[0], 255);
}

TEST(ShortString, NegativeLengthFromTheLoaderCountsAsEmpty)
{
    std::vector<uint8_t> buffer(4, 0xA5);
    StoreShortString("abc", -1, buffer.data());
    EXPECT_EQ(buffer, (std::vector<uint8_t>{0, 0xA5, 0xA5, 0xA5}));
}

}  // namespace
}  // namespace pk::testing
