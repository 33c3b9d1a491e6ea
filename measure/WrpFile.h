#pragma once
// WRP pack files: a chain of blocks, each opened by a 27-byte header that states how many
// bytes the block unpacks to.
#include <cstdint>
#include <string>

namespace pk {

// Unpacked size of one WRP file from its block headers, or -1 after an error box.
// Raises ERangeError, EIntOverflow and EInOutError for the failures that end a pass.
int32_t PackFileSize(const std::string& path);

}  // namespace pk
