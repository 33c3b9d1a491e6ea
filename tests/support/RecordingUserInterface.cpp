#include "tests/support/RecordingUserInterface.h"

#include <gtest/gtest.h>

namespace pk::testing {

using platform::TBoxButtons;
using platform::TBoxResult;

void TRecordingUserInterface::CountPrompt(const std::string& what)
{
    if (static_cast<int>(boxes.size() + dialogs.size()) <= promptLimit)
        return;
    ADD_FAILURE() << "more than " << promptLimit << " prompts; the last: " << what;
    throw EPromptLimitReached("prompt limit reached: " + what);
}

TBoxResult TRecordingUserInterface::ShowMessageBox(const platform::TMessageBoxSpec& box)
{
    boxes.push_back(box);
    CountPrompt(box.text);
    if (onBox)
        onBox(box);
    if (!answers.empty()) {
        TBoxResult answer = answers.front();
        answers.pop_front();
        return answer;
    }
    return box.buttons == TBoxButtons::YesNo || box.buttons == TBoxButtons::YesNoCancel ? TBoxResult::Yes : TBoxResult::OK;
}

bool TRecordingUserInterface::ChooseFile(const platform::TFileDialogSpec& dialog, std::string& chosen)
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

void TRecordingUserInterface::SetCursor(platform::TCursor shape)
{
    cursor = shape;
    cursorChanges.push_back(shape);
}

void TRecordingUserInterface::ProcessMessages()
{
    ++processMessagesCalls;
    if (onProcessMessages)
        onProcessMessages();
}

std::vector<std::string> TRecordingUserInterface::Texts() const
{
    std::vector<std::string> texts;
    for (const auto& box : boxes)
        texts.push_back(box.text);
    return texts;
}

}  // namespace pk::testing
