#pragma once
// What the program knows of its own process: its file, its command line, its folder.
#include <string>

namespace pk::platform {

// Full path of the running program file.
std::string ProgramPath();
// The raw command line, the program's own name first.
std::string CommandLine();
// The current directory, Windows-style (backslashes), without a trailing backslash
// unless it is a root.
std::string CurrentDirectory();
// The path made absolute against the current directory, "." and ".." resolved.
std::string ExpandFileName(const std::string& path);

// Tests replace what the process reports (nullptr restores the real value); each returns the
// one it replaces.
const std::string* ReplaceProgramPath(const std::string* path);
const std::string* ReplaceCommandLine(const std::string* line);

}  // namespace pk::platform
