#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

#include "platform/Exceptions.h"
#include "zipreader/SortedList.h"

namespace pk {
namespace {

std::unique_ptr<TZipEntryInfo> EntryAt(uint16_t disk, uint32_t offset, const std::string& name = "x")
{
    auto e = std::make_unique<TZipEntryInfo>();
    e->DiskNumberStart = disk;
    e->LocalHeaderOffset = offset;
    e->LeafName = name;
    return e;
}

std::vector<uint32_t> Offsets(const TSortedEntries& list)
{
    std::vector<uint32_t> offsets;
    for (int32_t i = 0; i < list.Count(); ++i)
        offsets.push_back(list.Item(i).LocalHeaderOffset);
    return offsets;
}

TEST(SortedEntriesTest, KeepsDataOrderByDiskThenOffset)
{
    TSortedEntries list(TDuplicates::Error);
    list.Add(EntryAt(1, 10, "d1a"));
    list.Add(EntryAt(0, 300, "d0c"));
    list.Add(EntryAt(0, 0, "d0a"));
    list.Add(EntryAt(2, 0, "d2a"));
    list.Add(EntryAt(0, 120, "d0b"));
    std::vector<std::string> names;
    for (int32_t i = 0; i < list.Count(); ++i)
        names.push_back(list.Item(i).LeafName);
    EXPECT_EQ(names, (std::vector<std::string>{"d0a", "d0b", "d0c", "d1a", "d2a"}));
}

TEST(SortedEntriesTest, ComparesOffsetsAsSignedNumbers)
{
    // Offsets of 2 GB and more are negative to the comparison and sort first.
    TSortedEntries list(TDuplicates::Error);
    list.Add(EntryAt(0, 5));
    list.Add(EntryAt(0, 0x80000000u));
    list.Add(EntryAt(0, 0xFFFFFFFFu));
    list.Add(EntryAt(0, 0x7FFFFFFFu));
    EXPECT_EQ(Offsets(list), (std::vector<uint32_t>{0x80000000u, 0xFFFFFFFFu, 5, 0x7FFFFFFFu}));
}

TEST(SortedEntriesTest, FindReportsPresenceAndPlace)
{
    TSortedEntries list(TDuplicates::Error);
    for (uint32_t offset : {10u, 20u, 30u})
        list.Add(EntryAt(0, offset));
    int32_t index = -1;
    EXPECT_TRUE(list.Find(*EntryAt(0, 20), index));
    EXPECT_EQ(index, 1);
    EXPECT_FALSE(list.Find(*EntryAt(0, 25), index));
    EXPECT_EQ(index, 2);
    EXPECT_FALSE(list.Find(*EntryAt(0, 5), index));
    EXPECT_EQ(index, 0);
    EXPECT_FALSE(list.Find(*EntryAt(0, 35), index));
    EXPECT_EQ(index, 3);
    EXPECT_FALSE(list.Find(*EntryAt(1, 10), index)) << "another disk is another key";
    EXPECT_EQ(index, 3);

    TSortedEntries empty(TDuplicates::Error);
    EXPECT_FALSE(empty.Find(*EntryAt(0, 0), index));
    EXPECT_EQ(index, 0);
}

TEST(SortedEntriesTest, DuplicatePolicies)
{
    TSortedEntries strict(TDuplicates::Error);
    strict.Add(EntryAt(0, 7, "first"));
    try {
        strict.Add(EntryAt(0, 7, "second"));
        FAIL() << "a duplicate key was accepted";
    } catch (const EListError& e) {
        EXPECT_STREQ(e.what(), "Duplicate Object index");
    }
    EXPECT_EQ(strict.Count(), 1);

    TSortedEntries lenient(TDuplicates::Ignore);
    lenient.Add(EntryAt(0, 7, "first"));
    lenient.Add(EntryAt(0, 7, "second"));
    ASSERT_EQ(lenient.Count(), 1);
    EXPECT_EQ(lenient.Item(0).LeafName, "first");

    // Accepted equals go in before the ones already there.
    TSortedEntries all(TDuplicates::Accept);
    all.Add(EntryAt(0, 9, "later"));
    all.Add(EntryAt(0, 7, "first"));
    all.Add(EntryAt(0, 7, "second"));
    ASSERT_EQ(all.Count(), 3);
    EXPECT_EQ(all.Item(0).LeafName, "second");
    EXPECT_EQ(all.Item(1).LeafName, "first");
    EXPECT_EQ(all.Item(2).LeafName, "later");
    int32_t index = -1;
    EXPECT_TRUE(all.Find(*EntryAt(0, 7), index));
    EXPECT_EQ(index, 0);
}

// Counts the items alive, to see that the list owns them.
struct TCounted {
    explicit TCounted(int k, int& alive) : key(k), live(alive) { ++live; }
    ~TCounted() { --live; }
    int key;
    int& live;
};

class TCountedList : public TSortedObjectList<TCounted> {
public:
    TCountedList() : TSortedObjectList(TDuplicates::Error) {}

protected:
    int Compare(const TCounted& a, const TCounted& b) const override { return a.key - b.key; }
};

TEST(SortedObjectListTest, OwnsItsItemsAndFreesRejectedOnes)
{
    int alive = 0;
    {
        TCountedList list;
        for (int k : {3, 1, 2})
            list.Add(std::make_unique<TCounted>(k, alive));
        EXPECT_THROW(list.Add(std::make_unique<TCounted>(2, alive)), EListError);
        EXPECT_EQ(alive, 3);
        list.Clear();
        EXPECT_EQ(alive, 0);
        list.Add(std::make_unique<TCounted>(5, alive));
    }
    EXPECT_EQ(alive, 0);
}

// The list keeps its items in blocks; every order of insertion must give the same sorted list.
TEST(SortedObjectListTest, LargeListsStaySortedInAnyInsertionOrder)
{
    constexpr uint32_t n = 5000;
    std::vector<uint32_t> keys(n);
    std::iota(keys.begin(), keys.end(), 0u);
    std::vector<std::vector<uint32_t>> orders{keys, {keys.rbegin(), keys.rend()}, keys};
    std::shuffle(orders[2].begin(), orders[2].end(), std::mt19937(42));
    for (const auto& order : orders) {
        TSortedEntries list(TDuplicates::Error);
        for (uint32_t k : order)
            list.Add(EntryAt(0, k * 3));
        ASSERT_EQ(list.Count(), static_cast<int32_t>(n));
        for (uint32_t i = 0; i < n; ++i)
            ASSERT_EQ(list.Item(static_cast<int32_t>(i)).LocalHeaderOffset, i * 3) << "at " << i;
        int32_t index = -1;
        EXPECT_TRUE(list.Find(*EntryAt(0, 2999 * 3), index));
        EXPECT_EQ(index, 2999);
        EXPECT_FALSE(list.Find(*EntryAt(0, 2999 * 3 + 1), index));
        EXPECT_EQ(index, 3000);
        EXPECT_THROW(list.Add(EntryAt(0, 1234 * 3)), EListError);
    }
}

}  // namespace
}  // namespace pk
