#pragma once
// Small routines of the ZIP reader: name texts and the texts of its errors.
#include <cstddef>
#include <cstdint>
#include <string>

namespace pk::zip {

// "a" to "z" in upper case; every other byte as it is.
std::string UpperCaseAscii(std::string text);
// At least three digits: 1 gives "001", 1234 gives "1234".
std::string ThreeDigits(int32_t n);

// The texts of the reader's errors that carry values.
std::string CannotOpenFileText(const std::string& path, uint32_t osError);
std::string IndexOutOfRangeText(int32_t index);

}  // namespace pk::zip
