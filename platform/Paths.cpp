#include "platform/Paths.h"

#include <cstdint>

#include "platform/TextServices.h"

namespace pk::paths {

size_t LastPathDelimiter(const std::string& path)
{
    size_t last = std::string::npos;
    for (size_t i = 0; i < path.size(); ++i) {
        auto c = static_cast<uint8_t>(path[i]);
        // Lead bytes of every two-byte code page lie above the ASCII range.
        if (c >= 0x80 && platform::IsLeadByte(c) && i + 1 < path.size())
            ++i;
        else if (c == '\\' || c == ':')
            last = i;
    }
    return last;
}

namespace {

// Index of the dot that starts the extension, or npos.
size_t ExtensionStart(const std::string& path)
{
    size_t delimiter = LastPathDelimiter(path);
    size_t first = delimiter == std::string::npos ? 0 : delimiter + 1;
    size_t dot = path.rfind('.');
    return dot != std::string::npos && dot >= first ? dot : std::string::npos;
}

}  // namespace

std::string ExtractFilePath(const std::string& path)
{
    size_t delimiter = LastPathDelimiter(path);
    return delimiter == std::string::npos ? std::string() : path.substr(0, delimiter + 1);
}

std::string ExtractFileDir(const std::string& path)
{
    size_t delimiter = LastPathDelimiter(path);
    if (delimiter == std::string::npos)
        return {};
    size_t end = delimiter + 1;
    // "C:\x" keeps "C:\", "\x" keeps "\"; "C:\dir\x" drops the backslash.
    if (delimiter > 0 && path[delimiter] == '\\' && path[delimiter - 1] != '\\' && path[delimiter - 1] != ':')
        end = delimiter;
    return path.substr(0, end);
}

std::string ExtractFileExt(const std::string& path)
{
    size_t dot = ExtensionStart(path);
    return dot == std::string::npos ? std::string() : path.substr(dot);
}

std::string ChangeFileExt(const std::string& path, const std::string& ext)
{
    size_t dot = ExtensionStart(path);
    return (dot == std::string::npos ? path : path.substr(0, dot)) + ext;
}

std::string AddPath(const std::string& directory, const std::string& name)
{
    std::string result = directory;
    if (!name.empty() && (result.empty() || result.back() != '\\'))
        result += '\\';
    return result + (!name.empty() && name[0] == '\\' ? name.substr(1) : name);
}

std::string WithSeparators(std::string path, char separator)
{
    for (char& c : path)
        if (c == '/' || c == '\\')
            c = separator;
    return path;
}

}  // namespace pk::paths
