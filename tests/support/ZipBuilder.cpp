#include "tests/support/ZipBuilder.h"

#include <numeric>

#include "platform/LittleEndian.h"
#include "zipreader/ZipRecords.h"

namespace pk::testing {

namespace {

using le::PutU16;
using le::PutU32;

constexpr uint32_t kDosTime = 0x5A2B6C3D;
constexpr uint32_t kCrc = 0x12345678;

}  // namespace

std::string LocalHeader(const TZipEntry& e)
{
    std::string h;
    PutU32(h, kLocalHeaderSignature);
    PutU16(h, e.versionNeeded);
    PutU16(h, e.bitFlag);
    PutU16(h, 0);  // stored
    PutU32(h, kDosTime);
    PutU32(h, kCrc);
    PutU32(h, e.localCompressedSize.value_or(static_cast<uint32_t>(e.data.size())));
    PutU32(h, e.localUncompressedSize.value_or(e.UncompressedSize()));
    PutU16(h, static_cast<uint16_t>(e.name.size()));
    PutU16(h, static_cast<uint16_t>(e.localExtra.size()));
    return h + e.name + e.localExtra;
}

std::string CentralHeader(const TZipEntry& e, uint32_t localHeaderOffset)
{
    std::string h;
    PutU32(h, kCentralHeaderSignature);
    PutU16(h, e.versionMadeBy);
    PutU16(h, e.versionNeeded);
    PutU16(h, e.bitFlag);
    PutU16(h, 0);
    PutU32(h, kDosTime);
    PutU32(h, kCrc);
    PutU32(h, static_cast<uint32_t>(e.data.size()));
    PutU32(h, e.UncompressedSize());
    PutU16(h, static_cast<uint16_t>(e.name.size()));
    PutU16(h, e.centralExtraLength.value_or(static_cast<uint16_t>(e.centralExtra.size())));
    PutU16(h, static_cast<uint16_t>(e.comment.size()));
    PutU16(h, e.diskNumberStart);
    PutU16(h, 0);
    PutU32(h, 0x20);
    PutU32(h, e.localHeaderOffset.value_or(localHeaderOffset));
    return h + e.name + e.centralExtra + e.comment;
}

std::string EndRecordBytes(const TEndRecord& r, uint16_t entries, uint32_t size, uint32_t offset)
{
    std::string h;
    PutU32(h, kEndRecordSignature);
    PutU16(h, r.thisDisk);
    PutU16(h, r.centralDirDisk);
    PutU16(h, r.entriesOnThisDisk.value_or(entries));
    PutU16(h, r.totalEntries.value_or(entries));
    PutU32(h, size);
    PutU32(h, r.centralDirOffset.value_or(offset));
    PutU16(h, r.commentLength.value_or(static_cast<uint16_t>(r.comment.size())));
    return h + r.comment;
}

TZipBuilder& TZipBuilder::Prefix(const std::string& bytes)
{
    prefix = bytes;
    return *this;
}

TZipBuilder& TZipBuilder::Add(const TZipEntry& entry)
{
    entries.push_back(entry);
    return *this;
}

TZipBuilder& TZipBuilder::CentralOrder(const std::vector<size_t>& newOrder)
{
    order = newOrder;
    return *this;
}

TZipBuilder& TZipBuilder::End(const TEndRecord& record)
{
    end = record;
    return *this;
}

TZipBuilder& TZipBuilder::WithoutEndRecord()
{
    withEnd = false;
    return *this;
}

TBuiltZip TZipBuilder::Build() const
{
    TBuiltZip zip;
    zip.bytes = prefix;
    for (const TZipEntry& e : entries) {
        zip.localOffsets.push_back(static_cast<uint32_t>(zip.bytes.size()));
        zip.bytes += LocalHeader(e) + e.data;
        if (e.bitFlag & 0x08) {
            PutU32(zip.bytes, 0x08074B50);
            PutU32(zip.bytes, kCrc);
            PutU32(zip.bytes, static_cast<uint32_t>(e.data.size()));
            PutU32(zip.bytes, e.UncompressedSize());
        }
    }
    std::vector<size_t> central = order;
    if (central.empty()) {
        central.resize(entries.size());
        std::iota(central.begin(), central.end(), size_t{0});
    }
    zip.centralDirOffset = static_cast<uint32_t>(zip.bytes.size());
    for (size_t i : central)
        zip.bytes += CentralHeader(entries[i], zip.localOffsets[i]);
    zip.endRecordOffset = static_cast<uint32_t>(zip.bytes.size());
    if (withEnd)
        zip.bytes += EndRecordBytes(end, static_cast<uint16_t>(central.size()),
                                    zip.endRecordOffset - zip.centralDirOffset, zip.centralDirOffset);
    return zip;
}

}  // namespace pk::testing
