// Finding, changing and removing sections and keys, and when the document counts as modified.
#include "tests/inifile/IniTestSupport.h"

namespace pk::testing {
namespace {

using TStrings = std::vector<std::string>;
using LookupTest = IniFileTest;

TEST_F(LookupTest, KeysMatchWholeTextBeforeTheFirstEqualsIgnoringCase)
{
    auto ini = Load("[Opt1]\nsize=5\nSize = 7\nK=a=b\nE=\nNoEquals\n =x\n");
    EXPECT_EQ(ini->ReadText("OPT1", "Size", "d"), "5");
    EXPECT_EQ(ini->ReadText("opt1", "Size ", "d"), " 7") << "blanks are part of the key and the value";
    EXPECT_EQ(ini->ReadText("Opt1", "k", "d"), "a=b");
    EXPECT_EQ(ini->ReadText("Opt1", "E", "d"), "") << "an empty value is not missing";
    EXPECT_EQ(ini->ReadText("Opt1", "NoEquals", "d"), "d");
    EXPECT_EQ(ini->ReadText("Opt1", "", "d"), "d");
    EXPECT_EQ(ini->ReadText("Opt1", " ", "d"), "x");
    EXPECT_EQ(ini->ReadText("Opt2", "Size", "d"), "d");
}

TEST_F(LookupTest, WriteTextReplacesInPlaceWithTheCallersSpelling)
{
    auto ini = Load("[A]\nPackFile=x\nother=1\n");
    ini->WriteText("a", "Packfile", "y");
    EXPECT_EQ(Lines(*ini, "A"), (TStrings{"Packfile=y", "other=1"}));
    EXPECT_EQ(Sections(*ini), (TStrings{"A"}));
}

TEST_F(LookupTest, WriteTextAppendsAfterTheLastLineOrAddsTheSectionAtTheEnd)
{
    auto ini = Load("[A]\nx=1\n;note\n[B]\ny=2\n");
    ini->WriteText("A", "k", "v");
    ini->WriteText("New", "Size", "0");
    EXPECT_EQ(ini->RenderLines(),
              (TStrings{"[A]", "x=1", ";note", "k=v", "", "[B]", "y=2", "", "[New]", "Size=0", ""}));
}

TEST_F(LookupTest, HasSectionNeedsAStoredLineInTheFirstNamesake)
{
    auto ini = Load("[Empty]\n[Comment]\n;only\n[Dup]\n[Dup]\nk=1\n");
    EXPECT_FALSE(ini->HasSection("Empty"));
    EXPECT_TRUE(ini->HasSection("comment"));
    EXPECT_FALSE(ini->HasSection("Dup"));
    EXPECT_FALSE(ini->HasSection("Missing"));
    std::vector<std::string> keys{"stale"};
    ini->ListKeys("Comment", keys);
    EXPECT_EQ(keys, (TStrings{""})) << "a line without = lists as an empty key";
    ini->ListKeys("Missing", keys);
    EXPECT_TRUE(keys.empty());
}

TEST_F(LookupTest, ChangesSetModifiedOnlyWhereTheyShould)
{
    auto ini = Load("[A]\nk=1\n[B]\nm=2\n");
    ini->RemoveSection("Missing");
    ini->RemoveKey("Missing", "k");
    EXPECT_FALSE(ini->IsModified()) << "nothing to remove";

    ini->RemoveKey("A", "absent");
    EXPECT_TRUE(ini->IsModified()) << "a present section counts even without the key";

    auto again = Load("[A]\nk=1\n[B]\nm=2\n");
    again->WriteText("A", "k", "1");
    EXPECT_TRUE(again->IsModified()) << "writing the same text still counts";

    again->RemoveKey("a", "K");
    again->RemoveSection("b");
    EXPECT_EQ(again->RenderLines(), (TStrings{"[A]", ""}));
}

TEST_F(LookupTest, ManySectionsEachAnswerWithTheirFirstNamesake)
{
    std::string text;
    for (int i = 0; i < 300; ++i)
        text += "[Opt" + std::to_string(i) + "]\nk=" + std::to_string(i) + "\n";
    for (int i = 0; i < 300; i += 7)
        text += "[OPT" + std::to_string(i) + "]\nk=late\nm=late\n";
    auto ini = Load(text);
    for (int i = 0; i < 300; ++i)
        ASSERT_EQ(ini->ReadText("opt" + std::to_string(i), "K", "-"), std::to_string(i)) << i;
    EXPECT_EQ(ini->ReadText("Opt7", "m", "-"), "-") << "the later namesake is not consulted";
    EXPECT_EQ(ini->ReadText("Opt300", "k", "-"), "-");

    ini->WriteText("Opt300", "k", "new");
    ini->WriteText("opt300", "m", "again");
    EXPECT_EQ(Lines(*ini, "OPT300"), (TStrings{"k=new", "m=again"})) << "an added section is found at once";
}

TEST_F(LookupTest, RemovingASectionLetsItsNextNamesakeAnswer)
{
    auto ini = Load("[A]\nk=1\n[B]\nk=b\n[a]\nk=2\n[C]\nk=c\n");
    ini->RemoveSection("a");
    EXPECT_EQ(ini->ReadText("A", "k", "-"), "2");
    EXPECT_EQ(ini->ReadText("C", "k", "-"), "c") << "later sections moved down";
    ini->RemoveSection("A");
    EXPECT_EQ(ini->ReadText("A", "k", "-"), "-");
    EXPECT_EQ(Sections(*ini), (TStrings{"B", "C"}));
}

TEST_F(LookupTest, LongLinesAndKeyRemovalKeepTheirNeighbours)
{
    std::string longValue(70000, 'v');
    auto ini = Load("[A]\nfirst=1\nlong=" + longValue + "\nlast=3\n");
    ini->RemoveKey("A", "first");
    ini->WriteText("A", "long", "short");
    ini->WriteText("A", "last", longValue);
    EXPECT_EQ(Lines(*ini, "A"), (TStrings{"long=short", "last=" + longValue}));
}

}  // namespace
}  // namespace pk::testing
