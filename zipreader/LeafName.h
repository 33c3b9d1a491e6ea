#pragma once
// The leaf of a name as the directory read keeps it: a name kept as its whole stored path is
// split at its last "/", "\" or ":" only when asked for, eight bytes at a time.
#include <bit>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace pk {

// How a name is kept: as its leaf, or as the whole stored path, whose leaf follows the last
// "/", "\" or ":" (found only when asked for, as most masks never need it); a path is kept
// only where no byte of it can be part of a two-byte character.
enum class TNameForm : uint8_t { Leaf, Path };

namespace leafsplit {

static_assert(std::endian::native == std::endian::little, "byte i of a word read from memory is bits 8i..8i+7");
inline constexpr uint64_t kLow7 = 0x7F7F7F7F7F7F7F7Full;

// The top bit of every byte of the word that is c, and no other bit.
constexpr uint64_t BytesEqualTo(uint64_t word, char c)
{
    const uint64_t x = word ^ (0x0101010101010101ull * static_cast<uint8_t>(c));  // 0 where c was
    return ~(((x & kLow7) + kLow7) | x | kLow7);
}

}  // namespace leafsplit

inline std::string_view LeafOf(std::string_view name, TNameForm form)
{
    using leafsplit::BytesEqualTo;
    if (form == TNameForm::Leaf)
        return name;
    // Back from the end a word at a time; the highest separator byte of the first word that
    // holds one is the last separator.
    size_t start = name.size();
    for (uint64_t word; start >= sizeof word; start -= sizeof word) {
        std::memcpy(&word, name.data() + start - sizeof word, sizeof word);
        const uint64_t found = BytesEqualTo(word, '/') | BytesEqualTo(word, '\\') | BytesEqualTo(word, ':');
        if (found != 0)
            return name.substr(start - sizeof word + static_cast<size_t>(63 - std::countl_zero(found)) / 8 + 1);
    }
    while (start > 0 && name[start - 1] != '/' && name[start - 1] != '\\' && name[start - 1] != ':')
        --start;
    return name.substr(start);
}

}  // namespace pk
