#pragma once
// Text services of the system code page: lead bytes of two-byte characters, the OEM-to-ANSI
// conversion of names, conversion to UTF-8, the locale's case-insensitive comparison.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace pk::platform {

using TLeadByteTable = std::array<bool, 256>;

// True when the system code page marks b as the first byte of a two-byte character.
bool IsLeadByte(uint8_t b);
// Tests install another code page's table (nullptr restores the system's); returns the one
// replaced.
const TLeadByteTable* ReplaceLeadBytes(const TLeadByteTable* table);

// Converts text in place from the OEM to the ANSI character set (same length).
void OemToAnsi(std::string& text);

// The text, taken in the system's ANSI code page, as UTF-8.
std::string AnsiToUtf8(const std::string& text);

// Whole-text comparison without regard to letter case, in the user's locale.
bool SameText(std::string_view a, std::string_view b);
// A key for indexing names: two names have equal keys exactly when SameText calls them equal.
std::string NameKey(std::string_view name);

}  // namespace pk::platform
