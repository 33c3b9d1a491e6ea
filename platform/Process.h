#pragma once
// What the program knows of its own process: its file, its command line, its folder.
#include <optional>
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

// Tests replace what the process reports; an empty optional restores the real value.
void OverrideProgramPath(std::optional<std::string> path);
void OverrideCommandLine(std::optional<std::string> commandLine);

}  // namespace pk::platform
