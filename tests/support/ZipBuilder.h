#pragma once
// Builds ZIP archives byte by byte for tests, with every field under the test's control, so
// that damaged and unusual archives can be made as easily as sound ones.
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace pk::testing {

// One entry; the setters return the entry so that tests can describe it in one expression.
struct TZipEntry {
    explicit TZipEntry(std::string storedName = {}, std::string storedData = {})
        : name(std::move(storedName)), data(std::move(storedData)) {}

    TZipEntry& Size(uint32_t v) { uncompressedSize = v; return *this; }
    TZipEntry& MadeBy(uint16_t v) { versionMadeBy = v; return *this; }
    TZipEntry& Needs(uint16_t v) { versionNeeded = v; return *this; }
    TZipEntry& Flags(uint16_t v) { bitFlag = v; return *this; }
    TZipEntry& Disk(uint16_t v) { diskNumberStart = v; return *this; }
    TZipEntry& LocalExtra(std::string v) { localExtra = std::move(v); return *this; }
    TZipEntry& CentralExtra(std::string v) { centralExtra = std::move(v); return *this; }
    TZipEntry& Comment(std::string v) { comment = std::move(v); return *this; }
    TZipEntry& AnnouncedCentralExtra(uint16_t v) { centralExtraLength = v; return *this; }
    TZipEntry& PointsTo(uint32_t v) { localHeaderOffset = v; return *this; }
    TZipEntry& LocalCompressedSize(uint32_t v) { localCompressedSize = v; return *this; }
    TZipEntry& LocalSize(uint32_t v) { localUncompressedSize = v; return *this; }

    uint32_t UncompressedSize() const { return uncompressedSize.value_or(static_cast<uint32_t>(data.size())); }

    std::string name;  // as stored, "/" separated
    std::string data;  // the stored bytes (taken as the compressed data)
    std::optional<uint32_t> uncompressedSize;  // default: data.size()
    uint16_t versionMadeBy = 20;  // high byte 0: an MS-DOS host
    uint16_t versionNeeded = 20;
    uint16_t bitFlag = 0;         // bit 3 adds a 16-byte data descriptor after the data
    uint16_t diskNumberStart = 0;
    std::string localExtra;
    std::string centralExtra;
    std::string comment;
    // Fields that lie: announced in the headers but not matching what is written.
    std::optional<uint16_t> centralExtraLength;
    std::optional<uint32_t> localHeaderOffset;
    std::optional<uint32_t> localCompressedSize;
    std::optional<uint32_t> localUncompressedSize;
};

struct TEndRecord {
    TEndRecord& Disks(uint16_t thisOne, uint16_t centralDir) { thisDisk = thisOne; centralDirDisk = centralDir; return *this; }
    TEndRecord& OnThisDisk(uint16_t v) { entriesOnThisDisk = v; return *this; }
    TEndRecord& Total(uint16_t v) { totalEntries = v; return *this; }
    TEndRecord& DirOffset(uint32_t v) { centralDirOffset = v; return *this; }
    TEndRecord& Comment(std::string v) { comment = std::move(v); return *this; }
    TEndRecord& AnnouncedComment(uint16_t v) { commentLength = v; return *this; }

    uint16_t thisDisk = 0;
    uint16_t centralDirDisk = 0;
    std::optional<uint16_t> entriesOnThisDisk;  // default: the number of entries
    std::optional<uint16_t> totalEntries;       // default: the number of entries
    std::optional<uint32_t> centralDirOffset;   // default: where it was written
    std::string comment;
    std::optional<uint16_t> commentLength;      // default: comment.size()
};

std::string LocalHeader(const TZipEntry& entry);
std::string CentralHeader(const TZipEntry& entry, uint32_t localHeaderOffset);
std::string EndRecordBytes(const TEndRecord& record, uint16_t entries, uint32_t size, uint32_t offset);

// The bytes of an archive and where its parts were put.
struct TBuiltZip {
    std::string bytes;
    std::vector<uint32_t> localOffsets;
    uint32_t centralDirOffset = 0;
    uint32_t endRecordOffset = 0;
};

class TZipBuilder {
public:
    TZipBuilder& Prefix(const std::string& bytes);  // before the first local header
    TZipBuilder& Add(const TZipEntry& entry);
    // The order of the central headers, as indexes of the entries (default: data order).
    TZipBuilder& CentralOrder(const std::vector<size_t>& order);
    TZipBuilder& End(const TEndRecord& record);
    TZipBuilder& WithoutEndRecord();

    TBuiltZip Build() const;

private:
    std::string prefix;
    std::vector<TZipEntry> entries;
    std::vector<size_t> order;
    TEndRecord end;
    bool withEnd = true;
};

}  // namespace pk::testing
