#include <windows.h>
// winuser.h keeps an old macro of this name for OemToCharA; it would rename our function.
#undef OemToAnsi

#include "platform/SystemServices.h"
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

bool SameText(std::string_view a, std::string_view b)
{
    // An empty view may have no data pointer, which the comparison refuses.
    return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.empty() ? "" : a.data(), static_cast<int>(a.size()),
                          b.empty() ? "" : b.data(), static_cast<int>(b.size())) == CSTR_EQUAL;
}

// Sort keys of the same flags compare equal exactly when CompareStringA does. The mapping
// refuses an empty text, so every name gets the same character appended: that changes no
// equality and gives the empty name a key too.
std::string NameKey(std::string_view name)
{
    std::string text(name);
    text += '\x01';
    const DWORD flags = LCMAP_SORTKEY | NORM_IGNORECASE;
    int size = LCMapStringA(LOCALE_USER_DEFAULT, flags, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::string key(static_cast<size_t>(size > 0 ? size : 0), '\0');
    if (size > 0)
        LCMapStringA(LOCALE_USER_DEFAULT, flags, text.data(), static_cast<int>(text.size()),
                     reinterpret_cast<LPSTR>(key.data()), size);
    return key;
}

}  // namespace pk::platform
