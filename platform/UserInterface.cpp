#include "platform/UserInterface.h"

#include "platform/Replaceable.h"
#include "platform/SystemServices.h"

namespace pk::platform {

namespace {
TReplaceable<TUserInterface> sink;
}

TUserInterface& UI()
{
    return sink.Get(SystemUserInterface);
}

TUserInterface* ReplaceUserInterface(TUserInterface* replacement)
{
    return sink.Replace(replacement);
}

void ShowError(const std::string& text)
{
    UI().ShowMessageBox({text, "Error", TBoxIcon::Error, TBoxButtons::OK});
}

}  // namespace pk::platform
