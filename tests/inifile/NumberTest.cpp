// Numbers and flags as text.
#include <climits>
#include <optional>

#include "tests/inifile/IniTestSupport.h"

namespace pk::testing {
namespace {

TEST(ParseIntegerTest, FollowsTheDecimalAndHexadecimalRules)
{
    const std::optional<int32_t> fails;
    const std::pair<const char*, std::optional<int32_t>> cases[] = {
        {"12", 12}, {"  12", 12}, {"+7", 7}, {"-0", 0}, {"0000000000012", 12},
        {"2147483647", INT_MAX}, {"-2147483648", INT_MIN}, {"2147483648", fails}, {"-2147483649", fails},
        {"21474836470", fails}, {"$1F", 31}, {"x1F", 31}, {"X1f", 31}, {"0x1F", 31}, {"-0X10", -16},
        {"$FFFFFFFF", -1}, {"$80000000", INT_MIN}, {"-$80000000", INT_MIN}, {"-$1", -1},
        {"$000000001", 1}, {"$100000000", fails}, {"$", fails}, {"0x", fails}, {"$G", fails},
        {"12 ", fails}, {"\t1", fails}, {"- 1", fails}, {"+-1", fails}, {"1.5", fails}, {"1a", fails},
        {"", fails}, {"   ", fails}, {"-", fails}, {"$1 ", fails},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(ParseInteger(text), expected) << '"' << text << '"';
}

using NumberTest = IniFileTest;

TEST_F(NumberTest, ReadNumberFallsBackToTheDefault)
{
    auto ini = Load("[S]\na=12 \nb= 12\nc=0x1F\nd=0X\ne=\nf=$FFFFFFFF\n");
    EXPECT_EQ(ini->ReadNumber("S", "a", -7), -7);
    EXPECT_EQ(ini->ReadNumber("S", "b", -7), 12);
    EXPECT_EQ(ini->ReadNumber("S", "c", -7), 31);
    EXPECT_EQ(ini->ReadNumber("S", "d", -7), -7);
    EXPECT_EQ(ini->ReadNumber("S", "e", -7), -7);
    EXPECT_EQ(ini->ReadNumber("S", "f", -7), -1);
    EXPECT_EQ(ini->ReadNumber("S", "missing", -7), -7);
}

TEST_F(NumberTest, WritesPlainDecimalsAndFlags)
{
    auto ini = Load("");
    ini->WriteNumber("S", "neg", INT_MIN);
    ini->WriteNumber("S", "pos", 42);
    ini->WriteFlag("S", "on", true);
    ini->WriteFlag("S", "off", false);
    EXPECT_EQ(Lines(*ini, "S"), (std::vector<std::string>{"neg=-2147483648", "pos=42", "on=1", "off=0"}));
    EXPECT_TRUE(ini->ReadFlag("S", "on", false));
    EXPECT_FALSE(ini->ReadFlag("S", "off", true));
    EXPECT_TRUE(ini->ReadFlag("S", "pos", false)) << "any non-zero number is true";
    EXPECT_TRUE(ini->ReadFlag("S", "missing", true));
    EXPECT_FALSE(ini->ReadFlag("S", "missing", false));
}

}  // namespace
}  // namespace pk::testing
