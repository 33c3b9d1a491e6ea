#pragma once
// Facts about drives, which the reader of archives split over removable disks needs.
#include <string>

namespace pk::platform {

// Facts about the drive whose root is given as "X:\".
class TDrives {
public:
    virtual ~TDrives() = default;
    virtual bool IsRemovable(const std::string& root) = 0;
    virtual std::string VolumeLabel(const std::string& root) = 0;
};

// The drive facts in use; the flavour's own unless others were installed.
TDrives& Drives();
TDrives* ReplaceDrives(TDrives* drives);

}  // namespace pk::platform
