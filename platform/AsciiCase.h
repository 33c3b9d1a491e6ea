#pragma once
// Upper case of the ASCII letters alone, the same under every code page: "a" to "z" become
// "A" to "Z", every other byte stays as it is.
#include <string>
#include <string_view>

namespace pk::platform {

template <class TChar>
constexpr TChar UpperAscii(TChar c)
{
    return c >= 'a' && c <= 'z' ? static_cast<TChar>(c - 'a' + 'A') : c;
}

inline std::string UpperCaseAscii(std::string_view text)
{
    std::string upper(text);
    for (char& c : upper)
        c = UpperAscii(c);
    return upper;
}

}  // namespace pk::platform
