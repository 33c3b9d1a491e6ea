#include "window/ApplicationError.h"

#include <new>

#include "platform/Exceptions.h"

namespace pk {

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
