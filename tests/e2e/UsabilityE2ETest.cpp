// Paktally.exe as people use it today: any screen resolution, the keyboard alone, the
// taskbar, long texts, logging off.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <thread>

#include "tests/e2e/Driver.h"
#include "tests/e2e/Kit.h"
#include "tests/e2e/OpenWindow.h"
#include "window/DesignMetrics.h"
#include "window/EditFlow.h"
#include "window/FormLayout.h"

namespace pk::e2e {
namespace {

using Dpi = TOpenWindow;
using DpiChange = TOpenWindow;
using Keyboard = TOpenWindow;
using Taskbar = TOpenWindow;
using LongTexts = TOpenWindow;
using Session = TOpenWindow;

void ExpectPlace(HWND control, const TControlRect& want, const char* name)
{
    ASSERT_TRUE(control) << name;
    TRect got = PlaceOf(control);
    EXPECT_NEAR(got.left, want.left, 1) << name;
    EXPECT_NEAR(got.top, want.top, 1) << name;
    EXPECT_NEAR(got.width, want.width, 1) << name;
    EXPECT_NEAR(got.height, want.height, 1) << name;
}

// Run at the prefix's resolution; the resolution scripts run it at 144 and 192 too.
TEST_F(Dpi, EveryPlaceSizeAndFontScalesWithTheScreen)
{
    const int dpi = ScreenDpi();
    if (const char* wanted = std::getenv("PK_SCREEN_DPI")) {
        ASSERT_EQ(dpi, std::atoi(wanted)) << "the screen resolution the test was started for";
    }
    Open();
    auto scaled = [dpi](int value) { return value * dpi / 96.0; };
    SIZE client = ClientSize(window);
    EXPECT_NEAR(client.cx, scaled(kClientWidth), 1);
    EXPECT_NEAR(client.cy, scaled(kClientHeight), 1);

    TFormLayout want = ScaleLayout(InitialLayout(), dpi);
    ExpectPlace(GetParent(grid), want.panel, "Panel");
    ExpectPlace(grid, want.grid, "StringGrid");
    ExpectPlace(FindChild(window, "Button", "&Close"), want.buttonClose, "ButtonClose");
    ExpectPlace(FindChild(window, "Button", "&Edit text file"), want.buttonEditText, "ButtonEditText");
    ExpectPlace(FindChild(window, "Button", "&Update"), want.buttonUpdate, "ButtonUpdate");
    ExpectPlace(FindChild(window, "Button", "&Print"), want.buttonPrint, "ButtonPrint");
    ExpectPlace(FindChild(window, "Static", "Directory PACKFILES:"), want.labelPK, "LabelPK");
    TRect path = PlaceOf(FindChild(window, "Static", kit.Folder()));
    EXPECT_NEAR(path.left, want.labelPathPackFiles.left, 1);
    EXPECT_NEAR(path.top, want.labelPathPackFiles.top, 1);
    EXPECT_NEAR(path.height, want.labelPathPackFiles.height, 1);

    std::vector<int> widths = run->ColumnWidths(grid);
    ASSERT_EQ(widths.size(), 5u);
    int designed[] = {110, 350, 90, 90, 100};
    for (size_t column = 0; column < widths.size(); ++column)
        EXPECT_NEAR(widths[column], scaled(designed[column]), 1) << column;
    RECT row = run->CellRect(grid, 0, 0);
    EXPECT_NEAR(row.bottom - row.top, scaled(kRowHeight), 1);
    EXPECT_TRUE(SaveScreenshot(window, ArtifactsFolder() + "/window-" + std::to_string(dpi) + "dpi.png"));

    // The smallest size scales too.
    SetWindowPos(window, nullptr, 0, 0, 100, 100, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_TRUE(WaitUntil([&] { return OuterSize(window).cx < scaled(kOuterWidth); }, 5s));
    EXPECT_NEAR(OuterSize(window).cx, scaled(kMinOuterWidth), 1);
    EXPECT_NEAR(OuterSize(window).cy, scaled(kMinOuterHeight), 1);
    SIZE small = ClientSize(window);
    TRect print = PlaceOf(FindChild(window, "Button", "&Print"));
    EXPECT_NEAR(print.left + print.width, small.cx - scaled(4), 1);
    EXPECT_NEAR(print.top + print.height, small.cy - scaled(4), 1);
}

// Only from 96 dpi: the window at one and a half times that must fit the display.
TEST_F(DpiChange, AWindowMovedToAScreenOfAnotherResolutionScalesAgain)
{
    if (ScreenDpi() != 96)
        GTEST_SKIP() << "runs at 96 dpi";
    Open();
    SetWindowPos(window, nullptr, 0, 0, 900, 500, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_TRUE(WaitUntil([&] { return OuterSize(window).cx == 900; }, 5s));
    SendMessageA(grid, LVM_SETCOLUMNWIDTH, 1, 200);  // as the user dragged it

    RECT place;
    GetWindowRect(window, &place);
    RECT suggested = {place.left, place.top, place.left + 1350, place.top + 750};
    run->SendDpiChanged(window, 144, suggested);
    ASSERT_TRUE(WaitUntil([&] { return OuterSize(window).cx == 1350; }, 5s)) << "the suggested place is taken";
    EXPECT_EQ(run->ColumnWidths(grid), (std::vector<int>{165, 300, 135, 135, 150}));
    RECT row = run->CellRect(grid, 0, 0);
    EXPECT_NEAR(row.bottom - row.top, 30, 1);
    SIZE client = ClientSize(window);
    TRect print = PlaceOf(FindChild(window, "Button", "&Print"));
    EXPECT_EQ(print.width, 120);
    EXPECT_EQ(print.height, 36);
    EXPECT_NEAR(print.left + print.width, client.cx - 6, 1);
    EXPECT_NEAR(print.top + print.height, client.cy - 6, 1);
    TRect panel = PlaceOf(GetParent(grid));
    EXPECT_NEAR(panel.width, client.cx - 12, 1);
    EXPECT_NEAR(panel.height, client.cy - 57, 1);
}

// The window and its buttons lie wholly on the screen; a screen that holds the window shows it
// as designed, in the middle. Run at every resolution, like Dpi.
TEST(Screen, TheWindowOpensWhollyOnScreensLargeAndSmall)
{
    const int dpi = ScreenDpi();
    auto scaled = [dpi](int value) { return value * dpi / 96.0; };
    for (SIZE screen : {SIZE{1024, 768}, SIZE{1920, 1080}}) {
        SCOPED_TRACE(std::to_string(screen.cx) + " x " + std::to_string(screen.cy));
        DriveOnScreenOfSize(screen, [&](const std::string& desktop) {
            TKit kit;
            TDrivenProgram run(PaktallyExe(), kit.IniPath(), desktop);
            HWND window = run.WaitForWindow(kWindowClass);
            ASSERT_TRUE(window);
            RECT place;
            GetWindowRect(window, &place);
            EXPECT_GE(place.left, 0);
            EXPECT_GE(place.top, 0);
            EXPECT_LE(place.right, screen.cx);
            EXPECT_LE(place.bottom, screen.cy);
            SIZE outer = OuterSize(window), client = ClientSize(window);
            EXPECT_NEAR(outer.cx, std::min(scaled(kClientWidth) + outer.cx - client.cx, 1.0 * screen.cx), 1);
            EXPECT_NEAR(outer.cy, std::min(scaled(kClientHeight) + outer.cy - client.cy, 1.0 * screen.cy), 1);
            EXPECT_NEAR(place.left, (screen.cx - outer.cx) / 2, 1);
            EXPECT_NEAR(place.top, (screen.cy - outer.cy) / 2, 1);
            for (const char* caption : {"&Close", "&Edit text file", "&Update", "&Print"}) {
                TRect button = PlaceOf(FindChild(window, "Button", caption));
                EXPECT_GE(button.left, 0) << caption;
                EXPECT_GE(button.top, 0) << caption;
                EXPECT_LE(button.left + button.width, client.cx) << caption;
                EXPECT_LE(button.top + button.height, client.cy) << caption;
            }
            TRect print = PlaceOf(FindChild(window, "Button", "&Print"));
            EXPECT_NEAR(print.left + print.width, client.cx - scaled(4), 1);

            // Moved to a screen of the same resolution, off its edges: back inside.
            RECT offScreen = {-100, -50, outer.cx - 100, outer.cy - 50};
            run.SendDpiChanged(window, dpi, offScreen);
            ASSERT_TRUE(WaitUntil([&] { GetWindowRect(window, &place); return place.left == 0; }, 5s));
            EXPECT_EQ(place.top, 0);
            EXPECT_EQ(OuterSize(window).cx, outer.cx);

            // The smallest size is the designed one, unless the screen is smaller still.
            SetWindowPos(window, nullptr, 0, 0, 100, 100, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
            ASSERT_TRUE(WaitUntil([&] { return OuterSize(window).cy < outer.cy; }, 5s));
            EXPECT_NEAR(OuterSize(window).cx, std::min(scaled(kMinOuterWidth), 1.0 * screen.cx), 1);
            EXPECT_NEAR(OuterSize(window).cy, std::min(scaled(kMinOuterHeight), 1.0 * screen.cy), 1);
            Click(FindChild(window, "Button", "&Close"));
            EXPECT_EQ(run.WaitForExit(), 0);
        });
    }
}

HWND VisibleEditor(HWND grid)
{
    HWND editor = nullptr;
    WaitUntil([&] {
        editor = FindChildOfClass(grid, "Edit");
        return editor && IsWindowVisible(editor);
    }, 10s);
    return editor && IsWindowVisible(editor) ? editor : nullptr;
}

int FocusedItem(HWND grid)
{
    return static_cast<int>(SendMessageA(grid, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
}

TEST_F(Keyboard, APackSetIsEditedAndSavedWithKeysAlone)
{
    Open();
    ASSERT_TRUE(BringToFront(window));
    auto pressAndAnswer = [&](const std::string& keys, const std::string& expected) {
        TypeOnDisplay(keys);
        TBox box = run->WaitForBox();
        ASSERT_TRUE(box.handle) << keys;
        EXPECT_EQ(box.text, expected);
        HWND boxWindow = box.handle;
        TypeOnDisplay("key Return");
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(boxWindow); }, 10s)) << "Enter answers " << expected;
    };

    // F2 takes the keyboard into the table, where the pack sets wait for an update pass.
    pressAndAnswer("key F2", kNotUpdatedError);
    pressAndAnswer("key alt+u", kit.GoneMessage());
    ASSERT_TRUE(WaitUntil([&] { return run->ReadTable(grid).size() == 7 && IsWindowEnabled(grid); }));
    const TTable updated = run->ReadTable(grid);

    // Leaving an editor as it was opened, or with Escape after typing, changes nothing.
    TypeOnDisplay("key F2");
    HWND editor = VisibleEditor(grid);
    ASSERT_TRUE(editor);
    EXPECT_EQ(TextOf(editor), "BDE.WRP");
    TypeOnDisplay("key Return");
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(editor); }, 10s));
    TypeOnDisplay("key F2");
    ASSERT_TRUE(VisibleEditor(grid));
    TypeOnDisplay("type --delay 50 OTHER.WRP");
    ASSERT_TRUE(WaitUntil([&] { return TextOf(editor) == "OTHER.WRP"; }, 10s));
    TypeOnDisplay("key Escape");
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(editor); }, 10s));
    EXPECT_EQ(run->ReadTable(grid), updated) << "no (changed) mark, the cell as it was";

    // The arrow keys move the focus through the rows; F2 edits the focused row; Enter commits.
    TypeOnDisplay("key Down");
    ASSERT_TRUE(WaitUntil([&] { return FocusedItem(grid) == 1; }, 10s));
    TypeOnDisplay("key F2");
    ASSERT_TRUE(VisibleEditor(grid));
    EXPECT_EQ(TextOf(editor), "CORE.WRP;TOOLS.ZIP");
    TypeOnDisplay("type --delay 50 CORE.WRP");
    ASSERT_TRUE(WaitUntil([&] { return TextOf(editor) == "CORE.WRP"; }, 10s));
    TypeOnDisplay("key Return");
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(editor); }, 10s));
    EXPECT_EQ(run->ReadTable(grid)[2],
              (std::vector<std::string>{"ISubOption1.1", "CORE.WRP", "5320", "(changed)", "X  (5319)"}));
    TypeOnDisplay("key Next");  // PgDn: the last row
    ASSERT_TRUE(WaitUntil([&] { return FocusedItem(grid) == 5; }, 10s));

    // Update offers to save (Enter: Yes), then measures again.
    pressAndAnswer("key alt+u", "Before updating the grid the changes must be saved\rSave changes to " + kit.IniPath() +
                                    " ?");
    TBox gone = run->WaitForBox();
    EXPECT_EQ(gone.text, kit.GoneMessage());
    run->Answer(gone, "OK");
    ASSERT_TRUE(WaitUntil([&] { return run->ReadTable(grid)[2][3] == "5000"; }));
    EXPECT_NE(kit.ReadIni().find("Packfile=CORE.WRP\r\n"), std::string::npos) << kit.ReadIni();

    // Escape presses Close; nothing is left to ask about.
    TypeOnDisplay("key Escape");
    EXPECT_EQ(run->WaitForExit(), 0);
}

TEST_F(Taskbar, TheApplicationTitleHasTheButtonAndOwnsTheMainWindow)
{
    Open();
    HWND application = GetWindow(window, GW_OWNER);
    ASSERT_TRUE(application) << "the main window is owned";
    ASSERT_TRUE(WaitUntil([&] { return TextOf(application) == "Check/update of SETUP.INI"; }));
    EXPECT_EQ(run->TaskbarWindows(), std::vector<HWND>{application});
    EXPECT_TRUE(GetWindowLongA(application, GWL_EXSTYLE) & WS_EX_APPWINDOW);
    EXPECT_EQ(OuterSize(application).cx, 0) << "never seen itself";
    EXPECT_EQ(OuterSize(application).cy, 0);
    EXPECT_EQ(GetWindow(application, GW_OWNER), nullptr);
    EXPECT_TRUE(GetWindowLongA(window, GWL_STYLE) & WS_CAPTION);
    EXPECT_EQ(TextOf(window), "Tarvo Setup:  " + kit.IniPath());

    // Minimising the main window minimises the one with the button; restoring that brings
    // the main window back.
    PostMessageA(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(WaitUntil([&] { return IsIconic(application) && !IsWindowVisible(window); }, 5s));
    PostMessageA(application, WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsIconic(application) && IsWindowVisible(window); }, 5s));
}

TEST_F(LongTexts, APathTooLongForTheLabelIsShortenedAndShownWholeAsItsHint)
{
    const std::string packFiles = kit.Folder() + std::string(40, 'p') + "\\" + std::string(40, 'q') + "\\";
    Open(kit.IniPath() + " " + packFiles);
    HWND label = FindChild(window, "Static", packFiles);
    ASSERT_TRUE(label);
    EXPECT_TRUE(GetWindowLongA(label, GWL_STYLE) & SS_PATHELLIPSIS);
    TRect place = PlaceOf(label);
    TRect close = PlaceOf(FindChild(window, "Button", "&Close"));
    EXPECT_EQ(place.left + place.width, close.left - 4) << "up to the buttons, not under them";
    std::string hint;
    for (const auto& [control, text] : run->Hints())
        if (control == label)
            hint = text;
    EXPECT_EQ(hint, packFiles + "\r\nPACKFILE-directory kan angives som f\xF8rste parameter n\xE5r Paktally k\xF8res");
    EXPECT_TRUE(SaveScreenshot(window, ArtifactsFolder() + "/window-long-path.png"));
}

TEST_F(LongTexts, ACutOffCellShowsItsWholeTextWhileThePointerRestsOnIt)
{
    Open();
    ASSERT_TRUE(WaitUntil([&] { return run->ReadTable(grid).size() == 7; }));
    SendMessageA(grid, LVM_SETCOLUMNWIDTH, 1, 60);
    auto pointAt = [&](int item, int column) {
        RECT cell = run->CellRect(grid, item, column);
        POINT middle = {(cell.left + (column == 0 ? cell.left + 100 : cell.right)) / 2, (cell.top + cell.bottom) / 2};
        ClientToScreen(grid, &middle);
        TypeOnDisplay("mousemove " + std::to_string(middle.x) + " " + std::to_string(middle.y));
    };
    pointAt(1, 1);
    EXPECT_TRUE(WaitUntil([&] { return run->ShownTip(grid) == "CORE.WRP;TOOLS.ZIP"; }, 10s)) << run->ShownTip(grid);
    pointAt(0, 0);  // "BDE" fits its column
    EXPECT_TRUE(WaitUntil([&] { return run->ShownTip(grid).empty(); }, 10s)) << run->ShownTip(grid);
    pointAt(2, 1);  // "NONE" fits even the narrow column
    std::this_thread::sleep_for(1s);
    EXPECT_EQ(run->ShownTip(grid), "");
    TypeOnDisplay("mousemove 0 0");
}

// The session's question comes from another thread, as the system sends it: the answer
// waits for the box.
LRESULT AskToEndSession(HWND window, const TDrivenProgram& run, const std::string& button, TBox& box)
{
    std::atomic<LRESULT> answer{-1};
    std::thread session([&] { answer = SendMessageA(window, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF); });
    box = run.WaitForBox();
    if (box.handle)
        run.Answer(box, button);
    session.join();
    return answer;
}

TEST_F(Session, LoggingOffWithUnsavedEditsAsksAsClosingDoes)
{
    Open();
    EXPECT_EQ(SendMessageA(window, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), TRUE) << "nothing to ask";
    Click(FindChild(window, "Button", "&Update"));
    run->Answer(run->WaitForBox(), "OK");  // GONE.WRP
    ASSERT_TRUE(WaitUntil([&] { return run->ReadTable(grid).size() == 7 && IsWindowEnabled(grid); }));
    RECT cell = run->CellRect(grid, 0, 1);
    ClickAt(grid, {(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2});
    HWND editor = VisibleEditor(grid);
    ASSERT_TRUE(editor);
    SendMessageA(editor, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("OTHER.WRP"));
    PressKey(editor, VK_RETURN);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(editor); }, 10s));

    TBox box;
    EXPECT_EQ(AskToEndSession(window, *run, "Cancel", box), FALSE) << "Cancel keeps the session";
    EXPECT_EQ(box.title, "Information");
    EXPECT_EQ(box.text, "Save changes to " + kit.IniPath() + "?");
    EXPECT_EQ(box.buttons, (std::vector<std::string>{"&Yes", "&No", "Cancel"}));
    EXPECT_EQ(kit.ReadIni().find("OTHER.WRP"), std::string::npos);
    EXPECT_EQ(AskToEndSession(window, *run, "&Yes", box), TRUE);
    EXPECT_NE(kit.ReadIni().find("Packfile=OTHER.WRP\r\n"), std::string::npos) << "saved before the session ends";
    // Saved: the closing at the end asks nothing.
}

}  // namespace
}  // namespace pk::e2e
