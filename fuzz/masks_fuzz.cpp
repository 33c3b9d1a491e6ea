// Compiles arbitrary bytes as a mask and matches arbitrary bytes against it, in a single-byte
// code page and in one with two-byte characters.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "measure/Masks.h"
#include "platform/Exceptions.h"
#include "platform/Replaceable.h"
#include "tests/measure/MaskTestSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const bool twoByte = input.ConsumeBool();
    pk::platform::TInstalled<const pk::platform::TLeadByteTable> leadBytes{
        pk::platform::ReplaceLeadBytes, twoByte ? pk::testing::Cp932LeadBytes() : pk::testing::NoLeadBytes()};
    const std::string mask = input.ConsumeRandomLengthString();
    const std::string name = input.ConsumeRemainingBytesAsString();
    try {
        const pk::TMask compiled(mask);
        compiled.Matches(name);
        compiled.Matches(mask);
    } catch (const pk::EMaskException&) {
        // Invalid masks are expected input.
    }
    return 0;
}
