#pragma once
// WRP pack files: a chain of blocks, each opened by a 27-byte header that states how many
// bytes the block unpacks to.
#include <cstddef>
#include <cstdint>
#include <string>

namespace pk {

// The block header: its size and the offsets of the fields that the walk reads.
namespace wrpfield {
inline constexpr size_t kHeaderSize = 27;
inline constexpr size_t kTag = 0;
inline constexpr size_t kDataLength = 13;    // bytes of block data after the header
inline constexpr size_t kUnpackedSize = 23;  // bytes the block unpacks to
}  // namespace wrpfield

// Unpacked size of one WRP file from its block headers, or -1 after an error box.
// Raises ERangeError, EIntOverflow and EInOutError for the failures that end a pass.
// empty, when given, is set for a file without a byte.
int32_t PackFileSize(const std::string& path, bool* empty = nullptr);

}  // namespace pk
