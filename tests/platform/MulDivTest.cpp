#include <gtest/gtest.h>

#include "platform/MulDiv.h"

namespace pk {
namespace {

TEST(MulDivTest, RoundsHalvesAwayFromZero)
{
    EXPECT_EQ(MulDivRounded(21, 1, 2), 11);
    EXPECT_EQ(MulDivRounded(-21, 1, 2), -11);
    EXPECT_EQ(MulDivRounded(21, -1, 2), -11);
    EXPECT_EQ(MulDivRounded(11, 72, 96), 8);        // 8.25
    EXPECT_EQ(MulDivRounded(8, 600, 72), 67);       // 66.67
    EXPECT_EQ(MulDivRounded(2000000000, 3, 2), 2147483647);  // beyond the range: the largest
    EXPECT_EQ(MulDivRounded(5, 1, 0), 0);
}

}  // namespace
}  // namespace pk
