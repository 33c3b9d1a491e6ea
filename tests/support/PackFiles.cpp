#include "tests/support/PackFiles.h"

#include "measure/WrpFile.h"
#include "platform/LittleEndian.h"
#include "tests/support/ZipBuilder.h"

namespace pk::testing {

std::string WrpHeader(uint8_t tag, int32_t dataLength, int32_t unpackedSize)
{
    std::string fields;
    le::PutU32(fields, static_cast<uint32_t>(dataLength));
    le::PutU32(fields, static_cast<uint32_t>(unpackedSize));
    std::string h(wrpfield::kHeaderSize, '\0');
    h[wrpfield::kTag] = static_cast<char>(tag);
    h.replace(wrpfield::kDataLength, 4, fields, 0, 4);
    h.replace(wrpfield::kUnpackedSize, 4, fields, 4, 4);
    return h;
}

std::string WrpFile(const std::vector<TWrpBlock>& blocks)
{
    std::string out;
    for (const TWrpBlock& b : blocks) {
        int32_t length = b.dataLength == -2147483647 - 1 ? static_cast<int32_t>(b.data.size()) : b.dataLength;
        out += WrpHeader(b.tag, length, b.unpackedSize) + b.data;
    }
    return out;
}

std::string ZipArchive(const std::vector<TZipMember>& members, const std::string& comment)
{
    TZipBuilder builder;
    for (const TZipMember& m : members)
        builder.Add(TZipEntry(m.name).Size(m.uncompressedSize).MadeBy(static_cast<uint16_t>(m.hostSystem << 8 | 20)));
    return builder.End(TEndRecord().Comment(comment)).Build().bytes;
}

}  // namespace pk::testing
