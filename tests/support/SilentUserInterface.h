#pragma once
// A user-interface sink for fuzz targets and benchmarks: every box is answered at once and nothing is shown.
#include "platform/UserInterface.h"

namespace pk::testing {

class SilentUserInterface : public platform::UserInterface {
public:
    SilentUserInterface() { platform::SetUserInterface(this); }
    ~SilentUserInterface() override { platform::SetUserInterface(nullptr); }
    platform::BoxResult ShowMessageBox(const platform::MessageBoxSpec& box) override
    {
        return platform::AnswerThatChangesNothing(box.buttons);
    }
    bool ChooseFile(const platform::FileDialogSpec&, std::string&) override { return false; }
    platform::Cursor GetCursor() override { return platform::Cursor::Default; }
    void SetCursor(platform::Cursor) override {}
    void ProcessMessages() override {}
};

}  // namespace pk::testing
