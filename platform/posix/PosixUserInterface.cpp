#include <cstdio>

#include "platform/SystemServices.h"
#include "platform/UnattendedUserInterface.h"

namespace pk::platform {

namespace {

// Without a window system the boxes go to standard error.
class TConsoleUserInterface : public TUnattendedUserInterface {
protected:
    void Show(const TMessageBoxSpec& box) override
    {
        std::fprintf(stderr, "%s%s%s\n", box.title.c_str(), box.title.empty() ? "" : ": ", box.text.c_str());
    }
};

}  // namespace

TUserInterface& SystemUserInterface()
{
    static TConsoleUserInterface sink;
    return sink;
}

}  // namespace pk::platform
