#include <windows.h>
// winuser.h keeps an old macro of this name for OemToCharA; it would rename our function.
#undef OemToAnsi

#include "platform/TextServices.h"

namespace pk::platform {

bool SystemIsLeadByte(uint8_t b)
{
    return IsDBCSLeadByte(b) != 0;
}

void OemToAnsi(std::string& text)
{
    if (!text.empty())
        OemToCharBuffA(text.data(), text.data(), static_cast<DWORD>(text.size()));
}

bool SameText(const std::string& a, const std::string& b)
{
    return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.data(), static_cast<int>(a.size()), b.data(),
                          static_cast<int>(b.size())) == CSTR_EQUAL;
}

namespace {

class Win32Drives : public TDrives {
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

TDrives& DefaultDrives()
{
    static Win32Drives drives;
    return drives;
}

}  // namespace pk::platform
