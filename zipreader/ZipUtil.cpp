#include "zipreader/ZipUtil.h"

#include <cstdio>

#include "platform/File.h"
#include "platform/Process.h"
#include "platform/TextServices.h"

namespace pk::zip {

size_t LastPathDelimiter(const std::string& name)
{
    size_t last = std::string::npos;
    for (size_t i = 0; i < name.size(); ++i) {
        auto c = static_cast<uint8_t>(name[i]);
        // Lead bytes of every two-byte code page lie above the ASCII range.
        if (c >= 0x80 && platform::IsLeadByte(c) && i + 1 < name.size())
            ++i;
        else if (c == '\\' || c == ':')
            last = i;
    }
    return last;
}

namespace {

// Index of the dot that starts the extension, or npos.
size_t ExtensionStart(const std::string& name)
{
    size_t delimiter = LastPathDelimiter(name);
    size_t first = delimiter == std::string::npos ? 0 : delimiter + 1;
    size_t dot = name.rfind('.');
    return dot != std::string::npos && dot >= first ? dot : std::string::npos;
}

}  // namespace

std::string ExtractFileExt(const std::string& name)
{
    size_t dot = ExtensionStart(name);
    return dot == std::string::npos ? std::string() : name.substr(dot);
}

std::string ChangeFileExt(const std::string& name, const std::string& ext)
{
    size_t dot = ExtensionStart(name);
    return (dot == std::string::npos ? name : name.substr(0, dot)) + ext;
}

std::string ExtractFileDir(const std::string& name)
{
    size_t delimiter = LastPathDelimiter(name);
    if (delimiter == std::string::npos)
        return {};
    size_t end = delimiter + 1;
    // "C:\x" keeps "C:\", "\x" keeps "\"; "C:\dir\x" drops the backslash.
    if (delimiter > 0 && name[delimiter] == '\\' && name[delimiter - 1] != '\\' && name[delimiter - 1] != ':')
        end = delimiter;
    return name.substr(0, end);
}

std::string UpperCaseAscii(std::string text)
{
    for (char& c : text)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return text;
}

std::string ThreeDigits(int32_t n)
{
    char text[16];
    std::snprintf(text, sizeof text, "%03d", static_cast<int>(n));
    return text;
}

std::string CannotOpenFileText(const std::string& path, uint32_t osError)
{
    return std::string("Cannot open file \"")
        .append(platform::ExpandFileName(path))
        .append("\". ")
        .append(platform::OsErrorText(osError));
}

std::string IndexOutOfRangeText(int32_t index)
{
    return std::string("Index ").append(std::to_string(index)).append(" is out of range");
}

}  // namespace pk::zip
