#pragma once
// The owning, sorted list of directory entries. Items are kept in blocks of bounded size, so
// that inserting at any place costs a short move instead of shifting the whole list; a
// directory of 65,535 entries loads fast in any order.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

#include "platform/Exceptions.h"
#include "zipreader/ZipRecords.h"

namespace pk {

// A growable array of owned items with index access.
template <class T>
class TObjectList {
public:
    TObjectList() = default;
    virtual ~TObjectList() = default;
    TObjectList(const TObjectList&) = delete;
    TObjectList& operator=(const TObjectList&) = delete;

    int32_t Count() const { return count; }
    T& Item(int32_t index) const
    {
        auto [block, offset] = Locate(index);
        return *blocks[block][offset];
    }
    // Inserts the item before the one at index (0 <= index <= Count) and takes it over.
    void InsertAt(int32_t index, std::unique_ptr<T> item);
    void Clear()
    {
        blocks.clear();
        blockStarts.clear();
        count = 0;
    }

protected:
    // Index of the first item for which below(item) is false, the list being ordered so that
    // below holds for a leading run of items. Searches the blocks first, then within one.
    template <class Below>
    int32_t FirstNotBelow(Below below) const;

private:
    static constexpr size_t kBlockSize = 128;

    // The block holding index, and the index within it; index == Count gives the end of the
    // last block.
    std::pair<size_t, size_t> Locate(int32_t index) const;

    std::vector<std::vector<std::unique_ptr<T>>> blocks;
    std::vector<int32_t> blockStarts;  // list index of each block's first item
    int32_t count = 0;
};

enum class TDuplicates : uint8_t { Ignore, Accept, Error };

// Keeps its items in the order of Compare, with a policy for items of equal keys.
template <class T>
class TSortedObjectList : public TObjectList<T> {
public:
    explicit TSortedObjectList(TDuplicates policy) : duplicates(policy) {}

    // Inserts the item at its sorted place. Under the error policy an equal key raises
    // EListError "Duplicate Object index"; under the ignore policy the item is dropped.
    virtual void Add(std::unique_ptr<T> item) { Insert(std::move(item)); }
    // Binary search: whether an item equal to key exists, and the first place not below it.
    virtual bool Find(const T& key, int32_t& index) const;

protected:
    virtual void Insert(std::unique_ptr<T> item);
    virtual const T& KeyOf(const T& item) const { return item; }
    virtual int Compare(const T& a, const T& b) const = 0;

private:
    TDuplicates duplicates;
};

// The entries of one archive in the order of their data: by disk, then by local header offset.
class TSortedEntries : public TSortedObjectList<TZipEntryInfo> {
public:
    explicit TSortedEntries(TDuplicates policy) : TSortedObjectList(policy) {}

protected:
    int Compare(const TZipEntryInfo& a, const TZipEntryInfo& b) const override;
};

template <class T>
std::pair<size_t, size_t> TObjectList<T>::Locate(int32_t index) const
{
    if (!blockStarts.empty() && index >= blockStarts.back())  // appending, or the last items
        return {blockStarts.size() - 1, static_cast<size_t>(index - blockStarts.back())};
    size_t block = 0;
    size_t low = 0, high = blockStarts.size();
    while (low < high) {  // the last block that starts at or before index
        size_t middle = (low + high) / 2;
        if (blockStarts[middle] <= index) {
            block = middle;
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    return {block, static_cast<size_t>(index - (blockStarts.empty() ? 0 : blockStarts[block]))};
}

template <class T>
void TObjectList<T>::InsertAt(int32_t index, std::unique_ptr<T> item)
{
    if (blocks.empty()) {
        blocks.emplace_back();
        blockStarts.push_back(0);
    }
    auto [block, offset] = Locate(index);
    auto& items = blocks[block];
    items.insert(items.begin() + static_cast<std::ptrdiff_t>(offset), std::move(item));
    for (size_t b = block + 1; b < blockStarts.size(); ++b)
        ++blockStarts[b];
    ++count;
    if (items.size() >= 2 * kBlockSize) {
        std::vector<std::unique_ptr<T>> upper(std::make_move_iterator(items.begin() + kBlockSize),
                                              std::make_move_iterator(items.end()));
        items.resize(kBlockSize);
        int32_t upperStart = blockStarts[block] + static_cast<int32_t>(kBlockSize);
        blocks.insert(blocks.begin() + static_cast<std::ptrdiff_t>(block) + 1, std::move(upper));
        blockStarts.insert(blockStarts.begin() + static_cast<std::ptrdiff_t>(block) + 1, upperStart);
    }
}

template <class T>
template <class Below>
int32_t TObjectList<T>::FirstNotBelow(Below below) const
{
    // Directories list their entries mostly in data order, or reversed: both ends first.
    if (count == 0 || below(*blocks.back().back()))
        return count;
    if (!below(*blocks.front().front()))
        return 0;
    // The first block whose last item is not below; the answer lies in it.
    size_t low = 0, high = blocks.size();
    while (low < high) {
        size_t middle = (low + high) / 2;
        if (below(*blocks[middle].back()))
            low = middle + 1;
        else
            high = middle;
    }
    if (low == blocks.size())
        return count;
    const auto& items = blocks[low];
    auto at = std::partition_point(items.begin(), items.end(), [&](const std::unique_ptr<T>& item) { return below(*item); });
    return blockStarts[low] + static_cast<int32_t>(at - items.begin());
}

// A binary search for the first item not below the key: in a list without equal keys that is
// the equal item itself, and among accepted equals the first of them.
template <class T>
bool TSortedObjectList<T>::Find(const T& key, int32_t& index) const
{
    index = this->FirstNotBelow([&](const T& item) { return Compare(KeyOf(item), key) < 0; });
    return index < this->Count() && Compare(KeyOf(this->Item(index)), key) == 0;
}

template <class T>
void TSortedObjectList<T>::Insert(std::unique_ptr<T> item)
{
    int32_t index;
    if (Find(KeyOf(*item), index)) {
        if (duplicates == TDuplicates::Ignore)
            return;
        if (duplicates == TDuplicates::Error)
            throw EListError("Duplicate Object index");
    }
    this->InsertAt(index, std::move(item));
}

}  // namespace pk
