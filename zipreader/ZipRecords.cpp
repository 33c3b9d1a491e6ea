#include "zipreader/ZipRecords.h"

#include <algorithm>
#include <vector>

#include "platform/TextServices.h"
#include "zipreader/ZipUtil.h"

namespace pk {

using platform::SeekFrom;
using zip::GetU16;
using zip::GetU32;

void TEndOfCentralDir::Reset()
{
    Signature = kEndRecordSignature;
    ThisDisk = CentralDirDisk = EntriesOnThisDisk = TotalEntries = 0;
    CentralDirSize = CentralDirOffset = 0;
    CommentLength = 0;
    Comment.clear();
    CommentOffset = 0;
    CommentChanged = false;
}

bool TEndOfCentralDir::FindEndRecord(TBufferedStream& file)
{
    int64_t size = file.Size();
    if (size < kEndRecordSize)
        return size == 0;
    int64_t windowStart = size - std::min<int64_t>(kEndRecordWindow, size);
    std::vector<uint8_t> window(static_cast<size_t>(size - windowStart));
    file.Seek(windowStart, SeekFrom::Begin);
    if (file.Read(window.data(), window.size()) != window.size())
        return false;
    for (size_t at = window.size() - kEndRecordSize + 1; at-- > 0;) {
        const uint8_t* p = window.data() + at;
        if (p[0] != 0x50 || GetU32(p) != kEndRecordSignature)
            continue;
        ThisDisk = GetU16(p + 4);
        CentralDirDisk = GetU16(p + 6);
        EntriesOnThisDisk = GetU16(p + 8);
        TotalEntries = GetU16(p + 10);
        CentralDirSize = GetU32(p + 12);
        CentralDirOffset = GetU32(p + 16);
        CommentLength = GetU16(p + 20);
        CommentOffset = static_cast<int32_t>(windowStart + static_cast<int64_t>(at) + kEndRecordSize);
        return true;
    }
    return false;
}

void TZipEntryInfo::SetFileName(const std::string& name)
{
    size_t delimiter = zip::LastPathDelimiter(name);
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
        in = &nextPart();
        got += in->Read(h + got, sizeof h - got);
    }
    std::string name;
    if (got != sizeof h || GetU32(h) != kCentralHeaderSignature ||
        !ReadName(*in, GetU16(h + 28), h[5] == 0 && OEMConvert, name)) {
        in->Seek(start, SeekFrom::Begin);
        return false;
    }
    VersionMadeBy = GetU16(h + 4);
    ReadSharedFields(h + 6);
    CentralExtraLength = GetU16(h + 30);
    LocalExtraLength = 0;
    FileCommentLength = GetU16(h + 32);
    DiskNumberStart = GetU16(h + 34);
    InternalAttributes = GetU16(h + 36);
    ExternalAttributes = GetU32(h + 38);
    LocalHeaderOffset = GetU32(h + 42);
    CentralHeaderOffset = static_cast<int32_t>(start);
    SetFileName(name);
    return true;
}

void TZipEntryInfo::ReadSharedFields(const uint8_t* p)
{
    VersionNeeded = GetU16(p);
    BitFlag = GetU16(p + 2);
    CompressionMethod = GetU16(p + 4);
    FileDateTime = GetU32(p + 6);
    Crc32 = GetU32(p + 10);
    CompressedSize = static_cast<int32_t>(GetU32(p + 14));
    UncompressedSize = GetU32(p + 18);
}

bool TZipEntryInfo::ReadLocalHeader(TBufferedStream& file)
{
    int64_t start = file.Position();
    uint8_t h[kLocalHeaderSize];
    std::string name;
    if (file.Read(h, sizeof h) != sizeof h || GetU32(h) != kLocalHeaderSignature ||
        !ReadName(file, GetU16(h + 26), OEMConvert, name)) {
        file.Seek(start, SeekFrom::Begin);
        return false;
    }
    VersionMadeBy = 0;
    ReadSharedFields(h + 4);
    CentralExtraLength = 0;
    LocalExtraLength = GetU16(h + 28);
    FileCommentLength = 0;
    DiskNumberStart = 0;
    InternalAttributes = 0;
    ExternalAttributes = 0;
    LocalHeaderOffset = static_cast<uint32_t>(start);
    CentralHeaderOffset = 0;
    SetFileName(name);
    return true;
}

}  // namespace pk
