#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace pk::testing {

struct TCalleeSaved {
    uint32_t ebx, esi, edi, ebp;
    bool operator==(const TCalleeSaved&) const = default;
};

// What the register-convention call left behind: the callee-saved registers and the stack pointer.
struct TLsCallRecord {
    TCalleeSaved registers;
    uint32_t espBefore, espAfter;
};

// A 256-byte result buffer with guard bytes on both sides, so stray writes show.
struct TLsResult {
    static constexpr size_t kGuard = 64;
    static constexpr size_t kBuffer = 256;
    static constexpr uint8_t kFill = 0xA5;
    std::array<uint8_t, kGuard + kBuffer + kGuard> bytes;
    TLsCallRecord record;

    uint8_t* Buffer() { return bytes.data() + kGuard; }
    uint8_t Length() const { return bytes[kGuard]; }
    std::string Text() const;
    // True when nothing outside byte 0 and the Length() text bytes changed.
    bool RestUntouched() const;
};

// The callee-saved values the tests load when the registers themselves are not the point.
inline constexpr TCalleeSaved kMarkedRegisters{0x0B0B0B0B, 0x5E5E5E5E, 0xD1D1D1D1, 0xB9B9B9B9};

}  // namespace pk::testing
