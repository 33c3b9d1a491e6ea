#include "window/RunModes.h"

#include <initializer_list>
#include <new>

#include "platform/Exceptions.h"

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

std::string WithFullStop(const std::string& message)
{
    // Compared as unsigned characters, so letters beyond ASCII count as "after" too.
    if (!message.empty() && static_cast<unsigned char>(message.back()) > static_cast<unsigned char>('.'))
        return message + ".";
    return message;
}

TErrorDescription DescribeError(const std::exception_ptr& error)
{
    try {
        std::rethrow_exception(error);
    } catch (const Exception& e) {
        return {e.ClassName(), e.Message()};
    } catch (const std::bad_alloc&) {
        return {"EOutOfMemory", "Out of memory"};
    } catch (const std::exception& e) {
        return {"Exception", e.what()};
    } catch (...) {
        return {"Exception", "Unknown error"};
    }
}

std::string ApplicationErrorText(const TErrorDescription& error)
{
    return "Exception " + error.className + " in module " + kProgramName + ".exe.\n" + WithFullStop(error.message);
}

}  // namespace pk
