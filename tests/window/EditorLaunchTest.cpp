#include <gtest/gtest.h>

#include "tests/support/RecordingUserInterface.h"
#include "window/EditorLaunch.h"

namespace pk {
namespace {

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
