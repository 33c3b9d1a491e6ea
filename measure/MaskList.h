#pragma once
// The masks of one section as the ZIP sizing tests many names against them: each mask is
// compiled when a name first reaches it and kept for the other names, and so is a failed
// compile, which every later name that reaches the mask raises again.
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "measure/Masks.h"

namespace pk {

class TMaskList {
public:
    explicit TMaskList(const std::vector<std::string>& masks);
    ~TMaskList();
    TMaskList(const TMaskList&) = delete;
    TMaskList& operator=(const TMaskList&) = delete;

    // The masks in order, true at the first that matches. nameOf() gives the name; it is
    // asked for only when a mask needs it.
    template <class NameOf>
    bool MatchesAny(NameOf nameOf)
    {
        for (TSlot& slot : slots)
            if (Matches(slot, nameOf))
                return true;
        return false;
    }
    // The same walk, giving the index of the first mask that matches, or kNone.
    static constexpr size_t kNone = ~size_t{0};
    template <class NameOf>
    size_t FirstMatching(NameOf nameOf)
    {
        for (size_t i = 0; i < slots.size(); ++i)
            if (Matches(slots[i], nameOf))
                return i;
        return kNone;
    }
    size_t Count() const { return slots.size(); }
    const std::string& Text(size_t index) const { return slots[index].text; }

private:
    struct TSlot {
        std::string text;
        std::unique_ptr<TMask> mask;
        std::optional<std::string> error;  // the message of a failed compile
        bool matchesEverything = false;
    };
    // Compiles the slot's mask, or raises its error again.
    static void Compile(TSlot& slot);
    template <class NameOf>
    static bool Matches(TSlot& slot, NameOf& nameOf)
    {
        if (!slot.mask)
            Compile(slot);
        return slot.matchesEverything || slot.mask->Matches(nameOf());
    }

    std::vector<TSlot> slots;
};

// True at the first mask of the list that matches; masks after it are never compiled.
bool MatchesAnyMask(const std::string& name, const std::vector<std::string>& masks);

}  // namespace pk
