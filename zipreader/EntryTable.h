#pragma once
// The entries of one archive as the reader keeps them: fixed-size rows in one array and the
// names in one block of text, so that an entry costs no allocation of its own. Rows are
// appended in the order the directory lists them; they are put into the order of the
// entries' data (disk, then local header offset) only where the directory did not list them
// so, which costs one comparison per entry to know.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <optional>
#include <string_view>

#include "zipreader/LeafName.h"

namespace pk {

class TEntryTable {
public:
    // An entry's place in the data order: disk first, then the local header offset, both
    // unsigned. Disks and offsets beyond any file that can be read share the last places.
    static uint64_t KeyOf(uint32_t diskNumberStart, uint64_t localHeaderOffset)
    {
        constexpr uint64_t kOffsets = uint64_t{1} << 48;
        return (static_cast<uint64_t>(std::min<uint32_t>(diskNumberStart, 0xFFFF)) << 48) |
               std::min(localHeaderOffset, kOffsets - 2);
    }

    void Clear();
    // Room for the entries and their names, so that reading them moves nothing.
    void Reserve(size_t entries, size_t nameBytes);
    void Add(uint64_t key, uint64_t uncompressedSize, std::string_view name, TNameForm form)
    {
        if (rowCount == rowCapacity)
            GrowRows(1);
        if (name.size() > namesCapacity - namesUsed)
            GrowNames(name.size());
        // Read and written before the name is copied, whose bytes may be any of them.
        const size_t row = rowCount++;
        const size_t nameOffset = namesUsed;
        namesUsed += name.size();
        inDataOrder = inDataOrder && key >= nextKeyInOrder;
        nextKeyInOrder = key + 1;
        rows[row] = TRow{key, uncompressedSize, static_cast<uint32_t>(nameOffset), static_cast<uint16_t>(name.size()), form};
        CopyShort(names.get() + nameOffset, name);
    }
    // How far the table is filled, to go back to.
    struct TFill {
        size_t rows;
        size_t nameBytes;
        bool inDataOrder;
        uint64_t nextKeyInOrder;
    };
    TFill Fill() const { return {rowCount, namesUsed, inDataOrder, nextKeyInOrder}; }
    // Drops the rows added since fill was taken, with their names.
    void BackTo(const TFill& fill)
    {
        rowCount = fill.rows;
        namesUsed = fill.nameBytes;
        inDataOrder = fill.inDataOrder;
        nextKeyInOrder = fill.nextKeyInOrder;
    }

    // Puts the rows in data order; false where two of them share a key (two central headers
    // that name one local header).
    bool SortByKey();

    size_t Count() const { return rowCount; }
    std::string_view LeafName(size_t index) const
    {
        const TRow& row = rows[index];
        return LeafOf(std::string_view(names.get() + row.nameOffset, row.nameLength), row.form);
    }
    uint64_t UncompressedSize(size_t index) const { return rows[index].uncompressedSize; }

    // The row with that key, in a table in data order.
    std::optional<size_t> Find(uint64_t key) const;
    // Gives a row another size and name; its key stays.
    void Replace(size_t index, uint64_t uncompressedSize, std::string_view name, TNameForm form);

private:
    struct TRow {
        uint64_t key;
        uint64_t uncompressedSize;
        uint32_t nameOffset;
        uint16_t nameLength;
        TNameForm form;
    };

    // Names are short: copied in two overlapping moves where they fit, without a call.
    static void CopyShort(char* to, std::string_view from)
    {
        const size_t n = from.size();
        if (n >= 8 && n <= 16) {
            std::memcpy(to, from.data(), 8);
            std::memcpy(to + n - 8, from.data() + n - 8, 8);
        } else if (n > 16 && n <= 32) {
            std::memcpy(to, from.data(), 16);
            std::memcpy(to + n - 16, from.data() + n - 16, 16);
        } else if (n != 0) {
            std::memcpy(to, from.data(), n);
        }
    }
    void GrowRows(size_t more);
    void GrowNames(size_t more);

    // Both blocks grow by hand: nothing is zeroed or constructed that is written straight after.
    std::unique_ptr<TRow[]> rows;
    size_t rowCount = 0;
    size_t rowCapacity = 0;
    std::unique_ptr<char[]> names;
    size_t namesUsed = 0;
    size_t namesCapacity = 0;
    bool inDataOrder = true;       // every key so far above the one before
    uint64_t nextKeyInOrder = 0;  // the least key that keeps the rows in data order (KeyOf leaves room for + 1)
};

}  // namespace pk
