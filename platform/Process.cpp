#include "platform/Process.h"

#include "platform/Replaceable.h"
#include "platform/SystemServices.h"

namespace pk::platform {

namespace {
TReplaceable<const std::string> programPath;
TReplaceable<const std::string> commandLine;
}

std::string ProgramPath()
{
    const std::string* installed = programPath.Installed();
    return installed ? *installed : SystemProgramPath();
}

std::string CommandLine()
{
    const std::string* installed = commandLine.Installed();
    return installed ? *installed : SystemCommandLine();
}

const std::string* ReplaceProgramPath(const std::string* path)
{
    return programPath.Replace(path);
}

const std::string* ReplaceCommandLine(const std::string* line)
{
    return commandLine.Replace(line);
}

}  // namespace pk::platform
