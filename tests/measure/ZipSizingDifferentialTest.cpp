// The program's ZIP sizing against the plain reference on generated archives, sound and
// damaged: the same size, or the same error with the same message, every time.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "tests/measure/ReferenceZipSizing.h"
#include "tests/support/RecordingUserInterface.h"
#include "tests/support/TempDir.h"
#include "tests/support/ZipBuilder.h"

namespace pk::testing {
namespace {

const std::vector<std::vector<std::string>> kMaskLists = {
    {"*"}, {"*.txt", "*.dll", "*.hlp"}, {"*.TXT"}, {"[a-m]*", "?"}, {"*.txt", "["}, {"["}, {"", "*\\*"}, {},
};

const std::vector<std::string> kNames = {
    "a.txt", "dir/b.txt", "dir\\sub/c.dll", "c:d.hlp", "sub/", "", "x", "n\x82me.txt", "\x81\\x.txt",
    std::string("nul\0.txt", 8), "long/" + std::string(300, 'q') + ".txt", "e:/f:g.hlp",
};

class TArchiveMaker {
public:
    explicit TArchiveMaker(unsigned seed) : random(seed) {}

    std::string Make()
    {
        TZipBuilder builder;
        size_t count = Pick(12);
        for (size_t i = 0; i < count; ++i) {
            const std::string& name = kNames[Pick(kNames.size())];
            TZipEntry entry(name, std::string(Pick(40), 'd'));
            if (Chance(4))
                entry.Size(Chance(2) ? 0x80000000u + static_cast<uint32_t>(Pick(1000)) : 0x7FFFFF00u);
            if (Chance(3))
                entry.MadeBy(0x0314);
            if (Chance(6))
                entry.CentralExtra(std::string(Pick(30), 'e'));
            if (Chance(10))
                entry.AnnouncedCentralExtra(static_cast<uint16_t>(Pick(20)));
            if (Chance(8))
                entry.Comment("note");
            if (i > 0 && Chance(10))
                entry.PointsTo(0);  // names the first local header a second time
            builder.Add(entry);
        }
        std::vector<size_t> order(count);
        std::iota(order.begin(), order.end(), 0);
        if (Chance(3))
            std::reverse(order.begin(), order.end());
        else if (Chance(2))
            std::shuffle(order.begin(), order.end(), random);
        builder.CentralOrder(order);
        std::string bytes = builder.Build().bytes;
        for (size_t flips = Chance(3) ? Pick(4) : 0; flips > 0 && !bytes.empty(); --flips)
            bytes[Pick(bytes.size())] = static_cast<char>(Pick(256));
        if (Chance(10) && !bytes.empty())
            bytes.resize(Pick(bytes.size()));
        return bytes;
    }

private:
    size_t Pick(size_t below) { return below ? std::uniform_int_distribution<size_t>(0, below - 1)(random) : 0; }
    bool Chance(size_t oneIn) { return Pick(oneIn) == 0; }

    std::mt19937 random;
};

TEST(ZipSizingDifferentialTest, GeneratedArchivesMeasureAsTheReferenceMeasuresThem)
{
    TTempDir dir;
    TRecordingUserInterface ui;
    const std::string path = dir.File("gen.zip");
    TArchiveMaker maker(20261208);
    int errors = 0;
    for (int round = 0; round < 1500; ++round) {
        dir.Write("gen.zip", maker.Make());
        for (const auto& masks : kMaskLists) {
            std::string expected = ReferenceZipSizing(path, masks);
            ASSERT_EQ(ProgramZipSizing(path, masks), expected) << "round " << round;
            errors += !expected.empty() && !std::isdigit(static_cast<unsigned char>(expected[0]));
        }
    }
    EXPECT_GT(errors, 0) << "the generated archives should reach the error paths too";
}

}  // namespace
}  // namespace pk::testing
