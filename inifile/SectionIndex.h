#pragma once
// Finds the first section of a name without walking the section list: an open hash table of
// section positions, keyed by a hash of the name's comparison key. The caller's comparison
// confirms each candidate, so the table only ever narrows the search.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace pk {

class TSectionIndex {
public:
    // The position of the first section whose name hashes to hash and for which
    // sameAt(position) holds.
    template <class SameAt>
    std::optional<size_t> Find(uint32_t hash, SameAt sameAt) const
    {
        if (slots.empty())
            return std::nullopt;
        for (size_t i = hash & (slots.size() - 1);; i = (i + 1) & (slots.size() - 1)) {
            const TSlot& slot = slots[i];
            if (slot.positionPlusOne == 0)
                return std::nullopt;
            if (slot.hash == hash && sameAt(slot.positionPlusOne - 1))
                return slot.positionPlusOne - 1;
        }
    }

    // Records a section that follows all recorded ones, unless an earlier one has its name:
    // lookups answer the first namesake.
    template <class SameAt>
    void AddIfFirst(uint32_t hash, size_t position, SameAt sameAt)
    {
        if (!Find(hash, sameAt))
            Insert(hash, position);
    }

    void Clear();

private:
    struct TSlot {
        uint32_t hash;
        uint32_t positionPlusOne;  // 0 marks a free slot
    };

    void Insert(uint32_t hash, size_t position);
    void Place(TSlot slot);

    std::vector<TSlot> slots;  // a power of two long, at most half full
    size_t used = 0;
};

}  // namespace pk
