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

std::string AnsiToUtf8(const std::string& text)
{
    if (text.empty())
        return {};
    const int length = static_cast<int>(text.size());
    int wide = MultiByteToWideChar(CP_ACP, 0, text.data(), length, nullptr, 0);
    std::wstring utf16(static_cast<size_t>(wide), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), length, utf16.data(), wide);
    int bytes = WideCharToMultiByte(CP_UTF8, 0, utf16.data(), wide, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, utf16.data(), wide, out.data(), bytes, nullptr, nullptr);
    return out;
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
