#include <cstdio>

#include "platform/UserInterface.h"

namespace pk::platform {

namespace {

// Without a window system the boxes go to standard error and get the answer that changes
// nothing.
class ConsoleUserInterface : public UserInterface {
public:
    BoxResult ShowMessageBox(const MessageBoxSpec& box) override
    {
        std::fprintf(stderr, "%s%s%s\n", box.title.c_str(), box.title.empty() ? "" : ": ", box.text.c_str());
        return AnswerThatChangesNothing(box.buttons);
    }
    bool ChooseFile(const FileDialogSpec&, std::string&) override { return false; }
    Cursor GetCursor() override { return cursor; }
    void SetCursor(Cursor shape) override { cursor = shape; }
    void ProcessMessages() override {}

private:
    Cursor cursor = Cursor::Default;
};

}  // namespace

UserInterface& DefaultUserInterface()
{
    static ConsoleUserInterface sink;
    return sink;
}

}  // namespace pk::platform
