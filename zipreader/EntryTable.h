#pragma once
// The entries of one archive as the reader keeps them: fixed-size rows in one array and the
// names in one block of text, so that an entry costs no allocation of its own. Rows are
// appended in the order the directory lists them; a duplicate is refused as it is added, and
// the order of the entries' data (disk, then local header offset) is put right once, at the end.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "zipreader/EntrySink.h"
#include "zipreader/LeafName.h"

namespace pk {

class TEntryTable final : public TEntrySink {
public:
    void Clear();
    // Room for the entries and their names, so that reading them moves nothing.
    void Reserve(size_t entries, size_t nameBytes);
    bool Add(uint64_t key, uint64_t uncompressedSize, std::string_view name, TNameForm form) override
    {
        // Most archives list their entries in data order, some in reverse: while the keys keep
        // one direction, the last key is the only one a new key could equal. With room
        // reserved, such an entry costs a few moves.
        if (rowCount != 0 && rowCount < rowCapacity && name.size() <= namesCapacity - namesUsed &&
            (order == TOrder::Ascending ? key > rows[rowCount - 1].key
                                        : order == TOrder::Descending && key < rows[rowCount - 1].key)) {
            Append(key, uncompressedSize, name, form);
            return true;
        }
        return AddOtherwise(key, uncompressedSize, name, form);
    }
    TListedOrder Order() const override
    {
        return order == TOrder::Ascending    ? TListedOrder::DataOrder
               : order == TOrder::Descending ? TListedOrder::ReverseDataOrder
                                             : TListedOrder::NotStraight;
    }
    // Puts the rows in data order; the rows are read only after this.
    void Finish();

    size_t Count() const { return rowCount; }
    std::string_view LeafName(size_t index) const
    {
        const TRow& row = rows[index];
        return LeafOf(std::string_view(names.get() + row.nameOffset, row.nameLength), row.form);
    }
    uint64_t UncompressedSize(size_t index) const { return rows[index].uncompressedSize; }

    // The finished row with that key.
    std::optional<size_t> Find(uint64_t key) const;
    // Gives a finished row another size and name; its key stays.
    void Replace(size_t index, uint64_t uncompressedSize, std::string_view name, TNameForm form);

private:
    struct TRow {
        uint64_t key;
        uint64_t uncompressedSize;
        uint32_t nameOffset;
        uint16_t nameLength;
        TNameForm form;
    };
    enum class TOrder : uint8_t { Ascending, Descending, Mixed };

    // Appends a row and its name where both have room.
    void Append(uint64_t key, uint64_t uncompressedSize, std::string_view name, TNameForm form)
    {
        rows[rowCount++] = TRow{key, uncompressedSize, StoreName(name), static_cast<uint16_t>(name.size()), form};
    }
    // Copies the name into the name block, which has room, and returns where it starts.
    uint32_t StoreName(std::string_view name)
    {
        CopyShort(names.get() + namesUsed, name);
        namesUsed += name.size();
        return static_cast<uint32_t>(namesUsed - name.size());
    }
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
    bool AddOtherwise(uint64_t key, uint64_t uncompressedSize, std::string_view name, TNameForm form);
    bool IsNewKey(uint64_t key);
    void HashAllKeys();
    bool InsertHashedKey(uint64_t key);

    // Both blocks grow by hand: nothing is zeroed or constructed that is written straight after.
    std::unique_ptr<TRow[]> rows;
    size_t rowCount = 0;
    size_t rowCapacity = 0;
    std::unique_ptr<char[]> names;
    size_t namesUsed = 0;
    size_t namesCapacity = 0;
    // While the keys arrive strictly rising or strictly falling, a new key is checked against
    // the last one alone; otherwise against a hash set of all keys.
    TOrder order = TOrder::Ascending;
    std::vector<uint64_t> hashedKeys;  // open addressing; kNoKey marks a free slot
    size_t hashedCount = 0;
};

}  // namespace pk
