#include "measure/MaskList.h"

namespace pk {

TMaskList::TMaskList(const std::vector<std::string>& masks)
{
    slots.reserve(masks.size());
    for (const std::string& text : masks)
        slots.push_back(TSlot{text, nullptr, std::nullopt, false});
}

TMaskList::~TMaskList() = default;

void TMaskList::Compile(TSlot& slot)
{
    if (slot.error)
        throw EMaskException(*slot.error);
    try {
        slot.mask = std::make_unique<TMask>(slot.text);
    } catch (const EMaskException& e) {
        slot.error = e.Message();
        throw;
    }
    slot.matchesEverything = slot.mask->MatchesEverything();
}

bool MatchesAnyMask(const std::string& name, const std::vector<std::string>& masks)
{
    return TMaskList(masks).MatchesAny([&] { return std::string_view(name); });
}

}  // namespace pk
