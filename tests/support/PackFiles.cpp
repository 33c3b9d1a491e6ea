#include "tests/support/PackFiles.h"

namespace pk::testing {

namespace {

void Put16(std::string& out, uint32_t v)
{
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>((v >> 8) & 0xFF);
}

void Put32(std::string& out, uint32_t v)
{
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

}  // namespace

std::string WrpHeader(uint8_t tag, int32_t dataLength, int32_t unpackedSize)
{
    std::string h(27, '\0');
    h[0] = static_cast<char>(tag);
    for (int i = 0; i < 4; ++i) {
        h[13 + i] = static_cast<char>((static_cast<uint32_t>(dataLength) >> (8 * i)) & 0xFF);
        h[23 + i] = static_cast<char>((static_cast<uint32_t>(unpackedSize) >> (8 * i)) & 0xFF);
    }
    return h;
}

std::string WrpFile(const std::vector<WrpBlock>& blocks)
{
    std::string out;
    for (const WrpBlock& b : blocks) {
        int32_t length = b.dataLength == -2147483647 - 1 ? static_cast<int32_t>(b.data.size()) : b.dataLength;
        out += WrpHeader(b.tag, length, b.unpackedSize) + b.data;
    }
    return out;
}

std::string ZipArchive(const std::vector<ZipMember>& members, const std::string& comment)
{
    std::string local, central;
    for (const ZipMember& m : members) {
        uint32_t offset = static_cast<uint32_t>(local.size());
        Put32(local, 0x04034B50);
        Put16(local, 10);  // version needed
        Put16(local, 0);   // flags
        Put16(local, 0);   // stored
        Put32(local, 0);   // time and date
        Put32(local, 0);   // crc
        Put32(local, 0);   // compressed size: no data is written
        Put32(local, m.uncompressedSize);
        Put16(local, static_cast<uint32_t>(m.name.size()));
        Put16(local, 0);
        local += m.name;

        Put32(central, 0x02014B50);
        Put16(central, static_cast<uint32_t>(m.hostSystem) << 8 | 20);
        Put16(central, 10);
        Put16(central, 0);
        Put16(central, 0);
        Put32(central, 0);
        Put32(central, 0);
        Put32(central, 0);
        Put32(central, m.uncompressedSize);
        Put16(central, static_cast<uint32_t>(m.name.size()));
        Put16(central, 0);  // extra
        Put16(central, 0);  // comment
        Put16(central, 0);  // disk
        Put16(central, 0);  // internal attributes
        Put32(central, 0);  // external attributes
        Put32(central, offset);
        central += m.name;
    }
    std::string out = local + central;
    Put32(out, 0x06054B50);
    Put16(out, 0);
    Put16(out, 0);
    Put16(out, static_cast<uint32_t>(members.size()));
    Put16(out, static_cast<uint32_t>(members.size()));
    Put32(out, static_cast<uint32_t>(central.size()));
    Put32(out, static_cast<uint32_t>(local.size()));
    Put16(out, static_cast<uint32_t>(comment.size()));
    return out + comment;
}

}  // namespace pk::testing
