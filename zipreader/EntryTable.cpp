#include "zipreader/EntryTable.h"

#include <algorithm>
#include <cstring>

namespace pk {

namespace {

// No key is all ones (TEntrySink::KeyOf).
constexpr uint64_t kNoKey = ~uint64_t{0};

size_t HashOf(uint64_t key)
{
    return static_cast<size_t>((key * 0x9E3779B97F4A7C15ull) >> 32);
}

}  // namespace

void TEntryTable::Clear()
{
    rowCount = 0;
    namesUsed = 0;
    order = TOrder::Ascending;
    hashedKeys.clear();
    hashedCount = 0;
}

void TEntryTable::Reserve(size_t entries, size_t nameBytes)
{
    if (entries > rowCapacity - rowCount)
        GrowRows(entries);
    if (nameBytes > namesCapacity - namesUsed)
        GrowNames(nameBytes);
}

bool TEntryTable::AddOtherwise(uint64_t key, uint64_t uncompressedSize, std::string_view name, TNameForm form)
{
    if (!IsNewKey(key))
        return false;
    if (rowCount == rowCapacity)
        GrowRows(1);
    if (name.size() > namesCapacity - namesUsed)
        GrowNames(name.size());
    Append(key, uncompressedSize, name, form);
    return true;
}

void TEntryTable::GrowRows(size_t more)
{
    size_t capacity = std::max<size_t>({64, 2 * rowCapacity, rowCount + more});
    std::unique_ptr<TRow[]> grown(new TRow[capacity]);
    std::copy(rows.get(), rows.get() + rowCount, grown.get());
    rows = std::move(grown);
    rowCapacity = capacity;
}

void TEntryTable::GrowNames(size_t more)
{
    size_t capacity = std::max<size_t>({4096, 2 * namesCapacity, namesUsed + more});
    std::unique_ptr<char[]> grown(new char[capacity]);  // not zeroed: every byte is written before it is read
    if (namesUsed)
        std::memcpy(grown.get(), names.get(), namesUsed);
    names = std::move(grown);
    namesCapacity = capacity;
}

bool TEntryTable::IsNewKey(uint64_t key)
{
    if (rowCount == 0)
        return true;
    const uint64_t last = rows[rowCount - 1].key;
    if (order == TOrder::Ascending && key > last)
        return true;
    if (order != TOrder::Mixed && key < last && (order == TOrder::Descending || rowCount == 1)) {
        order = TOrder::Descending;
        return true;
    }
    if (order != TOrder::Mixed) {
        if (key == last)
            return false;
        order = TOrder::Mixed;
        HashAllKeys();
    }
    return InsertHashedKey(key);
}

void TEntryTable::HashAllKeys()
{
    size_t slots = 64;
    while (slots < 2 * (rowCapacity + 1))
        slots *= 2;
    hashedKeys.assign(slots, kNoKey);
    hashedCount = 0;
    for (size_t i = 0; i < rowCount; ++i)
        InsertHashedKey(rows[i].key);
}

bool TEntryTable::InsertHashedKey(uint64_t key)
{
    if (2 * (hashedCount + 1) > hashedKeys.size()) {
        std::vector<uint64_t> old(hashedKeys.size() * 2, kNoKey);
        old.swap(hashedKeys);
        hashedCount = 0;
        for (uint64_t k : old)
            if (k != kNoKey)
                InsertHashedKey(k);
    }
    const size_t mask = hashedKeys.size() - 1;
    for (size_t i = HashOf(key) & mask;; i = (i + 1) & mask) {
        if (hashedKeys[i] == key)
            return false;
        if (hashedKeys[i] == kNoKey) {
            hashedKeys[i] = key;
            ++hashedCount;
            return true;
        }
    }
}

void TEntryTable::Finish()
{
    TRow* const end = rows.get() + rowCount;
    if (order == TOrder::Descending)
        std::reverse(rows.get(), end);
    else if (order == TOrder::Mixed)
        std::sort(rows.get(), end, [](const TRow& a, const TRow& b) { return a.key < b.key; });
    order = TOrder::Ascending;
    hashedKeys = {};
    hashedCount = 0;
}

std::optional<size_t> TEntryTable::Find(uint64_t key) const
{
    TRow* const end = rows.get() + rowCount;
    TRow* it = std::lower_bound(rows.get(), end, key, [](const TRow& row, uint64_t k) { return row.key < k; });
    if (it == end || it->key != key)
        return std::nullopt;
    return static_cast<size_t>(it - rows.get());
}

void TEntryTable::Replace(size_t index, uint64_t uncompressedSize, std::string_view name, TNameForm form)
{
    TRow& row = rows[index];
    if (name.size() > namesCapacity - namesUsed)
        GrowNames(name.size());
    row.nameOffset = StoreName(name);
    row.nameLength = static_cast<uint16_t>(name.size());
    row.uncompressedSize = uncompressedSize;
    row.form = form;
}

}  // namespace pk
