#include <gtest/gtest.h>

#include "measure/Masks.h"
#include "platform/Exceptions.h"
#include "platform/Replaceable.h"
#include "tests/measure/MaskTestSupport.h"

// Two-byte characters of code page 932: 0x82 and 0x83 are lead bytes, 0xA0 is not.
namespace pk {
namespace {

class DoubleByteMaskTest : public ::testing::Test {
    platform::TInstalled<const platform::TLeadByteTable> cp932{platform::ReplaceLeadBytes, testing::Cp932LeadBytes()};
};

using testing::CompileError;

TEST_F(DoubleByteMaskTest, ATwoByteCharacterMatchesBothBytesExactly)
{
    const TMask mask("\x82\xA0");
    EXPECT_TRUE(mask.Matches("\x82\xA0"));
    EXPECT_FALSE(mask.Matches("\x82\xA1"));
    EXPECT_FALSE(mask.Matches("\x82"));  // the lead byte ends the name
    EXPECT_FALSE(mask.Matches(""));
    // The trail byte is not folded, and wildcards are plain trail bytes.
    EXPECT_FALSE(MatchOneMask("\x83" "A", "\x83" "a"));
    EXPECT_TRUE(MatchOneMask("\x83" "a", "\x83" "a"));
    EXPECT_FALSE(MatchOneMask("\x82XYZ", "\x82*"));
    EXPECT_TRUE(MatchOneMask("\x82*", "\x82*"));
    EXPECT_EQ(CompileError("\x82["), "valid");
    // Names are plain bytes: "?" takes one byte, even a lead byte.
    EXPECT_TRUE(MatchOneMask("\x82\xA0", "??"));
    EXPECT_FALSE(MatchOneMask("\x82\xA0", "?"));
}

TEST_F(DoubleByteMaskTest, AStarSearchesForBothBytesWithinTheName)
{
    const TMask mask("*\x82\xA0");
    EXPECT_TRUE(mask.Matches("\x82\xA0"));
    EXPECT_TRUE(mask.Matches("ab\x82\xA0"));
    EXPECT_TRUE(mask.Matches("\x82\x82\xA0"));
    EXPECT_FALSE(mask.Matches("ab\x82"));
    EXPECT_FALSE(mask.Matches("ab\x82\xA0x"));
    EXPECT_TRUE(MatchOneMask("x\x82\xA0y\x82\xA0z", "*\x82\xA0*z"));
}

TEST_F(DoubleByteMaskTest, ALeadByteThatEndsTheMaskIsAPlainByte)
{
    EXPECT_TRUE(MatchOneMask("A\x82", "A\x82"));
    EXPECT_FALSE(MatchOneMask("A", "A\x82"));
    EXPECT_FALSE(MatchOneMask("A\x82\xA0", "A\x82"));
    EXPECT_TRUE(MatchOneMask("xy\x82", "*\x82"));
}

TEST_F(DoubleByteMaskTest, SetsSkipTwoByteCharacters)
{
    EXPECT_TRUE(MatchOneMask("x", "[\x82\xA0x]"));
    EXPECT_FALSE(MatchOneMask("\x82", "[\x82\xA0x]"));
    EXPECT_FALSE(MatchOneMask("\xA0", "[\x82\xA0x]"));
    EXPECT_EQ(CompileError("[\x82\xA0]"), "'[\x82\xA0]' is an invalid mask at (4)");
    EXPECT_EQ(CompileError("[\x82]]"), "'[\x82]]' is an invalid mask at (4)");  // "]" is a trail byte here
    EXPECT_EQ(CompileError("[\x82"), "'[\x82' is an invalid mask at (3)");
    EXPECT_EQ(CompileError("[a\x82"), "'[a\x82' is an invalid mask at (4)");
}

TEST_F(DoubleByteMaskTest, TheThirtyFirstStarredTwoByteCharacterFailsAtItsTrailByte)
{
    std::string mask;
    for (int i = 0; i < 30; ++i)
        mask += "*a";
    mask += "*\x82\xA0";
    EXPECT_EQ(CompileError(mask), "'" + mask + "' is an invalid mask at (63)");
}

}  // namespace
}  // namespace pk
