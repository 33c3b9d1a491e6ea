#pragma once
#include <string>

namespace pk::platform {

// A backslash is a separator here, so Windows-style paths name the same files; a name that
// does not exist as written is found as NameOnDisk finds it.
std::string NativePath(const std::string& path);

}  // namespace pk::platform
