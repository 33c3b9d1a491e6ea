#include "zipreader/ZipUtil.h"

#include <cstdio>

#include "platform/File.h"
#include "platform/Process.h"

namespace pk::zip {

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
