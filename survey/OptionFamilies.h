#pragma once
// The two option families the walk visits and how it names their sections.
#include <cstdint>
#include <string>

namespace pk {

struct TOptionFamily {
    const char* mainPrefix;
    const char* subPrefix;
};

// In the walk's order.
inline constexpr TOptionFamily kOptionFamilies[] = {{"IMainOption", "ISubOption"}, {"UMainOption", "USubOption"}};

// Both counters of the walk are 16-bit; it ends rather than wrap around.
inline constexpr uint32_t kLastOptionNumber = UINT16_MAX;

inline std::string MainOptionName(const TOptionFamily& family, uint32_t i)
{
    return family.mainPrefix + std::to_string(i);
}

inline std::string SubOptionName(const TOptionFamily& family, uint32_t i, uint32_t k)
{
    return family.subPrefix + std::to_string(i) + "." + std::to_string(k);
}

}  // namespace pk
