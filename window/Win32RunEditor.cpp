#include <windows.h>

#include "window/EditorLaunch.h"

namespace pk {

bool RunEditor(const std::string& program, const std::string& argument)
{
    // A bare program name is looked up in the system folders and on the search path.
    return WinExec(EditorCommandLine(program, argument).c_str(), SW_SHOWNORMAL) >= 32;
}

}  // namespace pk
