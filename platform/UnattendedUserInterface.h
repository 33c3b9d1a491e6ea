#pragma once
// The base of the sinks that run with nobody at the screen: no prompts (each box gets the
// answer that changes nothing, no file is chosen), boxes shown as text if at all, and the
// cursor a no-op.
#include "platform/UserInterface.h"

namespace pk::platform {

class TUnattendedUserInterface : public TUserInterface {
public:
    TBoxResult ShowMessageBox(const TMessageBoxSpec& box) final
    {
        Show(box);
        return AnswerThatChangesNothing(box.buttons);
    }
    bool ChooseFile(const TFileDialogSpec&, std::string&) final { return false; }
    TCursor GetCursor() final { return TCursor::Default; }
    void SetCursor(TCursor) final {}
    void ProcessMessages() final {}

protected:
    // Shows the box's text where this sink shows it.
    virtual void Show(const TMessageBoxSpec& box) = 0;
};

}  // namespace pk::platform
