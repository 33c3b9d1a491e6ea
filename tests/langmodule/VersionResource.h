#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace pk::testing {

// One node of a version resource: key, value and child nodes, as stored in the module.
struct TVersionNode {
    size_t length = 0;
    uint16_t type = 0;  // 1 for a text value, 0 for binary
    std::u16string key;
    std::vector<uint8_t> value;
    std::vector<TVersionNode> children;

    std::u16string TextValue() const;  // without the terminating zeros
};

// Reads the tree of a version resource; throws std::runtime_error on a malformed one.
TVersionNode ParseVersionResource(const uint8_t* data, size_t size);

}  // namespace pk::testing
