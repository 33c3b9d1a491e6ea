#include "tests/langmodule/StringTable.h"

#include <stdexcept>

namespace pk::testing {
namespace {

constexpr uint16_t kStringType = 6;
constexpr uint16_t kStringsPerBlock = 16;

}  // namespace

std::vector<TTableString> DecodeStringTable(std::span<const TPeResource> resources)
{
    std::vector<TTableString> strings;
    for (const TPeResource& block : resources) {
        if (block.type != TResourceName{kStringType, u""})
            continue;
        if (!block.name.text.empty() || block.name.id == 0 || block.name.id > 0x1000)
            throw std::runtime_error("string block without a valid number");
        const auto data = block.data;
        size_t offset = 0;
        for (uint16_t slot = 0; slot < kStringsPerBlock; ++slot) {
            if (offset + 2 > data.size())
                throw std::runtime_error("string block cut short");
            const size_t length = data[offset] | data[offset + 1] << 8;
            offset += 2;
            if (length * 2 > data.size() - offset)
                throw std::runtime_error("string runs past its block");
            TTableString entry{static_cast<uint16_t>((block.name.id - 1) * kStringsPerBlock + slot), block.language,
                               u""};
            for (size_t i = 0; i < length; ++i, offset += 2)
                entry.text.push_back(static_cast<char16_t>(data[offset] | data[offset + 1] << 8));
            if (length != 0)
                strings.push_back(std::move(entry));
        }
    }
    return strings;
}

}  // namespace pk::testing
