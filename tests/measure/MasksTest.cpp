#include "measure/Masks.h"
#include "measure/MaskList.h"

#include <gtest/gtest.h>

#include "platform/Exceptions.h"
#include "platform/Replaceable.h"
#include "tests/measure/MaskTestSupport.h"

namespace pk {
namespace {

struct TCase {
    std::string mask;
    std::string name;
    bool matches;
};

void ExpectCases(const std::vector<TCase>& cases)
{
    for (const TCase& c : cases)
        EXPECT_EQ(MatchOneMask(c.name, c.mask), c.matches) << "mask '" << c.mask << "', name '" << c.name << "'";
}

using testing::CompileError;

std::string Repeat(const std::string& text, int times)
{
    std::string result;
    for (int i = 0; i < times; ++i)
        result += text;
    return result;
}

class MaskTest : public ::testing::Test {
    platform::TInstalled<const platform::TLeadByteTable> singleByte{platform::ReplaceLeadBytes, testing::NoLeadBytes()};
};

TEST_F(MaskTest, StarsNeedTheCharactersBetweenThem)
{
    ExpectCases({
        {"*.*", "README.TXT", true}, {"*.*", "A.", true}, {"*.*", ".X", true}, {"*.*", "README", false},
        {"*,*", "A,B", true}, {"*,*", "README.TXT", false}, {"*.*", "A,B", false},
        {"*", "", true}, {"*", "ANY.NAME", true}, {"**a", "xA", true}, {"", "", true}, {"", "A", false},
        {"a*b*c", "aXbYbZc", true}, {"a*b*c", "abc", true}, {"a*b*c", "acb", false},
        {"*ab", "aab", true}, {"*a*a", "aa", true}, {"*a*a", "a", false}, {"a*a", "a", false},
        {"*.*.*", "a.b", false}, {"*x*y", "xyxxy", true}, {"*x*y", "yx", false},
    });
}

TEST_F(MaskTest, AStarAndPlainCharactersAskForTheEndOfTheName)
{
    ExpectCases({
        {"*.txt", "a.txt", true},     {"*.txt", "A.TXT", true},     {"*.TXT", "a.txt", true},
        {"*.txt", ".txt", true},      {"*.txt", "txt", false},      {"*.txt", "a.txt.bak", false},
        {"*.txt", "a.txtx", false},   {"*.txt", "a.tx", false},     {"*.txt", "", false},
        {"*t", "t", true},            {"*.", "a.", true},           {"*.", "a", false},
        {"*.txt", std::string("a.txt\0.bak", 9), true},  // the name ends at its NUL
        {"*.txt", std::string("a.bak\0.txt", 9), false},
        {"*\xC1.x", "\xE1.X", false},  // only a to z fold
        {"*.txt", "a.txt.txt", true},
    });
}

TEST_F(MaskTest, QuestionMarkIsDroppedAfterAStar)
{
    ExpectCases({
        {"*?", "", true}, {"a*?", "a", true}, {"*?*?", "", true}, {"*??", "", true},
        {"?*", "", false}, {"?*", "x", true}, {"?", "x", true}, {"?", "xy", false}, {"??", "x", false},
    });
}

TEST_F(MaskTest, FoldsOnlyTheLettersAToZ)
{
    ExpectCases({
        {"*.txt", "NOTES.TXT", true}, {"*.txt", "notes.Txt", true},
        {"\xE9t\xE9.txt", "\xC9T\xC9.TXT", false}, {"\xE9t\xE9.txt", "\xE9T\xE9.TXT", true},
        {"{", "[", false}, {"`", "@", false}, {"[{]", "[", false}, {"[x]", "X", true}, {"[X-Z]", "y", true},
    });
}

TEST_F(MaskTest, NoCharacterIsSpecialOutsideWildcardsAndSets)
{
    ExpectCases({
        {"a]b", "A]B", true}, {"!x", "!X", true}, {"-", "-", true},
        {"C:\\DIR\\*.*", "c:\\dir\\a.b", true}, {"C:\\DIR\\*.*", "c:/dir/a.b", false},
        {" *", " A", true}, {" *", "A", false},
        // A NUL byte ends the name and the mask.
        {std::string("A\0B", 3), "A", true}, {"A?B", std::string("A\0B", 3), false}, {"A", std::string("A\0B", 3), true},
    });
}

TEST_F(MaskTest, SetsFoldNegateAndFailAtTheEndOfTheName)
{
    ExpectCases({
        {"[a-c]*", "Beta", true}, {"[a-c]*", "delta", false}, {"[!a]*", "Beta", true}, {"[!a]*", "alpha", false},
        {"[!a]", "b", true}, {"[!a]", "", false}, {"a[!x]", "a", false}, {"a?", "a", false},
        {"*[0-9]", "v2", true}, {"*[0-9]", "v2x", false}, {"*[!0-9]", "v2", false},
    });
}

TEST_F(MaskTest, RangesRunFromTheLastSingleMember)
{
    ExpectCases({
        // A descending range adds nothing, and a range leaves the last single member as it was.
        {"[c-a]", "C", true}, {"[c-a]", "B", false}, {"[c-a-b]", "B", false}, {"[a-c-e]", "E", true},
        {"[a-c-e]", "F", false},
        // The upper end is folded, so [A-z] stops at Z.
        {"[A-z]", "_", false}, {"[A-z]", "q", true},
        // "]" right after "-" is the upper end of the range, not the end of the set.
        {"[a-]x]", "]", true}, {"[a-]x]", "\\", true}, {"[a-]x]", "Q", true}, {"[a-]x]", "^", false},
        {"[a-]x]", "QX]", false},
    });
}

TEST_F(MaskTest, InvalidMasksReportWhereTheyFail)
{
    const std::vector<std::pair<std::string, int>> invalid = {
        {"[-a]", 2}, {"[!-a]", 3}, {"[]", 2}, {"[!]", 3}, {"x[a]y[]", 7}, {"[abc", 5}, {"a[", 3}, {"[", 2},
        {"[!", 3}, {"[a-", 4}, {"[a-b", 5},
    };
    for (const auto& [mask, position] : invalid)
        EXPECT_EQ(CompileError(mask), "'" + mask + "' is an invalid mask at (" + std::to_string(position) + ")");
    EXPECT_THROW(MatchOneMask("", "["), EMaskException);
    EXPECT_THROW(MatchOneMask("[", "["), EMaskException);
}

TEST_F(MaskTest, AtMostThirtyElementsFollowAStar)
{
    const std::string thirty = Repeat("*a", 30);
    EXPECT_EQ(CompileError(thirty), "valid");
    EXPECT_EQ(CompileError(thirty + "bc?[d]"), "valid");
    EXPECT_EQ(CompileError(Repeat("a*", 30)), "valid");
    EXPECT_EQ(CompileError(Repeat("*a", 29) + "*?"), "valid");
    EXPECT_EQ(CompileError(Repeat("*a", 31)), "'" + Repeat("*a", 31) + "' is an invalid mask at (62)");
    EXPECT_EQ(CompileError(thirty + "*"), "'" + thirty + "*' is an invalid mask at (62)");
    EXPECT_EQ(CompileError(thirty + "*?x"), "'" + thirty + "*?x' is an invalid mask at (63)");
    EXPECT_EQ(CompileError(thirty + "*[b]"), "'" + thirty + "*[b]' is an invalid mask at (64)");
    EXPECT_TRUE(MatchOneMask(Repeat("A", 30), thirty));
}

TEST_F(MaskTest, HopelessStarsGiveUpWithoutTryingEveryPlace)
{
    // Retrying each of 30 stars at each place of a long name would never end.
    const std::string name(300, 'a');
    EXPECT_FALSE(MatchOneMask(name, Repeat("*a", 29) + "*b"));
    EXPECT_TRUE(MatchOneMask(name, Repeat("*a", 29) + "*"));
    EXPECT_FALSE(MatchOneMask(name + "b", Repeat("*a", 28) + "*b*c"));
}

TEST_F(MaskTest, AnyMaskOfAListAnswersAndLaterMasksAreNeverCompiled)
{
    EXPECT_TRUE(MatchesAnyMask("X.DAT", {"*.DAT", "["}));
    EXPECT_TRUE(MatchesAnyMask("A.DLL", {"*.EXE", "*.DLL", "*.HLP"}));
    EXPECT_FALSE(MatchesAnyMask("A.TXT", {"*.EXE", "*.DLL", "*.HLP"}));
    EXPECT_FALSE(MatchesAnyMask("A", {}));
    EXPECT_THROW(MatchesAnyMask("X.DAT", {"[", "*.DAT"}), EMaskException);
    try {
        MatchesAnyMask("X.TXT", {"*.DAT", "["});
        ADD_FAILURE() << "no error for an invalid mask that is reached";
    } catch (const EMaskException& e) {
        EXPECT_STREQ(e.what(), "'[' is an invalid mask at (2)");
    }
}

}  // namespace
}  // namespace pk
