#pragma once
// Small routines of the ZIP reader: part numbers and the texts of its errors.
#include <cstddef>
#include <cstdint>
#include <string>

namespace pk::zip {

// At least three digits: 1 gives "001", 1234 gives "1234".
std::string ThreeDigits(int32_t n);

// The texts of the reader's errors that carry values.
std::string CannotOpenFileText(const std::string& path, uint32_t osError);
std::string IndexOutOfRangeText(int32_t index);

}  // namespace pk::zip
