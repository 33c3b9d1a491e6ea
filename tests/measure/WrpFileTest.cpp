#include <gtest/gtest.h>

#include "measure/WrpFile.h"
#include "platform/Exceptions.h"
#include "platform/File.h"
#include "tests/support/FaultyFiles.h"
#include "tests/support/PackFiles.h"
#include "tests/support/RecordingUserInterface.h"
#include "tests/support/TempDir.h"

namespace pk {
namespace {

using testing::TWrpBlock;
using testing::WrpFile;
using testing::WrpHeader;

class WrpFileTest : public ::testing::Test {
protected:
    int32_t Measure(const std::string& bytes)
    {
        dir.Write("P.WRP", bytes);
        return PackFileSize(dir.File("P.WRP"));
    }
    std::string Quoted() const { return "\"" + dir.File("P.WRP") + "\""; }

    testing::TTempDir dir;
    testing::TRecordingUserInterface ui;
};

TEST_F(WrpFileTest, SumsTheUnpackedSizesOfAllBlocks)
{
    EXPECT_EQ(Measure(WrpFile({{100, "abc"}, {200, "defgh"}, {300, "i"}})), 600);
    EXPECT_EQ(Measure(WrpFile({{4096, std::string(50, 'x')}})), 4096) << "one block to the end";
    EXPECT_EQ(Measure(WrpFile({{65535, "x"}})), 65535);
    EXPECT_EQ(Measure(WrpFile({{0, ""}, {0, "q"}, {7, "rr"}})), 7) << "empty blocks walk on";
    EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(WrpFileTest, WhatIsReadAtTheEndOfTheFileIsNotCounted)
{
    EXPECT_EQ(Measure(WrpFile({{10, "ab"}}) + WrpHeader(0x57, 0, 999)), 10) << "a trailing header without data";
    EXPECT_EQ(Measure(WrpFile({{10, "ab"}}) + std::string(10, '\x57')), 10) << "a torn header at the very end";
    std::string cut = WrpFile({{10, "ab"}, {20, std::string(100, 'd')}});
    EXPECT_EQ(Measure(cut.substr(0, cut.size() - 40)), 30) << "cut inside a block's data: its header counts";
    EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(WrpFileTest, AForeignTagOrANegativeSizeEndsTheWalkAfterCountingIt)
{
    std::vector<TWrpBlock> blocks = {{1, "a"}, {2, "b"}, {4, "c"}, {8, "d"}, {16, "e"}};
    blocks[2].tag = 0x42;
    EXPECT_EQ(Measure(WrpFile(blocks)), 7) << "the third header has another tag";
    EXPECT_EQ(Measure(WrpFile({{5, "a"}, {-3, "b"}, {100, "c"}, {1, "d"}})), 2);
}

TEST_F(WrpFileTest, EmptyAndShortFiles)
{
    EXPECT_EQ(Measure(""), 0);
    EXPECT_TRUE(ui.boxes.empty());
    EXPECT_EQ(Measure(std::string(26, 'x')), -1);
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].text, "Error reading first block in packfile " + Quoted());
    EXPECT_EQ(ui.boxes[0].title, "Error");
}

TEST_F(WrpFileTest, TheFirstHeaderIsChecked)
{
    EXPECT_THROW(Measure(WrpFile({{70000, "x"}})), ERangeError);
    EXPECT_THROW(Measure(WrpFile({{-1, "x"}})), ERangeError);
    try {
        Measure(WrpFile({{65536, ""}}));
        ADD_FAILURE() << "a first block of 65536 bytes was measured";
    } catch (const ERangeError& e) {
        EXPECT_EQ(e.Message(), "Range check error");
    }
    TWrpBlock negativeLength{10, "x"};
    negativeLength.dataLength = -5;
    EXPECT_EQ(Measure(WrpFile({negativeLength})), -1);
    EXPECT_TRUE(ui.boxes.empty()) << "a negative first length fails silently";
}

TEST_F(WrpFileTest, ALaterNegativeLengthIsADamagedFileNotALoop)
{
    TWrpBlock back{20, "yy"};
    back.dataLength = -54;  // would lead back to the first header
    EXPECT_EQ(Measure(WrpFile({{10, "x"}, back, {30, "z"}})), -1);
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].text, "Error reading block in packfile " + Quoted());
}

TEST_F(WrpFileTest, ASumBeyondTheSignedRangeOverflows)
{
    EXPECT_THROW(Measure(WrpFile({{65535, "a"}, {2147483647, "b"}, {1, "c"}})), EIntOverflow);
}

TEST_F(WrpFileTest, MissingAndUnopenableFilesShowTheirBoxes)
{
    EXPECT_EQ(PackFileSize(dir.File("NONE.WRP")), -1);
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].text, "PACKFile \"" + dir.File("NONE.WRP") + "\" does not exist");

    dir.Write("P.WRP", WrpFile({{1, "a"}}));
    platform::TFile holder;
    holder.OpenRead(dir.File("P.WRP"), platform::TShare::Exclusive);
    EXPECT_EQ(PackFileSize(dir.File("P.WRP")), -1);
    ASSERT_EQ(ui.boxes.size(), 2u);
    const std::string prefix = "I/O error reading " + dir.File("P.WRP") + "   I/O errorcode:";
    ASSERT_EQ(ui.boxes[1].text.substr(0, prefix.size()), prefix);
    std::string code = ui.boxes[1].text.substr(prefix.size());
    EXPECT_FALSE(code.empty());
    EXPECT_EQ(code.find_first_not_of("0123456789"), std::string::npos) << code;
}

TEST_F(WrpFileTest, AReadFailureInsideAnOpenFileEndsThePass)
{
    dir.Write("P.WRP", WrpFile({{100, "abc"}, {200, "defgh"}, {300, "i"}}));
    for (int failing = 1; failing <= 3; ++failing) {
        testing::TFaultyFiles faults;
        faults.FailRead(failing, 5);
        try {
            PackFileSize(dir.File("P.WRP"));
            ADD_FAILURE() << "read " << failing << " failed unseen";
        } catch (const EInOutError& e) {
            EXPECT_EQ(e.ErrorCode(), 5u);
            EXPECT_EQ(e.Message(), platform::OsErrorText(5));
        }
        EXPECT_EQ(faults.Reads(), failing) << "no read after the failure";
    }
    EXPECT_TRUE(ui.boxes.empty()) << "raised, not shown";
}

}  // namespace
}  // namespace pk
