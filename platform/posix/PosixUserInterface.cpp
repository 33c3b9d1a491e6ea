#include <cstdio>

#include "platform/UserInterface.h"

namespace pk::platform {

namespace {

// Without a window system the boxes go to standard error and get the answer that changes
// nothing.
class TConsoleUserInterface : public TUserInterface {
public:
    TBoxResult ShowMessageBox(const TMessageBoxSpec& box) override
    {
        std::fprintf(stderr, "%s%s%s\n", box.title.c_str(), box.title.empty() ? "" : ": ", box.text.c_str());
        return AnswerThatChangesNothing(box.buttons);
    }
    bool ChooseFile(const TFileDialogSpec&, std::string&) override { return false; }
    TCursor GetCursor() override { return cursor; }
    void SetCursor(TCursor shape) override { cursor = shape; }
    void ProcessMessages() override {}

private:
    TCursor cursor = TCursor::Default;
};

}  // namespace

TUserInterface& DefaultUserInterface()
{
    static TConsoleUserInterface sink;
    return sink;
}

}  // namespace pk::platform
