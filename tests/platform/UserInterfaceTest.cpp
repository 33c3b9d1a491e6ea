// The error box and the sinks with nobody at the screen.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/UnattendedUserInterface.h"
#include "tests/support/RecordingUserInterface.h"

namespace pk::platform {
namespace {

class TShownTexts : public TUnattendedUserInterface {
public:
    std::vector<std::string> texts;

protected:
    void Show(const TMessageBoxSpec& box) override { texts.push_back(box.text); }
};

TEST(UserInterfaceTest, ShowErrorShowsOneModalErrorBox)
{
    testing::TRecordingUserInterface ui;
    ShowError("Something failed");
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].text, "Something failed");
    EXPECT_EQ(ui.boxes[0].title, "Error");
    EXPECT_EQ(ui.boxes[0].icon, TBoxIcon::Error);
    EXPECT_EQ(ui.boxes[0].buttons, TBoxButtons::OK);
}

TEST(UserInterfaceTest, AnUnattendedSinkShowsEveryBoxAndGivesTheAnswerThatChangesNothing)
{
    const struct {
        TBoxButtons buttons;
        TBoxResult answer;
    } cases[] = {{TBoxButtons::OK, TBoxResult::OK},
                 {TBoxButtons::OKCancel, TBoxResult::Cancel},
                 {TBoxButtons::YesNo, TBoxResult::No},
                 {TBoxButtons::YesNoCancel, TBoxResult::Cancel}};
    TShownTexts sink;
    for (const auto& c : cases)
        EXPECT_EQ(sink.ShowMessageBox({"box", "Title", TBoxIcon::Question, c.buttons}), c.answer);
    EXPECT_EQ(sink.texts, std::vector<std::string>(4, "box"));
    std::string chosen = "kept";
    EXPECT_FALSE(sink.ChooseFile({"Open", "All|*.*", "C:\\"}, chosen));
    EXPECT_EQ(chosen, "kept");
    sink.SetCursor(TCursor::HourGlass);
    EXPECT_EQ(sink.GetCursor(), TCursor::Default);
}

}  // namespace
}  // namespace pk::platform
