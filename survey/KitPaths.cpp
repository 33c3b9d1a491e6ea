#include "survey/KitPaths.h"

#include "platform/Paths.h"
#include "platform/Process.h"

namespace pk {

std::string GetExeDir()
{
    return paths::ExtractFilePath(platform::ProgramPath());
}

TKitPaths KitPathsFromArguments(const std::string& iniArgument, const std::string& packFilesArgument)
{
    TKitPaths kit;
    if (iniArgument.empty())
        kit.iniFile = paths::AddPath(GetExeDir(), "Setup.ini");
    else if (iniArgument.back() != '\\' && iniArgument.back() != ':')
        kit.iniFile = platform::ExpandFileName(iniArgument);
    else
        kit.iniFile = paths::AddPath(paths::ExtractFilePath(iniArgument), "Setup.ini");
    if (paths::ExtractFileExt(kit.iniFile).empty())
        kit.iniFile += ".INI";
    kit.packFilesDir = packFilesArgument.empty() ? paths::ExtractFilePath(kit.iniFile) : packFilesArgument;
    return kit;
}

}  // namespace pk
