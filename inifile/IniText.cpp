#include "inifile/IniText.h"

namespace pk {

TIniText SplitIniText(std::string_view bytes)
{
    TIniText text;
    size_t nul = bytes.find('\0');
    if (nul != std::string_view::npos) {
        bytes = bytes.substr(0, nul);
        text.cutAtNul = true;
    }
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            text.lines.emplace_back(bytes.substr(start));
            break;
        }
        text.lines.emplace_back(bytes.substr(start, end - start));
        start = end + 1;
        if (bytes[end] == '\r' && start < bytes.size() && bytes[start] == '\n')
            ++start;
    }
    return text;
}

std::string JoinIniLines(const std::vector<std::string>& lines)
{
    size_t total = 0;
    for (const std::string& line : lines)
        total += line.size() + 2;
    std::string bytes;
    bytes.reserve(total);
    for (const std::string& line : lines) {
        bytes += line;
        bytes += "\r\n";
    }
    return bytes;
}

}  // namespace pk
