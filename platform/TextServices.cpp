#include "platform/TextServices.h"

#include "platform/Replaceable.h"

namespace pk::platform {

bool SystemIsLeadByte(uint8_t b);  // the flavour's own table
Drives& DefaultDrives();

namespace {
const LeadByteTable* leadBytesOverride = nullptr;
Replaceable<Drives> drives;
}

bool IsLeadByte(uint8_t b)
{
    return leadBytesOverride ? (*leadBytesOverride)[b] : SystemIsLeadByte(b);
}

void OverrideLeadBytes(const LeadByteTable* table)
{
    leadBytesOverride = table;
}

Drives& SystemDrives()
{
    return drives.Get(DefaultDrives);
}

Drives* SetDrives(Drives* replacement)
{
    return drives.Replace(replacement);
}

}  // namespace pk::platform
