// The reader's entry table: data order whatever order the entries arrive in, duplicates
// found as the rows are put in it, names answered by their leaf.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "zipreader/EntryTable.h"

namespace pk {
namespace {

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
    EXPECT_TRUE(table.SortByKey());
    EXPECT_EQ(Names(table), (std::vector<std::string>{"d0a", "d0c", "d0-2g", "d0-4g", "d0-zip64", "d1a", "d2a", "d65536"}));
    EXPECT_EQ(table.UncompressedSize(0), 4u);
    EXPECT_EQ(table.UncompressedSize(4), 0x100000000ull);
    EXPECT_EQ(TEntryTable::KeyOf(~uint32_t{0}, ~uint64_t{0}), TEntryTable::KeyOf(0x20000, uint64_t{1} << 60))
        << "places beyond any file share the last key";
}

TEST(EntryTableTest, ADuplicateIsFoundInEveryArrivalOrder)
{
    std::vector<uint32_t> rising(200);
    std::iota(rising.begin(), rising.end(), 0);
    std::vector<uint32_t> falling(rising.rbegin(), rising.rend());
    std::vector<uint32_t> shuffled = rising;
    std::shuffle(shuffled.begin(), shuffled.end(), std::mt19937(7));
    for (const auto* offsets : {&rising, &falling, &shuffled}) {
        TEntryTable table;
        for (uint32_t offset : *offsets)
            table.Add(Key(offset * 10), offset * 10, "n", TNameForm::Leaf);
        table.Add(Key(5), 5, "new", TNameForm::Leaf);
        ASSERT_TRUE(table.SortByKey());
        ASSERT_EQ(table.Count(), 201u);
        for (size_t i = 1; i < table.Count(); ++i)
            EXPECT_LT(table.UncompressedSize(i - 1), table.UncompressedSize(i)) << "sizes follow the offsets here";
        EXPECT_EQ(table.Find(Key(5)).value_or(999), 1u);
        EXPECT_EQ(table.Find(Key(1990)).value_or(999), 200u);
        EXPECT_FALSE(table.Find(Key(6)));
        for (uint32_t offset : {0u, 1990u, 450u}) {
            TEntryTable twice;
            for (uint32_t o : *offsets)
                twice.Add(Key(o * 10), 0, "n", TNameForm::Leaf);
            twice.Add(Key(offset), 0, "dup", TNameForm::Leaf);
            EXPECT_FALSE(twice.SortByKey()) << offset;
        }
    }
}

TEST(EntryTableTest, APathGivesItsLeafAndAReplacedRowItsNewName)
{
    TEntryTable table;
    table.Add(Key(0), 1, "dir/sub\\file.txt", TNameForm::Path);
    table.Add(Key(1), 2, "c:x.txt", TNameForm::Path);
    table.Add(Key(2), 3, "sub/", TNameForm::Path);
    table.Add(Key(3), 4, "a/b:c\\", TNameForm::Leaf);
    EXPECT_EQ(Names(table), (std::vector<std::string>{"file.txt", "x.txt", "", "a/b:c\\"}));
    table.Replace(1, 9, "other/y.txt", TNameForm::Path);
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
                EXPECT_EQ(LeafOf(path, TNameForm::Path), expected) << path;
            }
        }
    }
}

}  // namespace
}  // namespace pk
