#include <gtest/gtest.h>

#include "tests/support/RecordingUserInterface.h"
#include "window/EditFlow.h"

namespace pk {
namespace {

using platform::TBoxButtons;
using platform::TBoxIcon;
using platform::TBoxResult;

const std::string kPath = "C:\\Kit\\SETUP.INI";

TEST(TEditFlow, StatesFollowTheTwoFlags)
{
    TEditFlow flow;
    EXPECT_EQ(flow.State(), TTableState::Listed);
    flow.IniUpdated = true;
    EXPECT_EQ(flow.State(), TTableState::Updated);
    flow.GridModified = true;
    EXPECT_EQ(flow.State(), TTableState::Edited);
}

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

TEST(TEditFlow, UpdateWithoutEditsAsksNothing)
{
    testing::TRecordingUserInterface ui;
    TEditFlow flow;
    flow.IniUpdated = true;
    EXPECT_EQ(flow.BeforeUpdate(kPath), TUpdateStep::Update);
    EXPECT_EQ(flow.BeforeClose(kPath), TCloseStep::Close);
    EXPECT_TRUE(ui.boxes.empty());
}

TEST(TEditFlow, UpdateWithEditsAsksToSaveFirst)
{
    testing::TRecordingUserInterface ui;
    TEditFlow flow;
    flow.IniUpdated = flow.GridModified = true;
    ui.answers = {TBoxResult::Yes, TBoxResult::No, TBoxResult::Cancel};
    EXPECT_EQ(flow.BeforeUpdate(kPath), TUpdateStep::SaveThenUpdate);
    EXPECT_EQ(flow.BeforeUpdate(kPath), TUpdateStep::Stop);
    EXPECT_EQ(flow.BeforeUpdate(kPath), TUpdateStep::Update) << "a box closed otherwise updates without saving";
    ASSERT_EQ(ui.boxes.size(), 3u);
    EXPECT_EQ(ui.boxes[0].text,
              "Before updating the grid the changes must be saved\rSave changes to C:\\Kit\\SETUP.INI ?");
    EXPECT_EQ(ui.boxes[0].title, "Confirm");
    EXPECT_EQ(ui.boxes[0].icon, TBoxIcon::Question);
    EXPECT_EQ(ui.boxes[0].buttons, TBoxButtons::YesNo);
}

TEST(TEditFlow, CloseWithEditsOffersSaveDiscardOrStay)
{
    testing::TRecordingUserInterface ui;
    TEditFlow flow;
    flow.IniUpdated = flow.GridModified = true;
    ui.answers = {TBoxResult::Yes, TBoxResult::No, TBoxResult::Cancel};
    EXPECT_EQ(flow.BeforeClose(kPath), TCloseStep::SaveThenClose);
    EXPECT_EQ(flow.BeforeClose(kPath), TCloseStep::Close);
    EXPECT_EQ(flow.BeforeClose(kPath), TCloseStep::StayOpen);
    ASSERT_EQ(ui.boxes.size(), 3u);
    EXPECT_EQ(ui.boxes[0].text, "Save changes to C:\\Kit\\SETUP.INI?");
    EXPECT_EQ(ui.boxes[0].title, "Information");
    EXPECT_EQ(ui.boxes[0].icon, TBoxIcon::Information);
    EXPECT_EQ(ui.boxes[0].buttons, TBoxButtons::YesNoCancel);
}

}  // namespace
}  // namespace pk
