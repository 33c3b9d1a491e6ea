#pragma once
// Windows-style path texts: the parts of a path and the joining of a folder and a name. Only
// the backslash and the colon separate parts; the trail byte of a two-byte character never
// does, so every caller splits a path the same way.
#include <cstddef>
#include <string>

namespace pk::paths {

// Index of the last "\" or ":", skipping the trail bytes of two-byte characters; npos when
// there is none.
size_t LastPathDelimiter(const std::string& path);

// The folder part with its trailing "\" or ":" ("C:\Kit\" of "C:\Kit\SETUP.INI"); empty
// when the path has no folder part.
std::string ExtractFilePath(const std::string& path);
// The folder part without its trailing "\" (kept for a root such as "C:\").
std::string ExtractFileDir(const std::string& path);
// The extension with its dot (".zip"), empty when the last part of the path has no dot.
std::string ExtractFileExt(const std::string& path);
// The path with its extension replaced by ext, or ext appended when it has none.
std::string ChangeFileExt(const std::string& path, const std::string& ext);

// Joins directory and name with exactly one backslash at the seam; an empty name leaves the
// directory as it is.
std::string AddPath(const std::string& directory, const std::string& name);

// The path with every slash and backslash made separator: the one converter between the
// Windows-style paths kept inside and the POSIX paths of the native flavour.
std::string WithSeparators(std::string path, char separator);

}  // namespace pk::paths
