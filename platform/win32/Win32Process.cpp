#include <windows.h>

#include <vector>

#include "platform/Process.h"
#include "platform/SystemServices.h"

namespace pk::platform {

std::string SystemProgramPath()
{
    std::vector<char> buf(MAX_PATH);
    for (;;) {
        DWORD n = GetModuleFileNameA(nullptr, buf.data(), static_cast<DWORD>(buf.size()));
        if (n < buf.size())
            return std::string(buf.data(), n);
        buf.resize(buf.size() * 2);
    }
}

std::string SystemCommandLine()
{
    return GetCommandLineA();
}

std::string CurrentDirectory()
{
    DWORD n = GetCurrentDirectoryA(0, nullptr);
    std::vector<char> buf(n + 1);
    n = GetCurrentDirectoryA(static_cast<DWORD>(buf.size()), buf.data());
    return std::string(buf.data(), n);
}

std::string ExpandFileName(const std::string& path)
{
    if (path.empty())
        return path;
    DWORD n = GetFullPathNameA(path.c_str(), 0, nullptr, nullptr);
    if (n == 0)
        return path;
    std::vector<char> buf(n + 1);
    n = GetFullPathNameA(path.c_str(), static_cast<DWORD>(buf.size()), buf.data(), nullptr);
    return std::string(buf.data(), n);
}

}  // namespace pk::platform
