#pragma once
// The ZIP64 extensions of the format: the end record that a locator just before the classic
// one points to, and the extra field that carries the values a header holds as all ones.
#include <cstddef>
#include <cstdint>
#include <optional>

#include "zipreader/BufferedStream.h"

namespace pk::zip64 {

inline constexpr uint32_t kLocatorSignature = 0x07064B50;
inline constexpr uint32_t kEndRecordSignature = 0x06064B50;
inline constexpr int kLocatorSize = 20;
inline constexpr int kEndRecordSize = 56;
inline constexpr uint16_t kExtraId = 0x0001;

struct TEndRecord {
    uint32_t thisDisk;
    uint32_t centralDirDisk;
    uint64_t totalEntries;
    uint64_t centralDirSize;
    uint64_t centralDirOffset;  // moved by the prefix
    uint64_t prefix;            // data in front of the archive that its offsets leave out
};

// The ZIP64 end record that a locator ending at classicAt (where the classic end record
// starts) points to, when the locator is there and its record lies whole inside the file;
// else the one right before the locator, where data in front of the archive moved it.
std::optional<TEndRecord> FindEndRecord(TBufferedStream& file, int64_t classicAt);

// The header fields that a ZIP64 extra field may carry, in its order.
struct THeaderFields {
    uint64_t uncompressedSize;
    uint64_t compressedSize;
    uint64_t localHeaderOffset;
    uint32_t diskNumberStart;

    bool AnyAllOnes() const
    {
        return uncompressedSize == 0xFFFFFFFFu || compressedSize == 0xFFFFFFFFu ||
               localHeaderOffset == 0xFFFFFFFFu || diskNumberStart == 0xFFFFu;
    }
};

// Takes each field that holds its all-ones value from the ZIP64 extra field among a header's
// extra fields, as far as that holds values; the others stay as they are.
void TakeFromExtra(const uint8_t* extra, size_t length, THeaderFields& fields);

}  // namespace pk::zip64
