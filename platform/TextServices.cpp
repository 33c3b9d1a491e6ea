#include "platform/TextServices.h"

#include "platform/Replaceable.h"
#include "platform/SystemServices.h"

namespace pk::platform {

namespace {
TReplaceable<const TLeadByteTable> leadBytes;
}

bool IsLeadByte(uint8_t b)
{
    const TLeadByteTable* table = leadBytes.Installed();
    return table ? (*table)[b] : SystemIsLeadByte(b);
}

const TLeadByteTable* ReplaceLeadBytes(const TLeadByteTable* table)
{
    return leadBytes.Replace(table);
}

}  // namespace pk::platform
