#include "inifile/IniText.h"

namespace pk {

TIniLineReader::TIniLineReader(std::string_view bytes) : rest(bytes)
{
    size_t nul = rest.find('\0');
    if (nul != std::string_view::npos) {
        rest = rest.substr(0, nul);
        cutAtNul = true;
    }
}

bool TIniLineReader::Next(std::string_view& line)
{
    if (rest.empty())
        return false;
    size_t end = rest.find_first_of("\r\n");
    if (end == std::string_view::npos) {
        line = rest;
        rest = {};
        return true;
    }
    line = rest.substr(0, end);
    size_t next = end + 1;
    if (rest[end] == '\r' && next < rest.size() && rest[next] == '\n')
        ++next;
    rest.remove_prefix(next);
    return true;
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
