#pragma once
// Helpers of the mask tests. The lead-byte tables make results independent of the machine's code
// page and let the two-byte paths run in a native build too.
#include <string>

#include "measure/Masks.h"
#include "platform/Exceptions.h"
#include "platform/TextServices.h"

namespace pk::testing {

// Code page 932 (Japanese).
inline const platform::TLeadByteTable& Cp932LeadBytes()
{
    static const platform::TLeadByteTable table = [] {
        platform::TLeadByteTable t{};
        for (int b = 0; b < 256; ++b)
            t[b] = (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
        return t;
    }();
    return table;
}

// Any single-byte code page.
inline const platform::TLeadByteTable& NoLeadBytes()
{
    static const platform::TLeadByteTable table{};
    return table;
}

// The exact message of the error that compiling the mask raises, or "valid".
inline std::string CompileError(const std::string& mask)
{
    try {
        TMask compiled(mask);
    } catch (const EMaskException& e) {
        return e.what();
    }
    return "valid";
}

}  // namespace pk::testing
