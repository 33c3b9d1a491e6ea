#include <gtest/gtest.h>

#include "paktally/CommandLine.h"
#include "platform/Process.h"
#include "platform/Replaceable.h"

namespace pk {
namespace {

// Runs each case with a given program path and command line.
class CommandLineTest : public ::testing::Test {
protected:
    void Args(const std::string& args) { line = "\"C:\\Tools\\Paktally.exe\" " + args; }
    static std::string GetIniFileName() { return KitPathsFromCommandLine().iniFile; }
    static std::string GetPackFilesDir() { return KitPathsFromCommandLine().packFilesDir; }

private:
    const std::string programPath = "C:\\Tools\\Paktally.exe";
    std::string line;
    platform::TInstalled<const std::string> installedPath{platform::ReplaceProgramPath, programPath};
    platform::TInstalled<const std::string> installedLine{platform::ReplaceCommandLine, line};
};

TEST_F(CommandLineTest, ArgumentsSplitAtBlanksAndTabsWithQuotesGrouping)
{
    Args("/B\t\"C:\\My Kit\\\"  D:\\Packs \"\" last");
    EXPECT_EQ(ParamStr(1), "/B");
    EXPECT_EQ(ParamStr(2), "C:\\My Kit\\") << "a quoted folder may end in a backslash";
    EXPECT_EQ(ParamStr(3), "D:\\Packs");
    EXPECT_EQ(ParamStr(4), "");
    EXPECT_EQ(ParamStr(5), "last");
    EXPECT_EQ(ParamStr(9), "");
    EXPECT_EQ(ParamStr(0), "");
}

TEST_F(CommandLineTest, NoArgumentsUseTheProgramFolder)
{
    Args("");
    EXPECT_EQ(GetExeDir(), "C:\\Tools\\");
    EXPECT_EQ(GetIniFileName(), "C:\\Tools\\Setup.ini");
    EXPECT_EQ(GetPackFilesDir(), "C:\\Tools\\");
}

TEST_F(CommandLineTest, PackFilesFollowTheIniArgument)
{
    Args("/B C:\\Kit\\SETUP.INI");
    EXPECT_EQ(GetIniFileName(), platform::ExpandFileName("C:\\Kit\\SETUP.INI"));
    EXPECT_EQ(GetPackFilesDir(), GetIniFileName().substr(0, GetIniFileName().size() - 9));

    for (const char* args : {"/B C:\\Kit\\SETUP.INI D:\\Packs", "C:\\Kit\\SETUP.INI D:\\Packs"}) {
        Args(args);
        EXPECT_EQ(GetIniFileName(), platform::ExpandFileName("C:\\Kit\\SETUP.INI")) << args;
        EXPECT_EQ(GetPackFilesDir(), "D:\\Packs") << args;
    }
    Args("/B Kit.ini packs");
    EXPECT_EQ(GetPackFilesDir(), "packs") << "used unchanged, even relative";
}

TEST_F(CommandLineTest, FolderArgumentsGetSetupIniAndBareNamesGetTheExtension)
{
    Args("C:\\Kit\\");
    EXPECT_EQ(GetIniFileName(), "C:\\Kit\\Setup.ini");
    EXPECT_EQ(GetPackFilesDir(), "C:\\Kit\\");
    Args("Kit\\");
    EXPECT_EQ(GetIniFileName(), "Kit\\Setup.ini") << "a folder argument is not made absolute";
    Args("C:\\Kit\\MYSETUP");
    EXPECT_EQ(GetIniFileName(), platform::ExpandFileName("C:\\Kit\\MYSETUP") + ".INI");
    Args("C:\\My.Kit\\MYSETUP");
    EXPECT_EQ(GetIniFileName(), platform::ExpandFileName("C:\\My.Kit\\MYSETUP") + ".INI")
        << "a dot in a folder name is no extension";
}

TEST_F(CommandLineTest, AnySlashInTheFirstArgumentMakesItTheSwitchPosition)
{
    Args("/X C:\\Kit\\SETUP.INI");
    EXPECT_EQ(GetIniFileName(), platform::ExpandFileName("C:\\Kit\\SETUP.INI"));
    Args("C:/Kit/SETUP.INI");
    EXPECT_EQ(GetIniFileName(), "C:\\Tools\\Setup.ini");
    EXPECT_EQ(GetPackFilesDir(), "C:\\Tools\\");
}

}  // namespace
}  // namespace pk
