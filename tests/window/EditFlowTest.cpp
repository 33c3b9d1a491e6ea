#include <gtest/gtest.h>

#include "tests/support/RecordingUserInterface.h"
#include "window/EditFlow.h"

namespace pk {
namespace {

using platform::BoxButtons;
using platform::BoxIcon;
using platform::BoxResult;

const std::string kPath = "C:\\Kit\\SETUP.INI";

TEST(EditFlow, StatesFollowTheTwoFlags)
{
    EditFlow flow;
    EXPECT_EQ(flow.State(), TableState::Listed);
    flow.IniUpdated = true;
    EXPECT_EQ(flow.State(), TableState::Updated);
    flow.GridModified = true;
    EXPECT_EQ(flow.State(), TableState::Edited);
}

TEST(EditFlow, PackSetCellNeedsAnUpdatePassFirst)
{
    testing::RecordingUserInterface ui;
    EditFlow flow;
    EXPECT_FALSE(flow.MaySelectCell(0));
    EXPECT_FALSE(flow.MaySelectCell(3));
    EXPECT_TRUE(ui.boxes.empty()) << "other columns are refused without a word";

    EXPECT_FALSE(flow.MaySelectCell(1));
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].text, "Ini-file is not updated. Click UPDATE before making changes to PACKFILES");
    EXPECT_EQ(ui.boxes[0].title, "Error");
    EXPECT_EQ(ui.boxes[0].icon, BoxIcon::Error);

    flow.IniUpdated = true;
    EXPECT_TRUE(flow.MaySelectCell(1));
    EXPECT_FALSE(flow.MaySelectCell(2));
    EXPECT_EQ(ui.boxes.size(), 1u);
}

TEST(EditFlow, UpdateWithoutEditsAsksNothing)
{
    testing::RecordingUserInterface ui;
    EditFlow flow;
    flow.IniUpdated = true;
    EXPECT_EQ(flow.BeforeUpdate(kPath), UpdateStep::Update);
    EXPECT_EQ(flow.BeforeClose(kPath), CloseStep::Close);
    EXPECT_TRUE(ui.boxes.empty());
}

TEST(EditFlow, UpdateWithEditsAsksToSaveFirst)
{
    testing::RecordingUserInterface ui;
    EditFlow flow;
    flow.IniUpdated = flow.GridModified = true;
    ui.answers = {BoxResult::Yes, BoxResult::No, BoxResult::Cancel};
    EXPECT_EQ(flow.BeforeUpdate(kPath), UpdateStep::SaveThenUpdate);
    EXPECT_EQ(flow.BeforeUpdate(kPath), UpdateStep::Stop);
    EXPECT_EQ(flow.BeforeUpdate(kPath), UpdateStep::Update) << "a box closed otherwise updates without saving";
    ASSERT_EQ(ui.boxes.size(), 3u);
    EXPECT_EQ(ui.boxes[0].text,
              "Before updating the grid the changes must be saved\rSave changes to C:\\Kit\\SETUP.INI ?");
    EXPECT_EQ(ui.boxes[0].title, "Confirm");
    EXPECT_EQ(ui.boxes[0].icon, BoxIcon::Question);
    EXPECT_EQ(ui.boxes[0].buttons, BoxButtons::YesNo);
}

TEST(EditFlow, CloseWithEditsOffersSaveDiscardOrStay)
{
    testing::RecordingUserInterface ui;
    EditFlow flow;
    flow.IniUpdated = flow.GridModified = true;
    ui.answers = {BoxResult::Yes, BoxResult::No, BoxResult::Cancel};
    EXPECT_EQ(flow.BeforeClose(kPath), CloseStep::SaveThenClose);
    EXPECT_EQ(flow.BeforeClose(kPath), CloseStep::Close);
    EXPECT_EQ(flow.BeforeClose(kPath), CloseStep::StayOpen);
    ASSERT_EQ(ui.boxes.size(), 3u);
    EXPECT_EQ(ui.boxes[0].text, "Save changes to C:\\Kit\\SETUP.INI?");
    EXPECT_EQ(ui.boxes[0].title, "Information");
    EXPECT_EQ(ui.boxes[0].icon, BoxIcon::Information);
    EXPECT_EQ(ui.boxes[0].buttons, BoxButtons::YesNoCancel);
}

}  // namespace
}  // namespace pk
