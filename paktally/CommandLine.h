#pragma once
// The command line of Paktally: "[/B] [inifilepath[\filename]] [packfilepath]".
#include <string>

#include "survey/KitPaths.h"

namespace pk {

// Argument i of the command line (1-based); empty when absent.
std::string ParamStr(int index);

// The kit that the arguments name: when the first argument holds a "/" anywhere it is the
// switch, and SETUP.INI and PACKFILES are arguments 2 and 3, else 1 and 2.
TKitPaths KitPathsFromCommandLine();

}  // namespace pk
