#include "zipreader/Zip64.h"

#include <algorithm>

#include "platform/LittleEndian.h"

namespace pk::zip64 {

namespace {

// Field offsets of the locator and of the ZIP64 end record.
constexpr size_t kLocatorRecordOffset = 8;
constexpr size_t kEndThisDisk = 16;
constexpr size_t kEndCentralDirDisk = 20;
constexpr size_t kEndTotalEntries = 32;
constexpr size_t kEndCentralDirSize = 40;
constexpr size_t kEndCentralDirOffset = 48;

}  // namespace

std::optional<TEndRecord> FindEndRecord(TBufferedStream& file, int64_t classicAt)
{
    if (classicAt < kLocatorSize)
        return std::nullopt;
    uint8_t locator[kLocatorSize];
    file.Seek(classicAt - kLocatorSize, platform::TSeekFrom::Begin);
    if (file.Read(locator, sizeof locator) != sizeof locator || le::GetU32(locator) != kLocatorSignature)
        return std::nullopt;
    const uint64_t said = le::GetU64(locator + kLocatorRecordOffset);
    uint8_t r[kEndRecordSize];
    auto recordAt = [&](uint64_t at) {
        if (at > static_cast<uint64_t>(file.Size()) || file.Size() - static_cast<int64_t>(at) < kEndRecordSize)
            return false;
        file.Seek(static_cast<int64_t>(at), platform::TSeekFrom::Begin);
        return file.Read(r, sizeof r) == sizeof r && le::GetU32(r) == kEndRecordSignature;
    };
    // Writers put the record without extensible data right before the locator.
    const int64_t before = classicAt - kLocatorSize - kEndRecordSize;
    uint64_t prefix = 0;
    if (!recordAt(said)) {
        if (before < 0 || static_cast<uint64_t>(before) <= said || !recordAt(static_cast<uint64_t>(before)))
            return std::nullopt;
        prefix = static_cast<uint64_t>(before) - said;
    }
    return TEndRecord{le::GetU32(r + kEndThisDisk),       le::GetU32(r + kEndCentralDirDisk),
                      le::GetU64(r + kEndTotalEntries),   le::GetU64(r + kEndCentralDirSize),
                      le::GetU64(r + kEndCentralDirOffset) + prefix, prefix};
}

void TakeFromExtra(const uint8_t* extra, size_t length, THeaderFields& fields)
{
    // Extra fields follow one another as an ID, a length and that many bytes.
    for (size_t at = 0; at + 4 <= length;) {
        const uint16_t id = le::GetU16(extra + at);
        const size_t size = le::GetU16(extra + at + 2);
        const uint8_t* p = extra + at + 4;
        if (id != kExtraId) {
            at += 4 + size;
            continue;
        }
        const uint8_t* end = p + std::min(size, length - at - 4);
        for (uint64_t* wide : {&fields.uncompressedSize, &fields.compressedSize, &fields.localHeaderOffset}) {
            if (*wide != 0xFFFFFFFFu)
                continue;
            if (end - p < 8)
                return;
            *wide = le::GetU64(p);
            p += 8;
        }
        if (fields.diskNumberStart == 0xFFFFu && end - p >= 4)
            fields.diskNumberStart = le::GetU32(p);
        return;
    }
}

}  // namespace pk::zip64
