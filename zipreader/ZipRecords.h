#pragma once
// The records of the ZIP format as the reader holds them: the end of central directory record
// and one directory entry, with the operations that find and read them in an archive file.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "platform/LittleEndian.h"
#include "zipreader/BufferedStream.h"
#include "zipreader/EntryTable.h"
#include "zipreader/Zip64.h"

namespace pk {

inline constexpr uint32_t kCentralHeaderSignature = 0x02014B50;
inline constexpr uint32_t kLocalHeaderSignature = 0x04034B50;
inline constexpr uint32_t kEndRecordSignature = 0x06054B50;

inline constexpr int kEndRecordSize = 22;
inline constexpr int kCentralHeaderSize = 46;
inline constexpr int kLocalHeaderSize = 30;
// Offsets of the fields within the records, counted from the signature.
namespace zipfield {
// End of central directory record.
inline constexpr size_t kEndThisDisk = 4;
inline constexpr size_t kEndCentralDirDisk = 6;
inline constexpr size_t kEndEntriesOnThisDisk = 8;
inline constexpr size_t kEndTotalEntries = 10;
inline constexpr size_t kEndCentralDirSize = 12;
inline constexpr size_t kEndCentralDirOffset = 16;
inline constexpr size_t kEndCommentLength = 20;
// Central header; its fields from "version needed" on are the shared ones below.
inline constexpr size_t kCentralVersionMadeBy = 4;
inline constexpr size_t kCentralHostSystem = 5;  // high byte of "version made by"
inline constexpr size_t kCentralShared = 6;
inline constexpr size_t kCentralFileNameLength = 28;
inline constexpr size_t kCentralExtraLength = 30;
inline constexpr size_t kCentralCommentLength = 32;
inline constexpr size_t kCentralDiskNumberStart = 34;
inline constexpr size_t kCentralInternalAttributes = 36;
inline constexpr size_t kCentralExternalAttributes = 38;
inline constexpr size_t kCentralLocalHeaderOffset = 42;
// Local header.
inline constexpr size_t kLocalShared = 4;
inline constexpr size_t kLocalVersionNeededHigh = 5;  // high byte of "version needed"
inline constexpr size_t kLocalFileNameLength = 26;
inline constexpr size_t kLocalExtraLength = 28;
// The fields that both headers share, counted from "version needed".
inline constexpr size_t kSharedVersionNeeded = 0;
inline constexpr size_t kSharedBitFlag = 2;
inline constexpr size_t kSharedCompressionMethod = 4;
inline constexpr size_t kSharedFileDateTime = 6;
inline constexpr size_t kSharedCrc32 = 10;
inline constexpr size_t kSharedCompressedSize = 14;
inline constexpr size_t kSharedUncompressedSize = 18;
}  // namespace zipfield

// The fixed part of the end record plus the longest comment it can announce.
inline constexpr int kEndRecordWindow = kEndRecordSize + 65535;

class TEndOfCentralDir {
public:
    TEndOfCentralDir() { Reset(); }
    void Reset();

    // Finds the record nearest the end of the file (within the last 65557 bytes) and fills the
    // fields from it, the disks, the count and the directory's place from the ZIP64 end record
    // where a locator just before it points to one. An empty file counts as found and leaves
    // the fields as they are.
    bool FindEndRecord(TBufferedStream& file);

    uint32_t Signature;
    uint32_t ThisDisk;
    uint32_t CentralDirDisk;
    uint16_t EntriesOnThisDisk;
    uint64_t TotalEntries;
    uint64_t CentralDirSize;
    uint64_t CentralDirOffset;
    uint16_t CommentLength;
    std::string Comment;  // read only for split archives
    int64_t CommentOffset;
    bool CommentChanged;
    bool Zip64;  // the ZIP64 end record gave the disks, the count and the directory's place
    uint64_t Zip64Prefix;  // bytes in front of a ZIP64 archive that its offsets leave out

private:
    // Searches the file from windowStart to its end, from the end backwards.
    bool FindEndRecordIn(TBufferedStream& file, int64_t windowStart);
};

// Asked by a header read that ran out of bytes in a split archive: opens the next part and
// returns the stream that goes on there, or nullptr, and the read fails as at the end of a file.
using TNextPartRequest = std::function<TBufferedStream*()>;

// The values of a central header that place, size and name its entry, decoded from the
// header's fixed part: the one reading of them, for a header read record by record and for
// one taken in place from the read buffer alike.
struct TCentralHeader {
    TCentralHeader(const uint8_t* fixed, bool oemConvert)
        : values{le::GetU32(fixed + zipfield::kCentralShared + zipfield::kSharedUncompressedSize),
                 le::GetU32(fixed + zipfield::kCentralShared + zipfield::kSharedCompressedSize),
                 le::GetU32(fixed + zipfield::kCentralLocalHeaderOffset),
                 le::GetU16(fixed + zipfield::kCentralDiskNumberStart)},
          nameLength(le::GetU16(fixed + zipfield::kCentralFileNameLength)),
          extraLength(le::GetU16(fixed + zipfield::kCentralExtraLength)),
          commentLength(le::GetU16(fixed + zipfield::kCentralCommentLength)),
          oemName(fixed[zipfield::kCentralHostSystem] == 0 && oemConvert)
    {
    }

    // A value that holds all ones takes its value from the ZIP64 extra field, where there is one.
    bool NeedsZip64Extra() const { return extraLength != 0 && values.AnyAllOnes(); }
    // From the header's extra fields (length bytes), which follow its name.
    void TakeZip64Extra(const uint8_t* extra, size_t length) { zip64::TakeFromExtra(extra, length, values); }
    uint64_t Key() const { return TEntryTable::KeyOf(values.diskNumberStart, values.localHeaderOffset); }

    zip64::THeaderFields values;
    uint16_t nameLength;
    uint16_t extraLength;
    uint16_t commentLength;
    bool oemName;  // from an MS-DOS host, converted from OEM to ANSI when the reader asks for it
};

class TZipEntryInfo {
public:
    explicit TZipEntryInfo(bool oemConvert = true) : OEMConvert(oemConvert) {}

    // Each read returns false and leaves the file where it was when the header is not there
    // whole; on success the file stands just after the name.
    bool ReadCentralHeader(TBufferedStream& file, const TNextPartRequest& nextPart = {});
    bool ReadLocalHeader(TBufferedStream& file);

    // Splits a stored name (with "\" separators) into LeafName and DirectoryName.
    void SetFileName(const std::string& name);

    uint16_t VersionMadeBy = 0;
    uint16_t VersionNeeded = 0;
    uint16_t BitFlag = 0;
    uint16_t CompressionMethod = 0;
    uint32_t FileDateTime = 0;
    uint32_t Crc32 = 0;
    int32_t CompressedSize = 0;
    uint64_t UncompressedSize = 0;  // from the ZIP64 extra field where the header holds all ones
    uint16_t FileNameLength = 0;
    uint16_t CentralExtraLength = 0;
    uint16_t LocalExtraLength = 0;
    uint16_t FileCommentLength = 0;
    uint32_t DiskNumberStart = 0;  // so is this
    uint16_t InternalAttributes = 0;
    uint32_t ExternalAttributes = 0;
    uint64_t LocalHeaderOffset = 0;  // and this
    int64_t CentralHeaderOffset = 0;
    std::string LeafName;
    std::string DirectoryName;  // ends in "\" when not empty
    bool OEMConvert;

private:
    // Reads the stored name, "/" turned into "\", converted from OEM to ANSI when asked.
    bool ReadName(TBufferedStream& file, uint16_t length, bool convert, std::string& name);
    // The fields that central and local headers share, in the same order, from "version
    // needed to extract" on.
    void ReadSharedFields(const uint8_t* versionNeeded);
};

}  // namespace pk
