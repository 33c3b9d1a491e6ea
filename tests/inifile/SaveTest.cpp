// The layout that SaveFile writes, when it writes, and that a second load and save changes nothing.
#include <random>

#include "tests/inifile/IniTestSupport.h"

namespace pk::testing {
namespace {

using SaveTest = IniFileTest;

TEST_F(SaveTest, BlankLinesFollowSectionsOrPrecedeTheirClosingComments)
{
    EXPECT_EQ(Saved(*Load("; top\n[A]\nx=1\ny=2\n; about B\n[B]\nz=3\n")),
              Crlf({"; top", "", "[A]", "x=1", "y=2", "", "; about B", "[B]", "z=3", ""}));
    EXPECT_EQ(Saved(*Load("[A]\nx=1\n; about B\n[B]")), Crlf({"[A]", "x=1", "; about B", "[B]", ""}))
        << "the walk never goes back past the second line";
    EXPECT_EQ(Saved(*Load("[Z]\r\nq=0\r\n[A]\r\nx=1\r\n;c1\r\n;c2\r\n[B]\r\ny=2\r\n")),
              Crlf({"[Z]", "q=0", "", "[A]", "x=1", "", ";c1", ";c2", "[B]", "y=2", ""}));
    EXPECT_EQ(Saved(*Load("top\n[A]\n;c\n")), Crlf({"top", "", "[A]", "", ";c"}));
    EXPECT_EQ(Saved(*Load("[A]\n;c\n")), Crlf({"[A]", ";c"}));
    EXPECT_EQ(Saved(*Load("[Empty]")), Crlf({"[Empty]", ""}));
    EXPECT_EQ(Saved(*Load("only\r\n\r\nleading")), Crlf({"only", "leading", ""}));
    EXPECT_EQ(Saved(*Load("\r\n\n")), "") << "an empty document is an empty file";
}

TEST_F(SaveTest, SaveAlwaysWritesAndClearsModified)
{
    auto ini = Load("[A]\nk=1\n");
    dir.Write("SETUP.INI", std::string("changed elsewhere"));
    EXPECT_EQ(Saved(*ini), Crlf({"[A]", "k=1", ""})) << "an unmodified document is written too";
    ini->WriteText("A", "k", "2");
    ini->SaveFile();
    EXPECT_FALSE(ini->IsModified());
    EXPECT_EQ(dir.List(), (std::vector<std::string>{"SETUP.INI"})) << "no temporary file is left";
}

TEST_F(SaveTest, SavingCreatesAMissingFile)
{
    TLumMemIniFile ini(dir.File("new.ini"));
    ini.WriteNumber("S", "Size", 5);
    ini.SaveFile();
    EXPECT_EQ(dir.Read("new.ini"), Crlf({"[S]", "Size=5", ""}));
}

TEST_F(SaveTest, TheDestructorSavesOnlyAModifiedDocument)
{
    Load("[A]\nk=1\n")->WriteText("A", "k", "2");
    EXPECT_EQ(dir.Read("SETUP.INI"), Crlf({"[A]", "k=2", ""}));

    auto unchanged = Load("[A]\nk=1\n");
    unchanged->ReadText("A", "k", "");
    dir.Write("SETUP.INI", std::string("changed elsewhere"));
    unchanged.reset();
    EXPECT_EQ(dir.Read("SETUP.INI"), "changed elsewhere");

    auto discarded = Load("[A]\nk=1\n");
    discarded->WriteText("A", "k", "3");
    discarded->DiscardChanges();
    EXPECT_FALSE(discarded->IsModified());
    discarded.reset();
    EXPECT_EQ(dir.Read("SETUP.INI"), "[A]\nk=1\n") << "discarded changes are never written";
}

// The non-empty lines of a text, split by the line-end rules.
std::vector<std::string> ContentLines(const std::string& bytes)
{
    std::vector<std::string> lines;
    std::string line;
    for (size_t i = 0; i <= bytes.size(); ++i) {
        bool end = i == bytes.size() || bytes[i] == '\r' || bytes[i] == '\n';
        if (!end) {
            line += bytes[i];
            continue;
        }
        if (!line.empty())
            lines.push_back(line);
        line.clear();
        if (i + 1 < bytes.size() && bytes[i] == '\r' && bytes[i + 1] == '\n')
            ++i;
    }
    return lines;
}

TEST_F(SaveTest, GeneratedFilesKeepTheirContentAndSettleAfterOneSave)
{
    const char* pieces[] = {"[", "]", ";", "=", " ", "\r", "\n", "\r\n", "a", "K", "\xE9",
                            "[A]\n", "[a]\r\n", ";c\n", "x=1\n", "\n\n", "[]\r", "; ", "=v"};
    std::mt19937 random(20240611);
    std::uniform_int_distribution<size_t> pick(0, std::size(pieces) - 1);
    std::uniform_int_distribution<int> length(0, 60);
    for (int file = 0; file < 100; ++file) {
        std::string input;
        for (int n = length(random); n > 0; --n)
            input += pieces[pick(random)];
        std::string once = Saved(*Load(input));
        std::string twice = Saved(*Load(once));
        ASSERT_EQ(once, twice) << "input: " << ::testing::PrintToString(input);
        ASSERT_EQ(ContentLines(once), ContentLines(input)) << ::testing::PrintToString(input);
        std::string unended;
        for (size_t i = 0; i < once.size(); ++i)
            if (once.compare(i, 2, "\r\n") == 0)
                ++i;
            else
                unended += once[i];
        ASSERT_EQ(unended.find_first_of("\r\n"), std::string::npos) << ::testing::PrintToString(once);
        ASSERT_TRUE(once.empty() || once.ends_with("\r\n"));
    }
}

}  // namespace
}  // namespace pk::testing
