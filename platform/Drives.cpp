#include "platform/Drives.h"

#include "platform/Replaceable.h"
#include "platform/SystemServices.h"

namespace pk::platform {

namespace {
TReplaceable<TDrives> drives;
}

TDrives& Drives()
{
    return drives.Get(SystemDrives);
}

TDrives* ReplaceDrives(TDrives* replacement)
{
    return drives.Replace(replacement);
}

}  // namespace pk::platform
