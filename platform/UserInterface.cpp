#include "platform/UserInterface.h"

#include "platform/Replaceable.h"

namespace pk::platform {

TUserInterface& DefaultUserInterface();  // the flavour's own sink

namespace {
TReplaceable<TUserInterface> sink;
}

TUserInterface& UI()
{
    return sink.Get(DefaultUserInterface);
}

TUserInterface* SetUserInterface(TUserInterface* replacement)
{
    return sink.Replace(replacement);
}

void ShowError(const std::string& text)
{
    UI().ShowMessageBox({text, "Error", TBoxIcon::Error, TBoxButtons::OK});
}

}  // namespace pk::platform
