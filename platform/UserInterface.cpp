#include "platform/UserInterface.h"

namespace pk::platform {

UserInterface& DefaultUserInterface();  // the flavour's own sink

namespace {
UserInterface* installed = nullptr;
}

UserInterface& UI()
{
    return installed ? *installed : DefaultUserInterface();
}

UserInterface* SetUserInterface(UserInterface* sink)
{
    UserInterface* previous = installed;
    installed = sink;
    return previous;
}

}  // namespace pk::platform
