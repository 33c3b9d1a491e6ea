#pragma once
// Where the reader puts a directory's entries, one by one in the order the directory lists
// them: the reader's own table, or a visitor that keeps none of them.
#include <bit>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace pk {

class TEntrySink {
public:
    // How a name arrives: as its leaf, or as a whole ASCII path whose leaf follows the last
    // "/", "\" or ":" (found only when asked for, as most masks never need it).
    enum class TNameForm : uint8_t { Leaf, AsciiPath };
    static std::string_view LeafOf(std::string_view name, TNameForm form)
    {
        if (form == TNameForm::Leaf)
            return name;
        // Eight bytes at a time back from the end; the highest separator byte of the first word
        // that holds one is the last separator.
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

    // An entry's place in the data order: disk first, then the local header offset compared
    // as a signed 32-bit number.
    static uint64_t KeyOf(uint16_t diskNumberStart, uint32_t localHeaderOffset)
    {
        return (static_cast<uint64_t>(diskNumberStart) << 32) | (localHeaderOffset ^ 0x80000000u);
    }

    // False, and nothing taken, when an entry with the same key is there already.
    virtual bool Add(uint64_t key, uint32_t uncompressedSize, std::string_view name, TNameForm form) = 0;

protected:
    ~TEntrySink() = default;

private:
    static_assert(std::endian::native == std::endian::little, "byte i of a word read from memory is bits 8i..8i+7");
    static constexpr uint64_t kLow7 = 0x7F7F7F7F7F7F7F7Full;
    // The top bit of every byte of the word that is c, and no other bit.
    static constexpr uint64_t BytesEqualTo(uint64_t word, char c)
    {
        const uint64_t x = word ^ (0x0101010101010101ull * static_cast<uint8_t>(c));  // 0 where c was
        return ~(((x & kLow7) + kLow7) | x | kLow7);
    }
};

}  // namespace pk
