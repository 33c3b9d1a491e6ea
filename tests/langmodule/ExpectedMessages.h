#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace pk::testing {

struct TExpectedMessage {
    uint16_t number;
    std::string_view utf8;
};

// The Czech message table, kept here as UTF-8 independently of the module's resource script.
std::span<const TExpectedMessage> ExpectedMessages();

// What LoadStringA yields for a table text under the ANSI code page 1250.
// Throws std::invalid_argument for a character outside the small map the table needs.
std::string Utf8ToCp1250(std::string_view utf8);
std::string Utf16ToCp1250(std::u16string_view utf16);

// A table text as the module stores it (the table needs no surrogate pairs).
std::u16string Utf8ToUtf16(std::string_view utf8);

}  // namespace pk::testing
