// The text services: the name key agrees with the locale comparison in both directions (the
// INI document's section index rests on it), and ANSI text becomes UTF-8.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/TextServices.h"

namespace pk::platform {
namespace {

// Windows-1252 names: case pairs in and beyond ASCII, ligatures beside their spelled-out
// forms, characters the comparison may ignore, and near misses.
const std::vector<std::string> kNames = {
    "", " ", "Size", "SIZE", "size", "Size ", " Size", "Siz", "Sizes",
    "\xE6", "\xC6", "ae", "AE", "Ae", "\x9C", "\x8C", "oe", "OE", "\xDF", "ss", "SS",
    "\xE9", "\xC9", "e", "E", "\x9A", "\x8A", "\xFF", "\x9F", "\xE5", "\xC5",
    "co-op", "coop", "it's", "its", "a\x01" "b", "ab", "\x01", "a\xAD" "b",
    "ISubOption1.1", "isuboption1.1", "ISubOption1.10", "[A]", "a]b", "=",
};

TEST(TextServicesTest, NameKeysAreEqualExactlyWhenTheNamesCompareEqual)
{
    int equalPairs = 0;
    for (const std::string& a : kNames)
        for (const std::string& b : kNames) {
            bool same = SameText(a, b);
            equalPairs += same && a != b;
            EXPECT_EQ(NameKey(a) == NameKey(b), same) << '"' << a << "\" vs \"" << b << '"';
        }
    EXPECT_GT(equalPairs, 0);
}

TEST(TextServicesTest, TheComparisonFoldsAsciiCaseAndComparesWholeTexts)
{
    EXPECT_TRUE(SameText("Size", "sIZE"));
    EXPECT_FALSE(SameText("Size", "Size "));
    EXPECT_FALSE(SameText("Size", "Siz"));
    EXPECT_FALSE(SameText("ISubOption1.1", "ISubOption1.10"));
}

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
