#pragma once
// A user-interface sink for fuzz targets and benchmarks: every box is answered at once and nothing is shown.
#include "platform/UserInterface.h"

namespace pk::testing {

class TSilentUserInterface : public platform::TUserInterface {
public:
    TSilentUserInterface() { platform::SetUserInterface(this); }
    ~TSilentUserInterface() override { platform::SetUserInterface(nullptr); }
    platform::TBoxResult ShowMessageBox(const platform::TMessageBoxSpec& box) override
    {
        return platform::AnswerThatChangesNothing(box.buttons);
    }
    bool ChooseFile(const platform::TFileDialogSpec&, std::string&) override { return false; }
    platform::TCursor GetCursor() override { return platform::TCursor::Default; }
    void SetCursor(platform::TCursor) override {}
    void ProcessMessages() override {}
};

}  // namespace pk::testing
