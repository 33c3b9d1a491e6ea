#pragma once
// A user-interface sink for tests: records every box, dialog and cursor change, and answers
// from a script. Installed for its lifetime.
#include <deque>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/Replaceable.h"
#include "platform/UserInterface.h"

namespace pk::testing {

// Raised, with a test failure, by the prompt after the sink's limit: code that asks for ever
// ends the test instead of holding it until the time-out.
class EPromptLimitReached : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TRecordingUserInterface : public platform::TUserInterface {
public:
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
    // Boxes and dialogs together that a test may see; far above what any flow asks.
    int promptLimit = 100;

private:
    // Counts one more box or dialog; past the limit fails the test and raises EPromptLimitReached.
    void CountPrompt(const std::string& what);

    platform::TInstalled<platform::TUserInterface> installed{platform::ReplaceUserInterface, *this};
};

}  // namespace pk::testing
