#include "platform/Drives.h"
#include "platform/SystemServices.h"

namespace pk::platform {

namespace {

// Without drive letters nothing is removable and no volume has a label.
class TNoRemovableDrives : public TDrives {
public:
    bool IsRemovable(const std::string&) override { return false; }
    std::string VolumeLabel(const std::string&) override { return {}; }
};

}  // namespace

TDrives& SystemDrives()
{
    static TNoRemovableDrives drives;
    return drives;
}

}  // namespace pk::platform
