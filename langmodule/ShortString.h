#pragma once
#include <algorithm>
#include <cstdint>
#include <cstring>

namespace pk {

// Length-prefixed result of ls: byte 0 holds the length, the text follows without a terminator.
// Texts beyond what one length byte can count are cut; bytes behind the text stay untouched.
inline void StoreShortString(const char* text, int length, uint8_t* result)
{
    const int stored = std::clamp(length, 0, 255);
    result[0] = static_cast<uint8_t>(stored);
    std::memcpy(result + 1, text, static_cast<size_t>(stored));
}

}  // namespace pk
