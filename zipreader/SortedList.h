#pragma once
// The owning, sorted list of directory entries. Items are kept in blocks of bounded size, so
// that inserting at any place costs a short move instead of shifting the whole list; a
// directory of 65,535 entries loads fast in any order.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "zipreader/ZipErrors.h"
#include "zipreader/ZipRecords.h"

namespace pk {

// A growable array of owned items with index access.
template <class T>
class TObjectList {
public:
    TObjectList() = default;
    virtual ~TObjectList() { Clear(); }
    TObjectList(const TObjectList&) = delete;
    TObjectList& operator=(const TObjectList&) = delete;

    int32_t Count() const { return count; }
    T& Item(int32_t index) const
    {
        TPlace place = PlaceOf(index);
        return *blocks[place.block][place.offset];
    }
    void Clear();

protected:
    // A position in the blocks; the end of the list is the end of the last block.
    struct TPlace {
        size_t block = 0;
        size_t offset = 0;
    };

    // The first place whose item is not below(item), the list being ordered so that below
    // holds for a leading run of items. Searches the blocks first, then within one.
    template <class Below>
    TPlace FirstNotBelow(Below below) const;
    // Inserts the item before the one at place and takes it over.
    void InsertAt(TPlace place, std::unique_ptr<T> item);
    int32_t IndexOf(TPlace place) const;
    bool AtEnd(TPlace place) const { return blocks.empty() || (place.block + 1 == blocks.size() && place.offset == blocks.back().size()); }
    T& ItemAt(TPlace place) const { return *blocks[place.block][place.offset]; }

private:
    static constexpr size_t kBlockSize = 128;  // a full block splits into two of this size

    TPlace PlaceOf(int32_t index) const;
    // Brings the block start indexes up to date; inserting only marks them stale, so that a
    // run of inserts at the front costs no renumbering.
    void UpdateStarts() const;

    std::vector<std::vector<T*>> blocks;  // owned items, as plain pointers so that moves are cheap
    mutable std::vector<int32_t> blockStarts;  // list index of each block's first item
    mutable size_t startsValid = 0;            // blocks before this one have valid starts
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
    // Binary search: whether an item equal to key exists, and the first index not below it
    // (in a list without equal keys, the equal item itself).
    virtual bool Find(const T& key, int32_t& index) const;

protected:
    virtual void Insert(std::unique_ptr<T> item);
    virtual const T& KeyOf(const T& item) const { return item; }
    virtual int Compare(const T& a, const T& b) const = 0;

private:
    typename TObjectList<T>::TPlace Search(const T& key, bool& found) const;

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
void TObjectList<T>::Clear()
{
    for (auto& block : blocks)
        for (T* item : block)
            delete item;
    blocks.clear();
    blockStarts.clear();
    startsValid = 0;
    count = 0;
}

template <class T>
void TObjectList<T>::UpdateStarts() const
{
    blockStarts.resize(blocks.size());
    for (size_t b = startsValid; b < blocks.size(); ++b)
        blockStarts[b] = b == 0 ? 0 : blockStarts[b - 1] + static_cast<int32_t>(blocks[b - 1].size());
    startsValid = blocks.size();
}

template <class T>
typename TObjectList<T>::TPlace TObjectList<T>::PlaceOf(int32_t index) const
{
    UpdateStarts();
    if (blocks.empty())
        return {};
    // The last block that starts at or before index.
    auto after = std::upper_bound(blockStarts.begin(), blockStarts.end(), index);
    size_t block = after == blockStarts.begin() ? 0 : static_cast<size_t>(after - blockStarts.begin()) - 1;
    return {block, static_cast<size_t>(index - blockStarts[block])};
}

template <class T>
int32_t TObjectList<T>::IndexOf(TPlace place) const
{
    UpdateStarts();
    return blocks.empty() ? 0 : blockStarts[place.block] + static_cast<int32_t>(place.offset);
}

template <class T>
template <class Below>
typename TObjectList<T>::TPlace TObjectList<T>::FirstNotBelow(Below below) const
{
    if (blocks.empty())
        return {};
    // Directories list their entries mostly in data order, or reversed: both ends first.
    if (below(*blocks.back().back()))
        return {blocks.size() - 1, blocks.back().size()};
    if (!below(*blocks.front().front()))
        return {};
    // The first block whose last item is not below; the answer lies in it.
    size_t low = 0, high = blocks.size();
    while (low < high) {
        size_t middle = (low + high) / 2;
        if (below(*blocks[middle].back()))
            low = middle + 1;
        else
            high = middle;
    }
    const auto& items = blocks[low];
    auto at = std::partition_point(items.begin(), items.end(), [&](const T* item) { return below(*item); });
    return {low, static_cast<size_t>(at - items.begin())};
}

template <class T>
void TObjectList<T>::InsertAt(TPlace place, std::unique_ptr<T> item)
{
    if (blocks.empty())
        blocks.emplace_back();
    auto& items = blocks[place.block];
    items.insert(items.begin() + static_cast<std::ptrdiff_t>(place.offset), item.release());
    ++count;
    startsValid = std::min(startsValid, place.block + 1);
    if (items.size() >= 2 * kBlockSize) {
        std::vector<T*> upper(items.begin() + kBlockSize, items.end());
        items.resize(kBlockSize);
        blocks.insert(blocks.begin() + static_cast<std::ptrdiff_t>(place.block) + 1, std::move(upper));
        startsValid = std::min(startsValid, place.block + 1);
    }
}

template <class T>
typename TObjectList<T>::TPlace TSortedObjectList<T>::Search(const T& key, bool& found) const
{
    auto place = this->FirstNotBelow([&](const T& item) { return Compare(KeyOf(item), key) < 0; });
    found = !this->AtEnd(place) && Compare(KeyOf(this->ItemAt(place)), key) == 0;
    return place;
}

template <class T>
bool TSortedObjectList<T>::Find(const T& key, int32_t& index) const
{
    bool found;
    index = this->IndexOf(Search(key, found));
    return found;
}

template <class T>
void TSortedObjectList<T>::Insert(std::unique_ptr<T> item)
{
    bool found;
    auto place = Search(KeyOf(*item), found);
    if (found) {
        if (duplicates == TDuplicates::Ignore)
            return;
        if (duplicates == TDuplicates::Error)
            throw EListError("Duplicate Object index");
    }
    this->InsertAt(place, std::move(item));
}

}  // namespace pk
