#include "platform/TextServices.h"

#include "platform/Replaceable.h"

namespace pk::platform {

bool SystemIsLeadByte(uint8_t b);  // the flavour's own table
TDrives& DefaultDrives();

namespace {
const TLeadByteTable* leadBytesOverride = nullptr;
TReplaceable<TDrives> drives;
}

bool IsLeadByte(uint8_t b)
{
    return leadBytesOverride ? (*leadBytesOverride)[b] : SystemIsLeadByte(b);
}

void OverrideLeadBytes(const TLeadByteTable* table)
{
    leadBytesOverride = table;
}

TDrives& SystemDrives()
{
    return drives.Get(DefaultDrives);
}

TDrives* SetDrives(TDrives* replacement)
{
    return drives.Replace(replacement);
}

}  // namespace pk::platform
