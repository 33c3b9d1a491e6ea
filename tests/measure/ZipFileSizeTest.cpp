#include <gtest/gtest.h>

#include <optional>

#include "measure/Masks.h"
#include "measure/ZipFileSize.h"
#include "platform/Exceptions.h"
#include "platform/TextServices.h"
#include "tests/zipreader/ReaderFixture.h"

namespace pk::testing {
namespace {

class ZipFileSizeTest : public ReaderTest {
protected:
    int32_t Measure(const TBuiltZip& zip, const std::vector<std::string>& masks)
    {
        dir.Write("m.zip", zip.bytes);
        return ZipFileSize(dir.File("m.zip"), masks);
    }
};

TZipBuilder Mixed()
{
    return TZipBuilder()
        .Add(TZipEntry("readme.txt", "0123456789"))
        .Add(TZipEntry("sub/dir/file.txt", "abc").Size(1000))
        .Add(TZipEntry("sub/", "").Size(7))
        .Add(TZipEntry("c:x.txt", "").Size(50000))
        .Add(TZipEntry("sub/data.bin", "").Size(300));
}

TEST_F(ZipFileSizeTest, SumsTheEntriesWhoseLeafNameMatches)
{
    EXPECT_EQ(Measure(Mixed().Build(), {"*.txt"}), 10 + 1000 + 50000);
    EXPECT_EQ(Measure(Mixed().Build(), {"file.txt"}), 1000) << "the directory is not part of the name";
    EXPECT_EQ(Measure(Mixed().Build(), {"x.txt"}), 50000) << "a drive prefix is not part of the name";
    EXPECT_EQ(Measure(Mixed().Build(), {"sub*"}), 0);
    EXPECT_EQ(Measure(Mixed().Build(), {"*.bin", "readme.*"}), 300 + 10);
    EXPECT_EQ(Measure(Mixed().Build(), {"*"}), 10 + 1000 + 7 + 50000 + 300) << "a directory entry counts too";
    EXPECT_EQ(Measure(Mixed().Build(), {""}), 7) << "only the directory entry has the empty name";
    EXPECT_EQ(Measure(Mixed().Build(), {}), 0);
    EXPECT_EQ(Measure(Mixed().CentralOrder({4, 3, 2, 1, 0}).Build(), {"*"}), 51317);
}

TEST_F(ZipFileSizeTest, EqualNamesAllCount)
{
    TBuiltZip zip = TZipBuilder().Add(TZipEntry("a/same.txt", "12")).Add(TZipEntry("b/same.txt", "345")).Build();
    EXPECT_EQ(Measure(zip, {"same.txt"}), 5);
}

TEST_F(ZipFileSizeTest, MatchesOemNamesAfterConversion)
{
    std::string oem = "\x82t\x82.txt";
    std::string ansi = oem;
    platform::OemToAnsi(ansi);
    TBuiltZip zip = TZipBuilder()
                       .Add(TZipEntry(oem, "dos").Size(3))
                       .Add(TZipEntry(oem, "unix").Size(40).MadeBy(0x0314))
                       .Build();
    EXPECT_EQ(Measure(zip, {ansi}), 3);
    EXPECT_EQ(Measure(zip, {oem}), 40);
}

TEST_F(ZipFileSizeTest, TheTotalStaysWithinTheSignedRange)
{
    TBuiltZip exact = TZipBuilder()
                         .Add(TZipEntry("a").Size(0x7FFFFFFFu - 5))
                         .Add(TZipEntry("b").Size(5))
                         .Build();
    EXPECT_EQ(Measure(exact, {"*"}), INT32_MAX);

    TBuiltZip over = TZipBuilder().Add(TZipEntry("a").Size(0x7FFFFFFFu)).Add(TZipEntry("b").Size(1)).Build();
    try {
        Measure(over, {"*"});
        FAIL() << "a total above the signed range was returned";
    } catch (const ERangeError& e) {
        EXPECT_STREQ(e.what(), "Range check error");
    }
    EXPECT_EQ(Measure(over, {"a"}), INT32_MAX);
}

TEST_F(ZipFileSizeTest, SizesOf2GBAndMoreCountAsNegative)
{
    // 0xFFFFFF00 is -256: it lowers the total.
    TBuiltZip lowers = TZipBuilder().Add(TZipEntry("a").Size(1000)).Add(TZipEntry("b").Size(0xFFFFFF00u)).Build();
    EXPECT_EQ(Measure(lowers, {"*"}), 744);
    TBuiltZip below = TZipBuilder().Add(TZipEntry("a").Size(0xFFFFFF00u)).Add(TZipEntry("b").Size(1000)).Build();
    EXPECT_THROW(Measure(below, {"*"}), ERangeError) << "the running total may not drop below 0";
    // Two large sizes pass 2 GB on the way and come back under it.
    TBuiltZip back = TZipBuilder()
                        .Add(TZipEntry("a").Size(0x7FFFFFFFu))
                        .Add(TZipEntry("b").Size(0x7FFFFFFFu))
                        .Add(TZipEntry("c").Size(0x80000001u))
                        .Build();
    EXPECT_EQ(Measure(back, {"*"}), INT32_MAX);
}

TEST_F(ZipFileSizeTest, TheRunningTotalFollowsTheDataOrderWhateverTheDirectoryLists)
{
    // Sizes in data order, each with what its running total gives: a total, or a range error.
    struct TCase {
        std::vector<uint32_t> sizes;
        std::optional<int32_t> total;
    };
    const std::vector<TCase> cases = {
        {{1000, 0xFFFFFF00u}, 744},                    // -256 after 1000
        {{0xFFFFFF00u, 1000}, std::nullopt},           // below 0 on the way
        {{0x7FFFFFFFu, 0x7FFFFFFFu, 0x80000001u}, INT32_MAX},  // above 2 GB on the way, back under it
        {{0x7FFFFFFFu, 0x7FFFFFFFu, 2, 0x80000001u, 0x80000000u}, std::nullopt},  // above 4 GB on the way
        {{0x7FFFFFFFu, 1}, std::nullopt},              // ends above the signed range
        {{5, 0xFFFFFFFBu, 0xFFFFFFFFu, 1}, std::nullopt},
        {{5, 0xFFFFFFFBu, 1, 0xFFFFFFFFu}, 0},
    };
    for (const TCase& c : cases) {
        const size_t n = c.sizes.size();
        std::vector<std::vector<size_t>> orders = {{}, {}, {}};
        for (size_t i = 0; i < n; ++i) {
            orders[0].push_back(i);
            orders[1].push_back(n - 1 - i);
            orders[2].push_back((i + 1) % n);  // neither way round
        }
        for (const auto& order : orders) {
            TZipBuilder builder;
            for (size_t i = 0; i < n; ++i)
                builder.Add(TZipEntry("f" + std::to_string(i)).Size(c.sizes[i]));
            const TBuiltZip zip = builder.CentralOrder(order).Build();
            const std::string where = "sizes[0] " + std::to_string(c.sizes[0]) + ", listed from " +
                                      std::to_string(order[0]);
            if (c.total)
                EXPECT_EQ(Measure(zip, {"*"}), *c.total) << where;
            else
                EXPECT_THROW(Measure(zip, {"*"}), ERangeError) << where;
        }
    }
}

TEST_F(ZipFileSizeTest, InvalidMasksFailOnlyWhenANameIsTestedAgainstThem)
{
    EXPECT_EQ(Measure(TZipBuilder().Build(), {"["}), 0) << "no entries, no test";
    EXPECT_EQ(Measure(Mixed().Build(), {"*", "["}), 51317) << "every name matched before the bad mask";
    try {
        Measure(Mixed().Build(), {"*.txt", "["});
        FAIL() << "an invalid mask passed";
    } catch (const EMaskException& e) {
        EXPECT_STREQ(e.what(), "'[' is an invalid mask at (2)");
    }
}

TEST_F(ZipFileSizeTest, FailuresTravelToTheCaller)
{
    EXPECT_EQ(Measure(TBuiltZip{"not an archive", {}, 0, 0}, {"*"}), 0);
    EXPECT_THROW(ZipFileSize(dir.Path(), {"*"}), EFOpenError);
    EXPECT_THROW(ZipFileSize(dir.File("missing.zip"), {"*"}), EFOpenError);
    TBuiltZip damaged = TZipBuilder().Add(TZipEntry("a", "1")).End(TEndRecord().DirOffset(7)).Build();
    damaged.bytes.replace(0, 4, "XXXX");
    EXPECT_THROW(Measure(damaged, {"*"}), EBadZipFile);
    ui.fileChoices.push_back(std::nullopt);
    EXPECT_THROW(ZipFileSize(dir.Path() + "\\?", {"*"}), EUserCanceled);
    EXPECT_EQ(ui.dialogs.size(), 1u);
}

}  // namespace
}  // namespace pk::testing
