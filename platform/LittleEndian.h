#pragma once
// Little-endian fields of the file formats: read from a byte buffer, appended to a byte string.
#include <cstdint>
#include <string>

namespace pk::le {

inline uint16_t GetU16(const uint8_t* p)
{
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

inline uint32_t GetU32(const uint8_t* p)
{
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) | (static_cast<uint32_t>(p[2]) << 16) |
           (static_cast<uint32_t>(p[3]) << 24);
}

inline uint64_t GetU64(const uint8_t* p)
{
    return GetU32(p) | (static_cast<uint64_t>(GetU32(p + 4)) << 32);
}

inline void PutU16(std::string& out, uint16_t value)
{
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>(value >> 8);
}

inline void PutU32(std::string& out, uint32_t value)
{
    PutU16(out, static_cast<uint16_t>(value & 0xFFFF));
    PutU16(out, static_cast<uint16_t>(value >> 16));
}

inline void PutU64(std::string& out, uint64_t value)
{
    PutU32(out, static_cast<uint32_t>(value & 0xFFFFFFFF));
    PutU32(out, static_cast<uint32_t>(value >> 32));
}

}  // namespace pk::le
