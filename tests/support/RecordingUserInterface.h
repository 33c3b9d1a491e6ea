#pragma once
// A user-interface sink for tests: records every box, dialog and cursor change, and answers
// from a script. Installed for its lifetime.
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/UserInterface.h"

namespace pk::testing {

class TRecordingUserInterface : public platform::TUserInterface {
public:
    TRecordingUserInterface();
    ~TRecordingUserInterface() override;

    platform::TBoxResult ShowMessageBox(const platform::TMessageBoxSpec& box) override;
    bool ChooseFile(const platform::TFileDialogSpec& dialog, std::string& chosen) override;
    platform::TCursor GetCursor() override { return cursor; }
    void SetCursor(platform::TCursor shape) override;
    void ProcessMessages() override;

    // Texts of the boxes shown, in order.
    std::vector<std::string> Texts() const;

    std::vector<platform::TMessageBoxSpec> boxes;
    // Answers for the next boxes; when empty a box gets OK, or Yes where OK is not offered.
    std::deque<platform::TBoxResult> answers;
    // Files chosen in the next dialogs; an empty optional cancels.
    std::deque<std::optional<std::string>> fileChoices;
    std::vector<platform::TFileDialogSpec> dialogs;
    platform::TCursor cursor = platform::TCursor::Default;
    std::vector<platform::TCursor> cursorChanges;
    int processMessagesCalls = 0;
    std::function<void()> onProcessMessages;
    std::function<void(const platform::TMessageBoxSpec&)> onBox;

private:
    platform::TUserInterface* previous;
};

}  // namespace pk::testing
