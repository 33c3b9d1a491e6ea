#pragma once
// Where the kit is: the SETUP.INI file and the PACKFILES folder. Worked out once when the
// program starts, so that nothing later (a file dialog changing the current folder, say) can
// move them, and handed to everything that opens the kit's files.
#include <string>

namespace pk {

struct TKitPaths {
    std::string iniFile;
    std::string packFilesDir;  // with or without a trailing backslash
};

// Folder of the running program, ending in a backslash.
std::string GetExeDir();

// The kit named by the SETUP.INI argument and the PACKFILES argument (either may be empty):
// no SETUP.INI argument means Setup.ini in the program's folder; a file argument is made
// absolute against the current folder now; a folder argument gets "Setup.ini" and stays as
// it is; a name without an extension gets ".INI". The PACKFILES argument is used unchanged;
// without one the pack files are beside SETUP.INI.
TKitPaths KitPathsFromArguments(const std::string& iniArgument, const std::string& packFilesArgument);

}  // namespace pk
