#pragma once
// Where the reader puts a directory's entries, one by one in the order the directory lists
// them: the reader's own table, or a visitor that keeps none of them.
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
        // Eight bytes at a time back to the word that holds the last separator, then byte by byte.
        size_t start = name.size();
        for (uint64_t word; start >= sizeof word; start -= sizeof word) {
            std::memcpy(&word, name.data() + start - sizeof word, sizeof word);
            if (HasByte(word, '/') || HasByte(word, '\\') || HasByte(word, ':'))
                break;
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
    static constexpr uint64_t kOnes = 0x0101010101010101ull;
    // Whether any byte of the word is c (the usual test for a zero byte, after an exclusive or).
    static constexpr bool HasByte(uint64_t word, char c)
    {
        const uint64_t x = word ^ (kOnes * static_cast<uint8_t>(c));
        return ((x - kOnes) & ~x & (kOnes << 7)) != 0;
    }
};

}  // namespace pk
