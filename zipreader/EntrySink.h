#pragma once
// Where the reader puts a directory's entries, one by one in the order the directory lists
// them: the reader's own table, or a visitor that keeps none of them.
#include <algorithm>
#include <cstdint>
#include <string_view>

namespace pk {

// How the entries of a directory met their data: in its order, in the reverse, or neither
// (in no one direction, or not all of them, as when a straight read stops).
enum class TListedOrder : uint8_t { NotStraight, DataOrder, ReverseDataOrder };

class TEntrySink {
public:
    // How a name arrives: as its leaf, or as a whole ASCII path whose leaf follows the last
    // "/", "\" or ":" (found only when asked for, as most masks never need it; LeafName.h).
    enum class TNameForm : uint8_t { Leaf, AsciiPath };

    // An entry's place in the data order: disk first, then the local header offset, both
    // unsigned. Disks and offsets beyond any file that can be read share the last places.
    static uint64_t KeyOf(uint32_t diskNumberStart, uint64_t localHeaderOffset)
    {
        constexpr uint64_t kOffsets = uint64_t{1} << 48;
        return (static_cast<uint64_t>(std::min<uint32_t>(diskNumberStart, 0xFFFF)) << 48) |
               std::min(localHeaderOffset, kOffsets - 2);
    }

    // False, and nothing taken, when the sink takes no more in this read: the table at an
    // entry with the same key as one it holds, a straight read where the order turns or its
    // visitor stops.
    virtual bool Add(uint64_t key, uint64_t uncompressedSize, std::string_view name, TNameForm form) = 0;
    // How the keys added so far ran.
    virtual TListedOrder Order() const = 0;

protected:
    ~TEntrySink() = default;
};

}  // namespace pk
