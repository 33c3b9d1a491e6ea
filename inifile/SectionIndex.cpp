#include "inifile/SectionIndex.h"

namespace pk {

void TSectionIndex::Clear()
{
    slots.clear();
    used = 0;
}

void TSectionIndex::Insert(uint32_t hash, size_t position)
{
    if ((used + 1) * 2 > slots.size()) {
        std::vector<TSlot> old(slots.empty() ? 16 : slots.size() * 2);
        old.swap(slots);
        for (const TSlot& slot : old)
            if (slot.positionPlusOne)
                Place(slot);
    }
    Place(TSlot{hash, static_cast<uint32_t>(position + 1)});
    ++used;
}

void TSectionIndex::Place(TSlot slot)
{
    size_t i = slot.hash & (slots.size() - 1);
    while (slots[i].positionPlusOne)
        i = (i + 1) & (slots.size() - 1);
    slots[i] = slot;
}

}  // namespace pk
