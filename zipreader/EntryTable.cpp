#include "zipreader/EntryTable.h"

#include <algorithm>
#include <cstring>

namespace pk {

void TEntryTable::Clear()
{
    rowCount = 0;
    namesUsed = 0;
    inDataOrder = true;
    nextKeyInOrder = 0;
}

void TEntryTable::Reserve(size_t entries, size_t nameBytes)
{
    if (entries > rowCapacity - rowCount)
        GrowRows(entries);
    if (nameBytes > namesCapacity - namesUsed)
        GrowNames(nameBytes);
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

bool TEntryTable::SortByKey()
{
    if (inDataOrder)
        return true;  // every key above the one before: none repeats
    TRow* const end = rows.get() + rowCount;
    // Some writers list their entries in reverse data order: turned round, not sorted.
    if (std::adjacent_find(rows.get(), end, [](const TRow& a, const TRow& b) { return a.key <= b.key; }) == end)
        std::reverse(rows.get(), end);
    else
        std::sort(rows.get(), end, [](const TRow& a, const TRow& b) { return a.key < b.key; });
    const bool unique =
        std::adjacent_find(rows.get(), end, [](const TRow& a, const TRow& b) { return a.key == b.key; }) == end;
    inDataOrder = unique;
    return unique;
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
    row.nameOffset = static_cast<uint32_t>(namesUsed);
    CopyShort(names.get() + namesUsed, name);
    namesUsed += name.size();
    row.nameLength = static_cast<uint16_t>(name.size());
    row.uncompressedSize = uncompressedSize;
    row.form = form;
}

}  // namespace pk
