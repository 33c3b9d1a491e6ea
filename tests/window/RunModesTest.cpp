#include <gtest/gtest.h>

#include "platform/Exceptions.h"
#include "zipreader/ZipErrors.h"
#include "window/EditorLaunch.h"
#include "window/RunModes.h"
#include "tests/support/RecordingUserInterface.h"

namespace pk {
namespace {

TEST(RunModes, OnlyAnExactFirstArgumentAsksForTheSyntax)
{
    EXPECT_TRUE(IsSyntaxRequest("/?"));
    EXPECT_FALSE(IsSyntaxRequest("/?x"));
    EXPECT_FALSE(IsSyntaxRequest("-?"));
    EXPECT_FALSE(IsSyntaxRequest(" /?"));
    EXPECT_FALSE(IsSyntaxRequest(""));
    EXPECT_EQ(std::string(kSyntaxText),
              "Syntax: PAKTALLY [/B] [inifilepath[\\filename]] [packfilepath]\r\r/B : Silent update");
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

TEST(RunModes, FullStopIsAddedAfterCharactersThatSortAfterIt)
{
    EXPECT_EQ(WithFullStop("Cannot open file"), "Cannot open file.");
    EXPECT_EQ(WithFullStop("Error 5"), "Error 5.");
    EXPECT_EQ(WithFullStop("Done."), "Done.");
    EXPECT_EQ(WithFullStop("Really!"), "Really!");
    EXPECT_EQ(WithFullStop("dash -"), "dash -");
    EXPECT_EQ(WithFullStop("a/"), "a/.") << "'/' sorts right after '.'";
    EXPECT_EQ(WithFullStop("st\xF8"), "st\xF8.") << "letters beyond ASCII too";
    EXPECT_EQ(WithFullStop(""), "");
}

TEST(RunModes, ApplicationErrorNamesTheClassAndTheMessage)
{
    auto describe = [](auto error) { return DescribeError(std::make_exception_ptr(error)); };
    TErrorDescription zip = describe(EBadZipFile("Cannot open file \"Z:\\k\\P.ZIP\". File not found"));
    EXPECT_EQ(zip.className, "EBadZipFile");
    EXPECT_EQ(ApplicationErrorText(zip),
              "Exception EBadZipFile in module Paktally.exe.\nCannot open file \"Z:\\k\\P.ZIP\". File not found.");
    EXPECT_EQ(ApplicationErrorText(describe(EInOutError("I/O error 5", 5))),
              "Exception EInOutError in module Paktally.exe.\nI/O error 5.");
    EXPECT_EQ(describe(std::bad_alloc()).className, "EOutOfMemory");
    EXPECT_EQ(describe(std::runtime_error("odd")).message, "odd");
    EXPECT_EQ(DescribeError(std::make_exception_ptr(42)).className, "Exception");
}

TEST(EditorLaunch, PathIsQuotedAndTheCommandLineCutAt199Characters)
{
    // Editors that split their command line at blanks get the whole path.
    EXPECT_EQ(EditorCommandLine("WordPad", "C:\\My Kit\\SETUP.INI"), "WordPad \"C:\\My Kit\\SETUP.INI\"");
    std::string fits(199 - 10, 'a');
    EXPECT_EQ(EditorCommandLine("NotePad", fits), "NotePad \"" + fits + "\"");
    std::string longPath = "C:\\" + std::string(250, 'k') + "\\SETUP.INI";
    std::string line = EditorCommandLine("WordPad", longPath);
    EXPECT_EQ(line, ("WordPad \"" + longPath).substr(0, 199));
}

TEST(EditorLaunch, TriesTheEditorsInTurnAndComplainsWhenNoneStarts)
{
    testing::TRecordingUserInterface ui;
    std::vector<std::string> tried;
    auto failUntil = [&](std::string starts) {
        return [&tried, starts](const std::string& program, const std::string& argument) {
            tried.push_back(program + "|" + argument);
            return program == starts;
        };
    };
    OpenInTextEditor("C:\\Kit\\SETUP.INI", failUntil("WordPad"));
    EXPECT_EQ(tried, (std::vector<std::string>{"NotePad|C:\\Kit\\SETUP.INI", "WordPad|C:\\Kit\\SETUP.INI"}));
    EXPECT_TRUE(ui.boxes.empty());

    tried.clear();
    OpenInTextEditor("C:\\Kit\\SETUP.INI", failUntil("none"));
    EXPECT_EQ(tried.size(), 3u);
    EXPECT_EQ(tried.back(), "Write|C:\\Kit\\SETUP.INI");
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].text, "Unable to run NotePad or WordPad");
    EXPECT_EQ(ui.boxes[0].title, "Error");
}

}  // namespace
}  // namespace pk
