#include "paktally/RunModes.h"

#include <initializer_list>

namespace pk {

bool IsSyntaxRequest(const std::string& firstArgument)
{
    return firstArgument == "/?";
}

bool IsSilentRun(const std::string& arg1, const std::string& arg2, const std::string& arg3)
{
    for (const char* flag : {"/B", "/b"})
        for (const std::string* arg : {&arg1, &arg2, &arg3})
            if (arg->find(flag) != std::string::npos)
                return true;
    return false;
}

}  // namespace pk
