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
        kit.IniFile = paths::AddPath(GetExeDir(), "Setup.ini");
    else if (iniArgument.back() != '\\' && iniArgument.back() != ':')
        kit.IniFile = platform::ExpandFileName(iniArgument);
    else
        kit.IniFile = paths::AddPath(paths::ExtractFilePath(iniArgument), "Setup.ini");
    if (paths::ExtractFileExt(kit.IniFile).empty())
        kit.IniFile += ".INI";
    kit.PackFilesDir = packFilesArgument.empty() ? paths::ExtractFilePath(kit.IniFile) : packFilesArgument;
    return kit;
}

}  // namespace pk
