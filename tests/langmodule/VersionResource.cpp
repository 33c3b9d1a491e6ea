#include "tests/langmodule/VersionResource.h"

#include <cstring>
#include <stdexcept>

namespace pk::testing {
namespace {

size_t Align4(size_t offset)
{
    return (offset + 3) & ~size_t{3};
}

uint16_t ReadWord(const uint8_t* data, size_t offset, size_t end)
{
    if (offset + 2 > end)
        throw std::runtime_error("version node cut short");
    uint16_t word;
    std::memcpy(&word, data + offset, 2);
    return word;
}

// A version resource nests four levels at most; the limit keeps hostile input off the stack.
constexpr int kMaxDepth = 8;

// Offsets count from the start of the resource, which is where the 32-bit alignment is anchored.
TVersionNode ParseNode(const uint8_t* data, size_t begin, size_t limit, int depth)
{
    if (depth > kMaxDepth)
        throw std::runtime_error("version nodes nested too deep");
    TVersionNode node;
    node.length = ReadWord(data, begin, limit);
    const uint16_t valueLength = ReadWord(data, begin + 2, limit);
    node.type = ReadWord(data, begin + 4, limit);
    const size_t end = begin + node.length;
    if (node.length < 6 || end > limit)
        throw std::runtime_error("version node length out of range");

    size_t offset = begin + 6;
    for (uint16_t c; (c = ReadWord(data, offset, end)) != 0; offset += 2)
        node.key.push_back(c);
    offset = Align4(offset + 2);

    const size_t valueBytes = node.type == 1 ? valueLength * 2u : valueLength;
    if (offset + valueBytes > end)
        throw std::runtime_error("version value out of range");
    node.value.assign(data + offset, data + offset + valueBytes);
    offset = Align4(offset + valueBytes);

    while (offset < end) {
        node.children.push_back(ParseNode(data, offset, end, depth + 1));
        offset = Align4(offset + node.children.back().length);
    }
    return node;
}

}  // namespace

std::u16string TVersionNode::TextValue() const
{
    std::u16string text;
    for (size_t i = 0; i + 1 < value.size(); i += 2)
        text.push_back(static_cast<char16_t>(value[i] | value[i + 1] << 8));
    while (!text.empty() && text.back() == u'\0')
        text.pop_back();
    return text;
}

TVersionNode ParseVersionResource(const uint8_t* data, size_t size)
{
    return ParseNode(data, 0, size, 0);
}

}  // namespace pk::testing
