#include <gtest/gtest.h>

#include <random>

#include "cli/UnifiedDiff.h"
#include "tests/support/ApplyUnifiedDiff.h"

namespace pk::cli {
namespace {

using pk::testing::ApplyUnifiedDiff;

std::string Lines(int from, int to, const char* end = "\r\n")
{
    std::string out;
    for (int i = from; i <= to; ++i)
        out += "line" + std::to_string(i) + end;
    return out;
}

TEST(UnifiedDiffTest, EqualTextsGiveNothing)
{
    EXPECT_EQ(UnifiedDiff("", "", "S"), "");
    EXPECT_EQ(UnifiedDiff(Lines(1, 9), Lines(1, 9), "S"), "");
}

TEST(UnifiedDiffTest, OneChangeWithThreeLinesOfContextAndItsLineEnds)
{
    std::string after = Lines(1, 4) + "Size=7\r\n" + Lines(6, 10);
    EXPECT_EQ(UnifiedDiff(Lines(1, 10), after, "kit/SETUP.INI"),
              "--- kit/SETUP.INI\n+++ kit/SETUP.INI\n"
              "@@ -2,7 +2,7 @@\n line2\r\n line3\r\n line4\r\n-line5\r\n+Size=7\r\n line6\r\n line7\r\n line8\r\n");
}

TEST(UnifiedDiffTest, ChangesCloseTogetherShareAHunk)
{
    // Six kept lines between two changes: one hunk; seven: two.
    std::string six = Lines(1, 2, "\n") + "x\n" + Lines(4, 9, "\n") + "y\n" + Lines(11, 20, "\n");
    EXPECT_EQ(UnifiedDiff(Lines(1, 20, "\n"), six, "S").find("\n@@", 13), std::string::npos);
    EXPECT_NE(UnifiedDiff(Lines(1, 20, "\n"), six, "S").find("@@ -1,13 +1,13 @@"), std::string::npos);
    std::string seven = Lines(1, 2, "\n") + "x\n" + Lines(4, 10, "\n") + "y\n" + Lines(12, 20, "\n");
    std::string diff = UnifiedDiff(Lines(1, 20, "\n"), seven, "S");
    EXPECT_NE(diff.find("@@ -1,6 +1,6 @@"), std::string::npos) << diff;
    EXPECT_NE(diff.find("@@ -8,7 +8,7 @@"), std::string::npos) << diff;
}

TEST(UnifiedDiffTest, MissingLastLineEndIsMarked)
{
    EXPECT_EQ(UnifiedDiff("a\r\nb", "a\r\nb\r\n", "S"),
              "--- S\n+++ S\n@@ -1,2 +1,2 @@\n a\r\n-b\n\\ No newline at end of file\n+b\r\n");
}

TEST(UnifiedDiffTest, AnEmptySideNamesTheLineBefore)
{
    EXPECT_EQ(UnifiedDiff("", "a\r\n", "S"), "--- S\n+++ S\n@@ -0,0 +1,1 @@\n+a\r\n");
    EXPECT_EQ(UnifiedDiff("a\nb\n", "a\n", "S"), "--- S\n+++ S\n@@ -1,2 +1,1 @@\n a\n-b\n");
}

TEST(UnifiedDiffTest, RandomEditsRoundTrip)
{
    std::mt19937 random(19);
    const std::vector<std::string> pool = {"[BDE]\r\n", "Size=1\r\n", "Size=2\r\n", "\r\n", "x=1\n", "y\r", "z"};
    for (int round = 0; round < 300; ++round) {
        auto text = [&](int lines) {
            std::string out;
            for (int i = 0; i < lines; ++i)
                out += pool[random() % (pool.size() - 1)];
            if (random() % 4 == 0)
                out += pool.back();  // no line end at the very end
            return out;
        };
        std::string before = text(static_cast<int>(random() % 40));
        std::string after = text(static_cast<int>(random() % 40));
        EXPECT_EQ(ApplyUnifiedDiff(before, UnifiedDiff(before, after, "S")), after) << "round " << round;
    }
}

TEST(UnifiedDiffTest, TextsTooDifferentForTheSearchStillRoundTrip)
{
    std::string before = Lines(1, 3000, "\n"), after = Lines(1, 3000, "\r\n");
    std::string diff = UnifiedDiff(before, after, "S");
    EXPECT_EQ(ApplyUnifiedDiff(before, diff), after);
    EXPECT_NE(diff.find("@@ -1,3000 +1,3000 @@"), std::string::npos);
}

}  // namespace
}  // namespace pk::cli
