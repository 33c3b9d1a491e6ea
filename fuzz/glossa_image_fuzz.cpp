// Feeds arbitrary bytes to the test suite's PE reader as a module file, then decodes its string
// table and version resource. Every failure must be std::runtime_error; nothing may crash,
// read out of bounds or hang.
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <vector>

#include "tests/langmodule/PeImage.h"
#include "tests/langmodule/StringTable.h"
#include "tests/langmodule/VersionResource.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    try {
        const pk::testing::TPeImage image(std::vector<uint8_t>(data, data + size));
        image.Exports();
        image.Imports();
        const std::vector<pk::testing::TPeResource> resources = image.Resources();
        pk::testing::DecodeStringTable(resources);
        for (const pk::testing::TPeResource& r : resources)
            if (r.type == pk::testing::TResourceName{16, u""})
                pk::testing::ParseVersionResource(r.data.data(), r.data.size());
    } catch (const std::runtime_error&) {
    }
    return 0;
}
