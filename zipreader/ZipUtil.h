#pragma once
// Small routines of the ZIP reader: little-endian fields, Windows-style file-name parts and
// the texts of its errors.
#include <cstddef>
#include <cstdint>
#include <string>

namespace pk::zip {

inline uint16_t GetU16(const uint8_t* p)
{
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

inline uint32_t GetU32(const uint8_t* p)
{
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) | (static_cast<uint32_t>(p[2]) << 16) |
           (static_cast<uint32_t>(p[3]) << 24);
}

// Index of the last "\" or ":" of a name, skipping the trail bytes of two-byte characters;
// npos when there is none.
size_t LastPathDelimiter(const std::string& name);

// The extension with its dot (".zip"), empty when the last name part has no dot.
std::string ExtractFileExt(const std::string& name);
// The name with its extension replaced by ext, or ext appended when it has none.
std::string ChangeFileExt(const std::string& name, const std::string& ext);
// The directory part without its trailing "\" (kept for a drive root such as "C:\").
std::string ExtractFileDir(const std::string& name);

// "a" to "z" in upper case; every other byte as it is.
std::string UpperCaseAscii(std::string text);
// At least three digits: 1 gives "001", 1234 gives "1234".
std::string ThreeDigits(int32_t n);

// The texts of the reader's errors that carry values.
std::string CannotOpenFileText(const std::string& path, uint32_t osError);
std::string IndexOutOfRangeText(int32_t index);

}  // namespace pk::zip
