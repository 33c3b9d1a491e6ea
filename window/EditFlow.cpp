#include "window/EditFlow.h"

#include "platform/UserInterface.h"
#include "window/SizeTable.h"

namespace pk {

using platform::BoxButtons;
using platform::BoxIcon;
using platform::BoxResult;

TableState EditFlow::State() const
{
    if (GridModified)
        return TableState::Edited;
    return IniUpdated ? TableState::Updated : TableState::Listed;
}

bool EditFlow::MaySelectCell(int column) const
{
    if (column != ColPackFiles)
        return false;
    if (!IniUpdated)
        platform::ShowError(kNotUpdatedError);
    return IniUpdated;
}

UpdateStep EditFlow::BeforeUpdate(const std::string& iniPath) const
{
    if (!GridModified)
        return UpdateStep::Update;
    BoxResult answer = platform::UI().ShowMessageBox(
        {"Before updating the grid the changes must be saved\rSave changes to " + iniPath + " ?", "Confirm",
         BoxIcon::Question, BoxButtons::YesNo});
    switch (answer) {
    case BoxResult::Yes: return UpdateStep::SaveThenUpdate;
    case BoxResult::No: return UpdateStep::Stop;
    default: return UpdateStep::Update;  // closed without either button
    }
}

CloseStep EditFlow::BeforeClose(const std::string& iniPath) const
{
    if (!GridModified)
        return CloseStep::Close;
    BoxResult answer = platform::UI().ShowMessageBox(
        {"Save changes to " + iniPath + "?", "Information", BoxIcon::Information, BoxButtons::YesNoCancel});
    switch (answer) {
    case BoxResult::Yes: return CloseStep::SaveThenClose;
    case BoxResult::No: return CloseStep::Close;
    default: return CloseStep::StayOpen;
    }
}

}  // namespace pk
