#include "window/EditFlow.h"

#include "platform/UserInterface.h"
#include "survey/GridRowTexts.h"

namespace pk {

using platform::TBoxButtons;
using platform::TBoxIcon;
using platform::TBoxResult;

bool TEditFlow::MaySelectCell(int column) const
{
    if (column != ColPackFiles)
        return false;
    if (!IniUpdated)
        platform::ShowError(kNotUpdatedError);
    return IniUpdated;
}

TUpdateStep TEditFlow::BeforeUpdate(const std::string& iniPath) const
{
    if (!GridModified)
        return TUpdateStep::Update;
    TBoxResult answer = platform::UI().ShowMessageBox(
        {"Before updating the grid the changes must be saved\rSave changes to " + iniPath + " ?", "Confirm",
         TBoxIcon::Question, TBoxButtons::YesNo});
    switch (answer) {
    case TBoxResult::Yes: return TUpdateStep::SaveThenUpdate;
    case TBoxResult::No: return TUpdateStep::Stop;
    default: return TUpdateStep::Update;  // closed without either button
    }
}

TCloseStep TEditFlow::BeforeClose(const std::string& iniPath) const
{
    if (!GridModified)
        return TCloseStep::Close;
    TBoxResult answer = platform::UI().ShowMessageBox(
        {"Save changes to " + iniPath + "?", "Information", TBoxIcon::Information, TBoxButtons::YesNoCancel});
    switch (answer) {
    case TBoxResult::Yes: return TCloseStep::SaveThenClose;
    case TBoxResult::No: return TCloseStep::Close;
    default: return TCloseStep::StayOpen;
    }
}

}  // namespace pk
