#include "measure/WrpFile.h"

#include <cstring>

#include "platform/Exceptions.h"
#include "platform/File.h"
#include "platform/LittleEndian.h"
#include "platform/UserInterface.h"

namespace pk {

namespace {

using wrpfield::kHeaderSize;

struct TBlockHeader {
    uint8_t tag = 0;
    int32_t dataLength = 0;
    int32_t unpackedSize = 0;
};

// Reads the header at offset; returns how many of its bytes arrived.
size_t ReadHeader(platform::TFile& file, int64_t offset, TBlockHeader& header)
{
    uint8_t raw[kHeaderSize];
    size_t got = file.ReadAt(offset, raw, kHeaderSize);
    if (got == kHeaderSize) {
        header.tag = raw[wrpfield::kTag];
        header.dataLength = static_cast<int32_t>(le::GetU32(raw + wrpfield::kDataLength));
        header.unpackedSize = static_cast<int32_t>(le::GetU32(raw + wrpfield::kUnpackedSize));
    }
    return got;
}

std::string Quoted(const std::string& path)
{
    return "\"" + path + "\"";
}

}  // namespace

int32_t PackFileSize(const std::string& path, bool* empty)
{
    if (!platform::FileExists(path)) {
        platform::ShowError("PACKFile " + Quoted(path) + " does not exist");
        return -1;
    }
    platform::TFile file;
    try {
        file.OpenRead(path, platform::TShare::DenyWrite);
    } catch (const EInOutError& e) {
        platform::ShowError("I/O error reading " + path + "   I/O errorcode:" + std::to_string(e.ErrorCode()));
        return -1;
    }
    const int64_t fileSize = file.Size();

    TBlockHeader header;
    size_t got = ReadHeader(file, 0, header);
    if (empty)
        *empty = got == 0;
    if (got == 0)
        return 0;
    if (got < kHeaderSize) {
        platform::ShowError("Error reading first block in packfile " + Quoted(path));
        return -1;
    }
    if (header.unpackedSize < 0 || header.unpackedSize > 65535)
        throw ERangeError(kRangeCheckError);
    if (header.dataLength < 0)
        return -1;

    const uint8_t tag = header.tag;
    int32_t sum = header.unpackedSize;
    int64_t headerOffset = 0;
    // A header that ends the walk by its tag or a negative size has already been counted.
    while (header.tag == tag && header.unpackedSize >= 0) {
        // A negative length would lead back to a header already read: the file is damaged.
        if (header.dataLength < 0) {
            platform::ShowError("Error reading block in packfile " + Quoted(path));
            return -1;
        }
        headerOffset += static_cast<int64_t>(kHeaderSize) + header.dataLength;
        got = ReadHeader(file, headerOffset, header);
        if (headerOffset + static_cast<int64_t>(got) >= fileSize)
            break;  // what was read at the end is not counted
        if (got < kHeaderSize) {
            platform::ShowError("Error reading block in packfile " + Quoted(path));
            return -1;
        }
        sum = CheckedAdd(sum, header.unpackedSize);
    }
    return sum;
}

}  // namespace pk
