#include "platform/TextServices.h"

namespace pk::platform {

bool SystemIsLeadByte(uint8_t b);  // the flavour's own table
Drives& DefaultDrives();

namespace {
const LeadByteTable* leadBytesOverride = nullptr;
Drives* drivesOverride = nullptr;
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
    return drivesOverride ? *drivesOverride : DefaultDrives();
}

Drives* SetDrives(Drives* drives)
{
    Drives* previous = drivesOverride;
    drivesOverride = drives;
    return previous;
}

}  // namespace pk::platform
