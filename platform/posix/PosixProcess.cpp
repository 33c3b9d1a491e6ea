#include <climits>
#include <fstream>
#include <unistd.h>
#include <vector>

#include "platform/Paths.h"
#include "platform/Process.h"
#include "platform/SystemServices.h"

namespace pk::platform {

namespace {

std::string ToWindowsStyle(const std::string& path)
{
    return paths::WithSeparators(path, '\\');
}

}  // namespace

std::string SystemProgramPath()
{
    std::vector<char> buf(PATH_MAX + 1);
    ssize_t n = readlink("/proc/self/exe", buf.data(), PATH_MAX);
    return ToWindowsStyle(n > 0 ? std::string(buf.data(), static_cast<size_t>(n)) : std::string());
}

std::string SystemCommandLine()
{
    // Rebuilt from the argument vector; arguments with blanks are quoted.
    std::ifstream in("/proc/self/cmdline", std::ios::binary);
    std::string all((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::string line;
    size_t start = 0;
    while (start < all.size()) {
        size_t end = all.find('\0', start);
        if (end == std::string::npos)
            end = all.size();
        std::string arg = all.substr(start, end - start);
        if (!line.empty())
            line += ' ';
        line += arg.find_first_of(" \t") == std::string::npos && !arg.empty() ? arg : '"' + arg + '"';
        start = end + 1;
    }
    return line;
}

std::string CurrentDirectory()
{
    std::vector<char> buf(PATH_MAX + 1);
    return ToWindowsStyle(getcwd(buf.data(), buf.size()) ? buf.data() : "/");
}

std::string ExpandFileName(const std::string& path)
{
    std::string full = ToWindowsStyle(path);
    if (full.empty() || full[0] != '\\')
        full = CurrentDirectory() + "\\" + full;
    // Resolve "." and ".." and doubled separators, keeping a trailing separator.
    std::vector<std::string> parts;
    size_t start = 1;
    while (start <= full.size()) {
        size_t end = full.find('\\', start);
        if (end == std::string::npos)
            end = full.size();
        std::string part = full.substr(start, end - start);
        if (part == "..") {
            if (!parts.empty())
                parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        start = end + 1;
    }
    std::string result;
    for (const std::string& part : parts)
        result += "\\" + part;
    if (result.empty() || (full.back() == '\\' && full.size() > 1))
        result += "\\";
    return result;
}

}  // namespace pk::platform
