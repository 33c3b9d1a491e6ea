#include <windows.h>

#include "platform/Drives.h"
#include "platform/SystemServices.h"

namespace pk::platform {

namespace {

class TWin32Drives : public TDrives {
public:
    bool IsRemovable(const std::string& root) override { return GetDriveTypeA(root.c_str()) == DRIVE_REMOVABLE; }
    std::string VolumeLabel(const std::string& root) override
    {
        char label[MAX_PATH + 1] = {};
        if (!GetVolumeInformationA(root.c_str(), label, sizeof label, nullptr, nullptr, nullptr, nullptr, 0))
            return {};
        return label;
    }
};

}  // namespace

TDrives& SystemDrives()
{
    static TWin32Drives drives;
    return drives;
}

}  // namespace pk::platform
