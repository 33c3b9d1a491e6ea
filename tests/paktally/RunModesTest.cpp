#include <gtest/gtest.h>

#include "paktally/RunModes.h"

namespace pk {
namespace {

TEST(RunModes, OnlyAnExactFirstArgumentAsksForTheSyntax)
{
    EXPECT_TRUE(IsSyntaxRequest("/?"));
    EXPECT_FALSE(IsSyntaxRequest("/?x"));
    EXPECT_FALSE(IsSyntaxRequest("-?"));
    EXPECT_FALSE(IsSyntaxRequest(" /?"));
    EXPECT_FALSE(IsSyntaxRequest(""));
}

TEST(RunModes, SilentSwitchIsFoundInsideAnyOfTheFirstThreeArguments)
{
    EXPECT_TRUE(IsSilentRun("/B", "", ""));
    EXPECT_TRUE(IsSilentRun("/b", "", ""));
    EXPECT_TRUE(IsSilentRun("C:\\Kit\\SETUP.INI", "D:\\Packs", "/B"));
    EXPECT_TRUE(IsSilentRun("X/B", "", ""));
    EXPECT_TRUE(IsSilentRun("C:/Backup/SETUP.INI", "", "")) << "a forward-slash path holds /B";
    EXPECT_TRUE(IsSilentRun("", "C:/backup/SETUP.INI", ""));
    EXPECT_FALSE(IsSilentRun("/X", "C:\\Kit\\SETUP.INI", ""));
    EXPECT_FALSE(IsSilentRun("/?x", "", ""));
    EXPECT_FALSE(IsSilentRun("B", "\\B", "-B"));
    EXPECT_FALSE(IsSilentRun("C:/Kit/SETUP.INI", "", "")) << "only /B and /b count";
}

}  // namespace
}  // namespace pk
