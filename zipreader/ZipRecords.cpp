#include "zipreader/ZipRecords.h"

#include <algorithm>
#include <vector>

#include "platform/LittleEndian.h"
#include "platform/Paths.h"
#include "platform/TextServices.h"
#include "zipreader/Zip64.h"
#include "zipreader/ZipUtil.h"

namespace pk {

using platform::TSeekFrom;
using le::GetU16;
using le::GetU32;
using namespace zipfield;

void TEndOfCentralDir::Reset()
{
    Signature = kEndRecordSignature;
    ThisDisk = CentralDirDisk = EntriesOnThisDisk = TotalEntries = 0;
    CentralDirSize = CentralDirOffset = 0;
    CommentLength = 0;
    Comment.clear();
    CommentOffset = 0;
    CommentChanged = false;
    Zip64 = false;
    Zip64Prefix = 0;
}

bool TEndOfCentralDir::FindEndRecord(TBufferedStream& file)
{
    int64_t size = file.Size();
    if (size < kEndRecordSize)
        return size == 0;
    // Most archives carry a short comment or none: the last few kilobytes hold the record. The
    // search runs from the end backwards, so a record found there is the one the longest window
    // would give first.
    constexpr int64_t kShortWindow = 4096;
    if (size > kShortWindow && FindEndRecordIn(file, size - kShortWindow))
        return true;
    return FindEndRecordIn(file, size - std::min<int64_t>(kEndRecordWindow, size));
}

bool TEndOfCentralDir::FindEndRecordIn(TBufferedStream& file, int64_t windowStart)
{
    std::vector<uint8_t> window(static_cast<size_t>(file.Size() - windowStart));
    file.Seek(windowStart, TSeekFrom::Begin);
    if (file.Read(window.data(), window.size()) != window.size())
        return false;
    for (size_t at = window.size() - kEndRecordSize + 1; at-- > 0;) {
        const uint8_t* p = window.data() + at;
        if (p[0] != 0x50 || GetU32(p) != kEndRecordSignature)
            continue;
        ThisDisk = GetU16(p + kEndThisDisk);
        CentralDirDisk = GetU16(p + kEndCentralDirDisk);
        EntriesOnThisDisk = GetU16(p + kEndEntriesOnThisDisk);
        TotalEntries = GetU16(p + kEndTotalEntries);
        CentralDirSize = GetU32(p + kEndCentralDirSize);
        CentralDirOffset = GetU32(p + kEndCentralDirOffset);
        CommentLength = GetU16(p + kEndCommentLength);
        const int64_t recordAt = windowStart + static_cast<int64_t>(at);
        CommentOffset = recordAt + kEndRecordSize;
        Zip64 = false;
        Zip64Prefix = 0;
        if (std::optional<zip64::TEndRecord> wide = zip64::FindEndRecord(file, recordAt)) {
            ThisDisk = wide->thisDisk;
            CentralDirDisk = wide->centralDirDisk;
            TotalEntries = wide->totalEntries;
            CentralDirSize = wide->centralDirSize;
            CentralDirOffset = wide->centralDirOffset;
            Zip64 = true;
            Zip64Prefix = wide->prefix;
        }
        return true;
    }
    return false;
}

void TZipEntryInfo::SetFileName(const std::string& name)
{
    size_t delimiter = paths::LastPathDelimiter(name);
    if (delimiter == std::string::npos) {
        DirectoryName.clear();
        LeafName = name;
    } else {
        DirectoryName.assign(name, 0, delimiter + 1);
        LeafName.assign(name, delimiter + 1);
        if (DirectoryName.back() != '\\')
            DirectoryName += '\\';
    }
    FileNameLength = static_cast<uint16_t>(DirectoryName.size() + LeafName.size());
}

bool TZipEntryInfo::ReadName(TBufferedStream& file, uint16_t length, bool convert, std::string& name)
{
    name.assign(length, '\0');
    if (length != 0 && file.Read(name.data(), length) != length)
        return false;
    std::replace(name.begin(), name.end(), '/', '\\');
    if (convert)
        platform::OemToAnsi(name);
    return true;
}

bool TZipEntryInfo::ReadCentralHeader(TBufferedStream& file, const TNextPartRequest& nextPart)
{
    TBufferedStream* in = &file;
    int64_t start = in->Position();
    uint8_t h[kCentralHeaderSize];
    size_t got = in->Read(h, sizeof h);
    bool cutAtPartEnd = got == 0 || (got >= 4 && got < sizeof h && GetU32(h) == kCentralHeaderSignature);
    if (nextPart && cutAtPartEnd) {
        if (TBufferedStream* next = nextPart()) {
            in = next;
            got += in->Read(h + got, sizeof h - got);
        }
    }
    std::string name;
    if (got != sizeof h || GetU32(h) != kCentralHeaderSignature) {
        in->Seek(start, TSeekFrom::Begin);
        return false;
    }
    TCentralHeader central(h, OEMConvert);
    if (!ReadName(*in, central.nameLength, central.oemName, name)) {
        in->Seek(start, TSeekFrom::Begin);
        return false;
    }
    if (central.NeedsZip64Extra()) {
        std::vector<uint8_t> extra(central.extraLength);
        extra.resize(in->Read(extra.data(), extra.size()));
        in->Seek(-static_cast<int64_t>(extra.size()), TSeekFrom::Current);
        central.TakeZip64Extra(extra.data(), extra.size());
    }
    VersionMadeBy = GetU16(h + kCentralVersionMadeBy);
    ReadSharedFields(h + kCentralShared);
    UncompressedSize = central.values.uncompressedSize;
    CentralExtraLength = central.extraLength;
    LocalExtraLength = 0;
    FileCommentLength = central.commentLength;
    DiskNumberStart = central.values.diskNumberStart;
    InternalAttributes = GetU16(h + kCentralInternalAttributes);
    ExternalAttributes = GetU32(h + kCentralExternalAttributes);
    LocalHeaderOffset = central.values.localHeaderOffset;
    CentralHeaderOffset = start;
    SetFileName(name);
    return true;
}

void TZipEntryInfo::ReadSharedFields(const uint8_t* p)
{
    VersionNeeded = GetU16(p + kSharedVersionNeeded);
    BitFlag = GetU16(p + kSharedBitFlag);
    CompressionMethod = GetU16(p + kSharedCompressionMethod);
    FileDateTime = GetU32(p + kSharedFileDateTime);
    Crc32 = GetU32(p + kSharedCrc32);
    CompressedSize = static_cast<int32_t>(GetU32(p + kSharedCompressedSize));
    UncompressedSize = GetU32(p + kSharedUncompressedSize);
}

bool TZipEntryInfo::ReadLocalHeader(TBufferedStream& file)
{
    int64_t start = file.Position();
    uint8_t h[kLocalHeaderSize];
    std::string name;
    if (file.Read(h, sizeof h) != sizeof h || GetU32(h) != kLocalHeaderSignature ||
        !ReadName(file, GetU16(h + kLocalFileNameLength), OEMConvert, name)) {
        file.Seek(start, TSeekFrom::Begin);
        return false;
    }
    VersionMadeBy = 0;
    ReadSharedFields(h + kLocalShared);
    CentralExtraLength = 0;
    LocalExtraLength = GetU16(h + kLocalExtraLength);
    FileCommentLength = 0;
    DiskNumberStart = 0;
    InternalAttributes = 0;
    ExternalAttributes = 0;
    LocalHeaderOffset = static_cast<uint64_t>(start);
    CentralHeaderOffset = 0;
    SetFileName(name);
    return true;
}

}  // namespace pk
