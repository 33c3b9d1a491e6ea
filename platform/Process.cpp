#include "platform/Process.h"

namespace pk::platform {

std::string SystemProgramPath();
std::string SystemCommandLine();

namespace {
std::optional<std::string> programPathOverride;
std::optional<std::string> commandLineOverride;
}

std::string ProgramPath()
{
    return programPathOverride ? *programPathOverride : SystemProgramPath();
}

std::string CommandLine()
{
    return commandLineOverride ? *commandLineOverride : SystemCommandLine();
}

void OverrideProgramPath(std::optional<std::string> path)
{
    programPathOverride = std::move(path);
}

void OverrideCommandLine(std::optional<std::string> commandLine)
{
    commandLineOverride = std::move(commandLine);
}

}  // namespace pk::platform
