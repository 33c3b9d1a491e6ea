// The window's behaviour without a window: real SETUP.INI files, the real survey, a recording
// message-box sink and a display that remembers what it was told.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "platform/Exceptions.h"
#include "tests/support/PackFiles.h"
#include "tests/support/RecordingUserInterface.h"
#include "tests/support/TempDir.h"
#include "survey/Survey.h"
#include "window/SetupFormLogic.h"

namespace pk {
namespace {

using platform::TBoxResult;
using platform::TCursor;

class TRecordingDisplay : public TTableDisplay {
public:
    void ShowRows(int firstRow, int lastRow) override { shown.emplace_back(firstRow, lastRow); }
    void EnableTable(bool enabled) override { enabling.push_back(enabled); }
    std::vector<std::pair<int, int>> shown;
    std::vector<bool> enabling;
};

const std::string kIni =
    "[BDE]\r\nSize=10\r\nPackfile=B.WRP\r\n\r\n"
    "[IMainOption1]\r\nCaption=Main\r\n\r\n"
    "[ISubOption1.1]\r\nPackFile=C.WRP\r\nSize=20\r\n\r\n"
    "[ISubOption1.2]\r\nFiles=$$$$$$$$.$$$\r\nSize=5\r\n\r\n";

class SetupFormLogicTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        kit.Write("SETUP.INI", kIni);
        kit.Write("B.WRP", testing::WrpFile({{100, "abc"}}));
        kit.Write("C.WRP", testing::WrpFile({{200, "d"}, {22, "e"}}));
    }

    std::vector<std::string> Row(int row) const
    {
        std::vector<std::string> cells;
        for (int c = 0; c < kGridColumns; ++c)
            cells.push_back(logic.Table().Cell(c, row));
        return cells;
    }
    void Edit(int row, const std::string& text)
    {
        ASSERT_TRUE(logic.StringGridSelectCell(ColPackFiles, row));
        logic.StringGridBeginEdit(row);
        logic.StringGridSetEditText(ColPackFiles, row, text);
        logic.StringGridSetEditText(ColPackFiles, row, text);  // the editor closes
    }

    testing::TTempDir kit;
    testing::TRecordingUserInterface ui;
    TRecordingDisplay display;
    TSetupFormLogic logic{display, KitPathsFromArguments(kit.File("SETUP.INI"), "")};
};

TEST_F(SetupFormLogicTest, ListingThenUpdateFillsTheTable)
{
    logic.FormCreate();
    ScanSetupIni(logic.Kit(), logic, false, true);
    EXPECT_FALSE(logic.Flow().IniUpdated);
    EXPECT_EQ(Row(2), (std::vector<std::string>{"ISubOption1.1", "C.WRP", "20", "", "NOT UPDATED"}));
    EXPECT_EQ(kit.Read("SETUP.INI"), kIni) << "a listing pass writes nothing";

    logic.ButtonUpdateClick();
    EXPECT_TRUE(logic.Flow().IniUpdated);
    EXPECT_EQ(logic.Table().RowCount(), 5);
    EXPECT_EQ(Row(0), (std::vector<std::string>{"Sub section", "PackFiles", "Prev. Size", "New Size", "Size Changed"}));
    EXPECT_EQ(Row(1), (std::vector<std::string>{"BDE", "B.WRP", "10", "100", "X  (90)"}));
    EXPECT_EQ(Row(2), (std::vector<std::string>{"ISubOption1.1", "C.WRP", "20", "222", "X  (202)"}));
    EXPECT_EQ(Row(3), (std::vector<std::string>{"ISubOption1.2", "NONE", "5", "0", "X  (-5)"}));
    EXPECT_EQ(Row(4), std::vector<std::string>(5, ""));
    EXPECT_EQ(ui.cursorChanges, (std::vector<TCursor>{TCursor::HourGlass, TCursor::Default}));
    EXPECT_EQ(display.enabling, (std::vector<bool>{false, true, false, false, false, true}))
        << "off during the listing walk and the whole update pass";
    EXPECT_TRUE(ui.boxes.empty());
    EXPECT_NE(kit.Read("SETUP.INI").find("Size=222"), std::string::npos);
}

TEST_F(SetupFormLogicTest, ARowsWarningsAreItsTipOneLineEachAndGoWithTheNextPass)
{
    kit.Write("B.WRP", "");
    kit.Write("C.ZIP", "not an archive");
    kit.Write("SETUP.INI", "[BDE]\r\nSize=10\r\nPackfile=B.WRP;C.ZIP\r\n\r\n"
                           "[IMainOption1]\r\nx=1\r\n[ISubOption1.1]\r\nPackFile=A.WRP\r\nSize=20\r\n");
    kit.Write("A.WRP", testing::WrpFile({{7, "a"}}));
    logic.ButtonUpdateClick();
    EXPECT_EQ(Row(1), (std::vector<std::string>{"BDE", "B.WRP;C.ZIP", "10", "0", "X  (-10)"}));
    const std::string& folder = logic.Kit().packFilesDir;
    EXPECT_EQ(logic.WarningTip(1), folder + "B.WRP: empty pack file; counted as 0\r\n" + folder +
                                       "C.ZIP: no end record (not a ZIP archive, or cut off); counted as 0");
    EXPECT_EQ(logic.WarningTip(2), "");
    EXPECT_TRUE(ui.boxes.empty());
    kit.Write("B.WRP", testing::WrpFile({{100, "abc"}}));
    kit.Write("SETUP.INI", "[BDE]\r\nSize=10\r\nPackfile=B.WRP\r\n");
    logic.ButtonUpdateClick();
    EXPECT_EQ(logic.WarningTip(1), "");
}

TEST_F(SetupFormLogicTest, SecondUpdateLeavesNothingOfTheFirst)
{
    logic.ButtonUpdateClick();
    Edit(4, "typed into the empty last row");
    kit.Write("SETUP.INI", "[BDE]\r\nSize=1\r\nPackfile=B.WRP\r\n\r\n");
    ui.answers = {TBoxResult::No};
    logic.ButtonUpdateClick();
    EXPECT_EQ(logic.Table().RowCount(), 5) << "No: nothing updated";
    logic.Flow().GridModified = false;
    logic.ButtonUpdateClick();
    EXPECT_EQ(logic.Table().RowCount(), 3);
    EXPECT_EQ(Row(1)[ColSection], "BDE");
    EXPECT_EQ(Row(2), std::vector<std::string>(5, ""));
}

TEST_F(SetupFormLogicTest, EditsAreMarkedOnceAndAskedAboutBeforeUpdating)
{
    EXPECT_FALSE(logic.StringGridSelectCell(ColPackFiles, 1));
    EXPECT_EQ(ui.Texts(),
              std::vector<std::string>{"Ini-file is not updated. Click UPDATE before making changes to PACKFILES"});
    logic.ButtonUpdateClick();
    EXPECT_FALSE(logic.StringGridSelectCell(ColPrevSize, 1));

    Edit(2, "X.WRP");
    EXPECT_TRUE(logic.Flow().GridModified);
    EXPECT_EQ(Row(2), (std::vector<std::string>{"ISubOption1.1", "X.WRP", "222", "(changed)", "X  (202)"}));

    // No: the edits stay and no pass runs.
    std::string before = kit.Read("SETUP.INI");
    ui.answers = {TBoxResult::No};
    logic.ButtonUpdateClick();
    EXPECT_EQ(Row(2)[ColNewSize], "(changed)");
    EXPECT_EQ(kit.Read("SETUP.INI"), before);
    EXPECT_EQ(ui.boxes.back().title, "Confirm");

    // Closed otherwise: the pass runs without saving, the flag stays.
    ui.answers = {TBoxResult::Cancel};
    logic.ButtonUpdateClick();
    EXPECT_EQ(Row(2)[ColPackFiles], "C.WRP");
    EXPECT_TRUE(logic.Flow().GridModified);
    EXPECT_EQ(kit.Read("SETUP.INI").find("X.WRP"), std::string::npos);
}

TEST_F(SetupFormLogicTest, YesSavesTheEditsThenMeasuresThem)
{
    logic.ButtonUpdateClick();
    Edit(1, "C.WRP");
    ui.answers = {TBoxResult::Yes};
    logic.ButtonUpdateClick();
    EXPECT_FALSE(logic.Flow().GridModified);
    EXPECT_EQ(Row(1), (std::vector<std::string>{"BDE", "C.WRP", "100", "222", "X  (122)"}));
    std::string saved = kit.Read("SETUP.INI");
    EXPECT_NE(saved.find("[BDE]\r\nSize=222\r\nPackfile=C.WRP\r\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("[ISubOption1.1]\r\nPackfile=C.WRP\r\n"), std::string::npos) << "spelled Packfile";
    EXPECT_EQ(saved.find("NONE"), std::string::npos) << "a section without the key gets nothing";
}

TEST_F(SetupFormLogicTest, ClosingWithEditsOffersSaveDiscardOrStay)
{
    logic.ButtonUpdateClick();
    EXPECT_TRUE(logic.FormClose()) << "nothing to ask";
    Edit(2, "Z.WRP");
    std::string before = kit.Read("SETUP.INI");
    ui.answers = {TBoxResult::Cancel, TBoxResult::No};
    EXPECT_FALSE(logic.FormClose());
    EXPECT_TRUE(logic.FormClose());
    EXPECT_EQ(kit.Read("SETUP.INI"), before);
    ui.answers = {TBoxResult::Yes};
    EXPECT_TRUE(logic.FormClose());
    EXPECT_NE(kit.Read("SETUP.INI").find("Packfile=Z.WRP"), std::string::npos);
    EXPECT_FALSE(logic.Flow().GridModified);
}

TEST_F(SetupFormLogicTest, AFailedSaveOfEditsKeepsThemForAnotherTry)
{
    logic.ButtonUpdateClick();
    Edit(2, "Z.WRP");
    namespace fs = std::filesystem;
    const fs::path file(kit.File("SETUP.INI"));
    const std::string before = kit.Read("SETUP.INI");
    fs::permissions(file, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    ui.answers = {TBoxResult::Yes};
    EXPECT_THROW(logic.FormClose(), EFCreateError);
    EXPECT_TRUE(logic.Flow().GridModified);
    EXPECT_EQ(Row(2)[ColPackFiles], "Z.WRP");
    EXPECT_EQ(kit.Read("SETUP.INI"), before);

    fs::permissions(file, fs::perms::owner_write, fs::perm_options::add);
    ui.answers = {TBoxResult::Yes};
    EXPECT_TRUE(logic.FormClose());
    EXPECT_NE(kit.Read("SETUP.INI").find("Packfile=Z.WRP"), std::string::npos);
    EXPECT_FALSE(logic.Flow().GridModified);
}

TEST_F(SetupFormLogicTest, FailedPassRestoresTheCursorAndKeepsItsRows)
{
    kit.Write("SETUP.INI", kIni + "[UMainOption1]\r\nx=1\r\n\r\n[USubOption1.1]\r\nPackFile=GONE.ZIP\r\nSize=1\r\n");
    EXPECT_THROW(logic.ButtonUpdateClick(), Exception);
    ASSERT_FALSE(ui.cursorChanges.empty());
    EXPECT_EQ(ui.cursorChanges.front(), TCursor::HourGlass);
    EXPECT_EQ(ui.cursor, TCursor::Default) << "restored on the way out";
    EXPECT_EQ(logic.Table().RowCount(), 5) << "the rows appended before the error stay";
    EXPECT_EQ(display.enabling.back(), true);
    EXPECT_EQ(kit.Read("SETUP.INI").find("Size=222"), std::string::npos) << "nothing saved";
}

TEST_F(SetupFormLogicTest, UpdateAndCloseWaitWhileAPassRuns)
{
    kit.Write("SETUP.INI", kIni + "[UMainOption1]\r\nx=1\r\n\r\n[USubOption1.1]\r\nPackFile=GONE.WRP\r\nSize=1\r\n");
    int reentered = 0;
    // The error box of the missing pack file lets window messages through: a second click
    // and a close request arrive in the middle of the walk.
    ui.onBox = [&](const platform::TMessageBoxSpec&) {
        if (reentered++ == 0) {
            logic.ButtonUpdateClick();
            EXPECT_FALSE(logic.FormClose());
        }
    };
    logic.ButtonUpdateClick();
    EXPECT_EQ(ui.boxes.size(), 1u) << "the second click ran no pass of its own";
    EXPECT_EQ(logic.Table().RowCount(), 6);
    EXPECT_EQ(Row(4), (std::vector<std::string>{"USubOption1.1", "GONE.WRP", "1", "(Error)", "X  (-2)"}));
    EXPECT_TRUE(logic.FormClose()) << "after the pass";
}

TEST_F(SetupFormLogicTest, TheGridStaysClosedToEditingForTheWholePass)
{
    kit.Write("SETUP.INI", kIni + "[UMainOption1]\r\nx=1\r\n\r\n[USubOption1.1]\r\nPackFile=GONE.WRP\r\nSize=1\r\n");
    logic.ButtonUpdateClick();
    ui.answers.clear();
    // The box of the missing pack file comes after BDE, once the walk has opened the grid.
    ui.onBox = [&](const platform::TMessageBoxSpec&) {
        EXPECT_EQ(display.enabling.back(), false);
        EXPECT_FALSE(logic.StringGridSelectCell(ColPackFiles, 1));
    };
    logic.ButtonUpdateClick();
    EXPECT_EQ(ui.boxes.size(), 2u);
    EXPECT_EQ(display.enabling.back(), true);
    ui.onBox = nullptr;
    EXPECT_TRUE(logic.StringGridSelectCell(ColPackFiles, 1));
}

TEST_F(SetupFormLogicTest, ACancelledEditLeavesTheRowAndTheFlagAsTheyWere)
{
    logic.ButtonUpdateClick();
    const std::vector<std::string> updated = Row(2);
    logic.StringGridBeginEdit(2);
    logic.StringGridSetEditText(ColPackFiles, 2, "typed");
    EXPECT_EQ(Row(2)[ColNewSize], "(changed)");
    logic.StringGridCancelEdit();
    EXPECT_EQ(Row(2), updated);
    EXPECT_FALSE(logic.Flow().GridModified);
    EXPECT_EQ(display.shown.back(), (std::pair<int, int>{2, 2}));

    // An edit kept, then a second one cancelled: the first stays.
    Edit(2, "KEPT.WRP");
    const std::vector<std::string> edited = Row(2);
    logic.StringGridBeginEdit(2);
    logic.StringGridSetEditText(ColPackFiles, 2, "dropped");
    logic.StringGridCancelEdit();
    EXPECT_EQ(Row(2), edited);
    EXPECT_TRUE(logic.Flow().GridModified);
}

TEST_F(SetupFormLogicTest, NoEditorStartsAndTheUserIsTold)
{
    std::vector<std::string> programs;
    logic.ButtonEditTextClick([&](const std::string& program, const std::string& argument) {
        programs.push_back(program);
        EXPECT_EQ(argument, logic.Kit().iniFile);
        return false;
    });
    EXPECT_EQ(programs, (std::vector<std::string>{"NotePad", "WordPad", "Write"}));
    EXPECT_EQ(ui.Texts(), std::vector<std::string>{"Unable to run NotePad or WordPad"});
}

}  // namespace
}  // namespace pk
