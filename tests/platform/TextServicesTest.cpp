#include <gtest/gtest.h>

#include "platform/TextServices.h"

namespace pk::platform {
namespace {

TEST(TextServicesTest, AnsiTextBecomesUtf8)
{
    EXPECT_EQ(AnsiToUtf8(""), "");
    EXPECT_EQ(AnsiToUtf8("Setup\t1.INI"), "Setup\t1.INI");
    EXPECT_EQ(AnsiToUtf8("\xE9t\xE9"), "\xC3\xA9t\xC3\xA9");
    EXPECT_EQ(AnsiToUtf8("\x80"), "\xE2\x82\xAC") << "the euro sign of Windows-1252";
    EXPECT_EQ(AnsiToUtf8(std::string("a\0b", 3)), std::string("a\0b", 3)) << "a NUL does not end the text";
}

}  // namespace
}  // namespace pk::platform
