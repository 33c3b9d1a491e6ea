// The reader's entry table: data order whatever order the entries arrive in, duplicates
// refused as they are added, names answered by their leaf.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "zipreader/EntryTable.h"

namespace pk {
namespace {

using TNameForm = TEntryTable::TNameForm;

uint64_t Key(uint64_t offset, uint32_t disk = 0)
{
    return TEntryTable::KeyOf(disk, offset);
}

std::vector<std::string> Names(const TEntryTable& table)
{
    std::vector<std::string> names;
    for (size_t i = 0; i < table.Count(); ++i)
        names.emplace_back(table.LeafName(i));
    return names;
}

TEST(EntryTableTest, DataOrderIsDiskThenOffsetComparedAsUnsigned)
{
    TEntryTable table;
    table.Add(Key(10, 1), 1, "d1a", TNameForm::Leaf);
    table.Add(Key(300), 2, "d0c", TNameForm::Leaf);
    table.Add(Key(0x80000000u), 3, "d0-2g", TNameForm::Leaf);
    table.Add(Key(0), 4, "d0a", TNameForm::Leaf);
    table.Add(Key(0, 2), 5, "d2a", TNameForm::Leaf);
    table.Add(Key(0xFFFFFFFFu), 6, "d0-4g", TNameForm::Leaf);
    table.Add(Key(0x100000000ull), 0x100000000ull, "d0-zip64", TNameForm::Leaf);
    table.Add(Key(0, 0x10000), 8, "d65536", TNameForm::Leaf);
    table.Finish();
    EXPECT_EQ(Names(table), (std::vector<std::string>{"d0a", "d0c", "d0-2g", "d0-4g", "d0-zip64", "d1a", "d2a", "d65536"}));
    EXPECT_EQ(table.UncompressedSize(0), 4u);
    EXPECT_EQ(table.UncompressedSize(4), 0x100000000ull);
    EXPECT_FALSE(table.Add(Key(~uint64_t{0}, ~uint32_t{0}), 0, "beyond", TNameForm::Leaf) &&
                 table.Add(Key(uint64_t{1} << 60, 0x20000), 0, "beyond too", TNameForm::Leaf))
        << "places beyond any file share the last key";
}

TEST(EntryTableTest, ADuplicateIsRefusedInEveryArrivalOrder)
{
    std::vector<uint32_t> rising(200);
    std::iota(rising.begin(), rising.end(), 0);
    std::vector<uint32_t> falling(rising.rbegin(), rising.rend());
    std::vector<uint32_t> shuffled = rising;
    std::shuffle(shuffled.begin(), shuffled.end(), std::mt19937(7));
    for (const auto* offsets : {&rising, &falling, &shuffled}) {
        TEntryTable table;
        for (uint32_t offset : *offsets)
            ASSERT_TRUE(table.Add(Key(offset * 10), offset * 10, "n", TNameForm::Leaf));
        for (uint32_t offset : {0u, 990u, 1990u, 450u})
            EXPECT_FALSE(table.Add(Key(offset), 0, "dup", TNameForm::Leaf)) << offset;
        EXPECT_TRUE(table.Add(Key(5), 5, "new", TNameForm::Leaf));
        table.Finish();
        ASSERT_EQ(table.Count(), 201u);
        for (size_t i = 1; i < table.Count(); ++i)
            EXPECT_LT(table.UncompressedSize(i - 1), table.UncompressedSize(i)) << "sizes follow the offsets here";
        EXPECT_EQ(table.Find(Key(5)).value_or(999), 1u);
        EXPECT_EQ(table.Find(Key(1990)).value_or(999), 200u);
        EXPECT_FALSE(table.Find(Key(6)));
    }
}

TEST(EntryTableTest, APathGivesItsLeafAndAReplacedRowItsNewName)
{
    TEntryTable table;
    table.Add(Key(0), 1, "dir/sub\\file.txt", TNameForm::AsciiPath);
    table.Add(Key(1), 2, "c:x.txt", TNameForm::AsciiPath);
    table.Add(Key(2), 3, "sub/", TNameForm::AsciiPath);
    table.Add(Key(3), 4, "a/b:c\\", TNameForm::Leaf);
    table.Finish();
    EXPECT_EQ(Names(table), (std::vector<std::string>{"file.txt", "x.txt", "", "a/b:c\\"}));
    table.Replace(1, 9, "other/y.txt", TNameForm::AsciiPath);
    EXPECT_EQ(table.LeafName(1), "y.txt");
    EXPECT_EQ(table.UncompressedSize(1), 9u);
    EXPECT_EQ(table.LeafName(0), "file.txt");
}

TEST(EntryTableTest, TheLeafFollowsTheLastSeparatorWhereverItFalls)
{
    // Every length up to a few words, the last separator at every place with another before
    // it, and bytes around that lie next to a separator's.
    const std::string filler = ".0[];9";
    for (size_t length = 0; length <= 26; ++length) {
        for (size_t at = 0; at <= length; ++at) {
            for (char separator : {'/', '\\', ':'}) {
                std::string path(length, ' ');
                for (size_t i = 0; i < length; ++i)
                    path[i] = filler[(i + length) % filler.size()];
                if (at < length) {
                    path[at] = separator;
                    path[at / 2] = '/';
                }
                size_t start = path.find_last_of("/\\:");
                const std::string expected = start == std::string::npos ? path : path.substr(start + 1);
                EXPECT_EQ(LeafOf(path, TNameForm::AsciiPath), expected) << path;
            }
        }
    }
}

}  // namespace
}  // namespace pk
