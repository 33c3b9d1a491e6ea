#pragma once
// Builders of small pack files for tests: WRP block files and plain ZIP archives.
#include <cstdint>
#include <string>
#include <vector>

namespace pk::testing {

struct TWrpBlock {
    int32_t unpackedSize = 0;
    std::string data;
    uint8_t tag = 0x57;
    int32_t dataLength = -2147483647 - 1;  // the default: data.size()
};

// The 27-byte header of one block.
std::string WrpHeader(uint8_t tag, int32_t dataLength, int32_t unpackedSize);
std::string WrpFile(const std::vector<TWrpBlock>& blocks);

struct TZipMember {
    std::string name;             // stored as given ("/" separates folders)
    uint32_t uncompressedSize = 0;
    uint8_t hostSystem = 3;       // 0 = MS-DOS, 3 = Unix
};

// A single-part archive whose entries are stored with the given names and sizes; the entry
// data is not written out (only the sizes count), so sizes may be large. The short form of
// TZipBuilder for the tests that only need names and sizes.
std::string ZipArchive(const std::vector<TZipMember>& members, const std::string& comment = "");

}  // namespace pk::testing
