#include <gtest/gtest.h>

#include "measure/Masks.h"
#include "measure/PackSet.h"
#include "platform/Exceptions.h"
#include "platform/Paths.h"
#include "tests/support/PackFiles.h"
#include "tests/support/RecordingUserInterface.h"
#include "tests/support/TempDir.h"

namespace pk {
namespace {

using testing::WrpFile;
using testing::ZipArchive;

TEST(SplitListTest, SeparatorsFollowTheListRules)
{
    using V = std::vector<std::string>;
    EXPECT_EQ(SplitList(""), V{});
    EXPECT_EQ(SplitList("A"), V{"A"});
    EXPECT_EQ(SplitList("A;B"), (V{"A", "B"}));
    EXPECT_EQ(SplitList("A;"), V{"A"}) << "a trailing separator adds nothing";
    EXPECT_EQ(SplitList(";A"), (V{"", "A"}));
    EXPECT_EQ(SplitList("A;;B"), (V{"A", "", "B"}));
    EXPECT_EQ(SplitList("A; B "), (V{"A", " B "})) << "nothing is trimmed";
    EXPECT_EQ(SplitList(";"), V{""});
}

// Pack files live in a temporary PACKFILES folder.
class PackSetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir.Write("A.WRP", WrpFile({{1000, "aa"}, {234, "b"}}));
        dir.Write("B.ZIP", ZipArchive({{"SETUP.EXE", 5000}, {"README.TXT", 70}, {"sub/TOOL.EXE", 300}}));
    }
    int32_t ComputePackSize(const std::string& packSet, const std::string& masks)
    {
        return pk::ComputePackSize(dir.Path(), packSet, masks);
    }

    testing::TTempDir dir;
    testing::TRecordingUserInterface ui;
};

TEST_F(PackSetTest, MixedSetsSumBlockFilesAndMatchingZipEntries)
{
    EXPECT_EQ(ComputePackSize("A.WRP;B.ZIP", "*.EXE"), 1234 + 5000 + 300);
    EXPECT_EQ(ComputePackSize("B.ZIP", "*.TXT;*.EXE"), 5370);
    EXPECT_EQ(ComputePackSize("A.WRP;", "*.EXE"), 1234);
    EXPECT_EQ(ComputePackSize("B.ZIP", ""), 5370) << "an empty mask list means *.*";
    EXPECT_EQ(ComputePackSize("B.ZIP", "*,*"), 0) << "the default of a missing Files key";
    EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(PackSetTest, OnlyTheUpperCaseExtensionMarksABlockFile)
{
    dir.Write("a.wrp", WrpFile({{1000, "aa"}}));
    EXPECT_EQ(ComputePackSize("a.wrp", "*.*"), 0) << "read as a ZIP archive without an end record";
}

TEST_F(PackSetTest, AnEmptySetOpensNothing)
{
    EXPECT_EQ(ComputePackSize("", "["), 0);
    EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(PackSetTest, TheFirstFailureEndsTheSet)
{
    EXPECT_EQ(ComputePackSize("A.WRP; B.WRP", "*.*"), -1) << "names are not trimmed";
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].text, "PACKFile \"" + paths::AddPath(dir.Path(), " B.WRP") + "\" does not exist");

    EXPECT_EQ(ComputePackSize("GONE.WRP;ALSO.WRP", "*.*"), -1);
    ASSERT_EQ(ui.boxes.size(), 2u) << "the second file is never looked at";
}

TEST_F(PackSetTest, ZipFailuresAreRaisedNotCounted)
{
    EXPECT_THROW(ComputePackSize("A.WRP;MISSING.ZIP", "*.*"), EFOpenError);
    EXPECT_THROW(ComputePackSize("B.ZIP", "[x"), EMaskException);
}

TEST_F(PackSetTest, TheSumOfTheSetStaysInTheSignedRange)
{
    dir.Write("BIG.ZIP", ZipArchive({{"A.DAT", 2147483000u}}));
    EXPECT_EQ(ComputePackSize("BIG.ZIP", "*.*"), 2147483000);
    EXPECT_THROW(ComputePackSize("BIG.ZIP;A.WRP", "*.*"), EIntOverflow);
}

}  // namespace
}  // namespace pk
