#include <gtest/gtest.h>

#include "tests/support/RecordingUserInterface.h"
#include "window/EditFlow.h"

namespace pk {
namespace {

using platform::TBoxButtons;
using platform::TBoxIcon;
using platform::TBoxResult;

const std::string kPath = "C:\\Kit\\SETUP.INI";

TEST(TEditFlow, PackSetCellNeedsAnUpdatePassFirst)
{
    testing::TRecordingUserInterface ui;
    TEditFlow flow;
    EXPECT_FALSE(flow.MaySelectCell(0));
    EXPECT_FALSE(flow.MaySelectCell(3));
    EXPECT_TRUE(ui.boxes.empty()) << "other columns are refused without a word";

    EXPECT_FALSE(flow.MaySelectCell(1));
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].text, "Ini-file is not updated. Click UPDATE before making changes to PACKFILES");
    EXPECT_EQ(ui.boxes[0].title, "Error");
    EXPECT_EQ(ui.boxes[0].icon, TBoxIcon::Error);

    flow.IniUpdated = true;
    EXPECT_TRUE(flow.MaySelectCell(1));
    EXPECT_FALSE(flow.MaySelectCell(2));
    EXPECT_EQ(ui.boxes.size(), 1u);
}

// Update and Close ask only while edits are pending, and go where the answer leads.
TEST(TEditFlow, UpdateAndCloseAskOnlyAboutPendingEditsAndFollowTheAnswer)
{
    const struct {
        bool edited;
        TBoxResult answer;
        TUpdateStep update;
        TCloseStep close;
    } cases[] = {
        {false, TBoxResult::Yes, TUpdateStep::Update, TCloseStep::Close},
        {true, TBoxResult::Yes, TUpdateStep::SaveThenUpdate, TCloseStep::SaveThenClose},
        {true, TBoxResult::No, TUpdateStep::Stop, TCloseStep::Close},
        // A box closed without either button updates without saving.
        {true, TBoxResult::Cancel, TUpdateStep::Update, TCloseStep::StayOpen},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.edited ? "edited, " : "unedited, ") + "answer " + std::to_string(static_cast<int>(c.answer)));
        testing::TRecordingUserInterface ui;
        TEditFlow flow;
        flow.IniUpdated = true;
        flow.GridModified = c.edited;
        ui.answers = {c.answer};
        EXPECT_EQ(flow.BeforeUpdate(kPath), c.update);
        ui.answers = {c.answer};
        EXPECT_EQ(flow.BeforeClose(kPath), c.close);
        if (!c.edited) {
            EXPECT_TRUE(ui.boxes.empty());
            continue;
        }
        ASSERT_EQ(ui.boxes.size(), 2u);
        EXPECT_EQ(ui.boxes[0].text,
                  "Before updating the grid the changes must be saved\rSave changes to C:\\Kit\\SETUP.INI ?");
        EXPECT_EQ(ui.boxes[0].title, "Confirm");
        EXPECT_EQ(ui.boxes[0].icon, TBoxIcon::Question);
        EXPECT_EQ(ui.boxes[0].buttons, TBoxButtons::YesNo);
        EXPECT_EQ(ui.boxes[1].text, "Save changes to C:\\Kit\\SETUP.INI?");
        EXPECT_EQ(ui.boxes[1].title, "Information");
        EXPECT_EQ(ui.boxes[1].icon, TBoxIcon::Information);
        EXPECT_EQ(ui.boxes[1].buttons, TBoxButtons::YesNoCancel);
    }
}

}  // namespace
}  // namespace pk
