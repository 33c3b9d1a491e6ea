#pragma once
#include <string>

namespace pk::platform {

// A backslash is a separator here, so Windows-style paths name the same files.
std::string NativePath(const std::string& path);

}  // namespace pk::platform
