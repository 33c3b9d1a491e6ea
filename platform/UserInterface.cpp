#include "platform/UserInterface.h"

#include "platform/Replaceable.h"

namespace pk::platform {

UserInterface& DefaultUserInterface();  // the flavour's own sink

namespace {
Replaceable<UserInterface> sink;
}

UserInterface& UI()
{
    return sink.Get(DefaultUserInterface);
}

UserInterface* SetUserInterface(UserInterface* replacement)
{
    return sink.Replace(replacement);
}

void ShowError(const std::string& text)
{
    UI().ShowMessageBox({text, "Error", BoxIcon::Error, BoxButtons::OK});
}

}  // namespace pk::platform
