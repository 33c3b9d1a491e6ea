#include "tests/support/RecordingUserInterface.h"

#include <gtest/gtest.h>

namespace pk::testing {

using platform::BoxButtons;
using platform::BoxResult;

RecordingUserInterface::RecordingUserInterface() : previous(platform::SetUserInterface(this)) {}

RecordingUserInterface::~RecordingUserInterface()
{
    platform::SetUserInterface(previous);
}

void RecordingUserInterface::CountPrompt(const std::string& what)
{
    if (static_cast<int>(boxes.size() + dialogs.size()) <= promptLimit)
        return;
    ADD_FAILURE() << "more than " << promptLimit << " prompts; the last: " << what;
    throw PromptLimitReached("prompt limit reached: " + what);
}

BoxResult RecordingUserInterface::ShowMessageBox(const platform::MessageBoxSpec& box)
{
    boxes.push_back(box);
    CountPrompt(box.text);
    if (onBox)
        onBox(box);
    if (!answers.empty()) {
        BoxResult answer = answers.front();
        answers.pop_front();
        return answer;
    }
    return box.buttons == BoxButtons::YesNo || box.buttons == BoxButtons::YesNoCancel ? BoxResult::Yes : BoxResult::OK;
}

bool RecordingUserInterface::ChooseFile(const platform::FileDialogSpec& dialog, std::string& chosen)
{
    dialogs.push_back(dialog);
    CountPrompt(dialog.title);
    if (fileChoices.empty() || !fileChoices.front()) {
        if (!fileChoices.empty())
            fileChoices.pop_front();
        return false;
    }
    chosen = *fileChoices.front();
    fileChoices.pop_front();
    return true;
}

void RecordingUserInterface::SetCursor(platform::Cursor shape)
{
    cursor = shape;
    cursorChanges.push_back(shape);
}

void RecordingUserInterface::ProcessMessages()
{
    ++processMessagesCalls;
    if (onProcessMessages)
        onProcessMessages();
}

std::vector<std::string> RecordingUserInterface::Texts() const
{
    std::vector<std::string> texts;
    for (const auto& box : boxes)
        texts.push_back(box.text);
    return texts;
}

}  // namespace pk::testing
