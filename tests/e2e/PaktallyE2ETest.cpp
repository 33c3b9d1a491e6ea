// Paktally.exe under Wine and a private X display, driven from this process as a user would.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <map>
#include <thread>

#include "tests/e2e/Driver.h"
#include "tests/e2e/Kit.h"
#include "tests/e2e/OpenWindow.h"
#include "window/FormLayout.h"

namespace pk::e2e {
namespace {

using Window = TOpenWindow;
using Printing = TOpenWindow;

// Answers every box with its first button until the program ends; returns the boxes.
std::vector<TBox> AnswerBoxesUntilExit(const TDrivenProgram& run, int& exitCode)
{
    std::vector<TBox> boxes;
    auto end = std::chrono::steady_clock::now() + 90s;
    while (run.Running() && std::chrono::steady_clock::now() < end) {
        TBox box = run.WaitForBox(300ms);
        if (box.handle) {
            boxes.push_back(box);
            run.Answer(box, box.buttons.empty() ? "OK" : box.buttons.front());
        }
    }
    exitCode = run.WaitForExit(5s);
    return boxes;
}

// The kit copied beside a copy of the program, for runs that take SETUP.INI from the
// program's folder.
std::string CopyProgramInto(const TKit& kit)
{
    std::string exe = kit.Dir().File("Paktally.exe");
    EXPECT_TRUE(CopyFileA(PaktallyExe().c_str(), exe.c_str(), FALSE));
    return exe;
}

TEST(SilentRun, UpdatesSetupIniExactlyAndExitsWithZero)
{
    TKit kit;
    TDrivenProgram run(PaktallyExe(), "/B " + kit.IniPath());
    int exitCode = -1;
    std::vector<TBox> boxes = AnswerBoxesUntilExit(run, exitCode);
    EXPECT_EQ(exitCode, 0) << "a failed measurement does not change the exit code";
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, "Error");
    EXPECT_EQ(boxes[0].text, kit.GoneMessage());
    EXPECT_EQ(boxes[0].buttons, std::vector<std::string>{"OK"});
    EXPECT_TRUE(boxes[0].hasIcon);
    EXPECT_EQ(kit.ReadIni(), TKit::UpdatedIni());
}

TEST(SilentRun, MissingSetupIniIsReportedOnceForEachPass)
{
    TKit kit;
    std::string missing = kit.Dir().File("NOPE.INI");
    TDrivenProgram run(PaktallyExe(), missing + " /b");
    int exitCode = -1;
    std::vector<TBox> boxes = AnswerBoxesUntilExit(run, exitCode);
    EXPECT_EQ(exitCode, 0);
    ASSERT_EQ(boxes.size(), 2u);
    for (const TBox& box : boxes) {
        EXPECT_EQ(box.text, "Ini-file " + missing + " does not exist");
        EXPECT_EQ(box.title, "Error");
    }
    EXPECT_FALSE(kit.Dir().Exists("NOPE.INI"));
}

TEST(SilentRun, MissingZipPackFileEndsWithApplicationErrorAndLeavesTheFileAlone)
{
    TKit kit;
    std::string ini = TKit::Ini();
    ini.replace(ini.find("CORE.WRP;TOOLS.ZIP"), 18, "CORE.WRP;MISSING.ZIP");
    kit.WriteIni(ini);
    TDrivenProgram run(PaktallyExe(), "/B " + kit.IniPath());
    int exitCode = -1;
    std::vector<TBox> boxes = AnswerBoxesUntilExit(run, exitCode);
    EXPECT_EQ(exitCode, 1);
    ASSERT_EQ(boxes.size(), 1u) << "the pass ends at the ZIP pack file, before GONE.WRP";
    EXPECT_EQ(boxes[0].title, "Application Error");
    EXPECT_EQ(boxes[0].text.rfind("Exception E", 0), 0u) << boxes[0].text;
    EXPECT_NE(boxes[0].text.find(" in module Paktally.exe.\n"), std::string::npos) << boxes[0].text;
    EXPECT_NE(boxes[0].text.find("MISSING.ZIP"), std::string::npos) << boxes[0].text;
    EXPECT_TRUE(boxes[0].hasIcon);
    EXPECT_EQ(kit.ReadIni(), ini);
}

TEST(SilentRun, ForwardSlashesInTheFirstArgumentMakeTheRunSilent)
{
    TKit kit;
    TDrivenProgram run(CopyProgramInto(kit), "C:/Backup/SETUP.INI");
    int exitCode = -1;
    std::vector<TBox> boxes = AnswerBoxesUntilExit(run, exitCode);
    EXPECT_EQ(exitCode, 0);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, kit.GoneMessage()) << "Setup.ini of the program's folder was used";
    EXPECT_EQ(kit.ReadIni(), TKit::UpdatedIni());
}

TEST(SyntaxRequest, ShowsTheSyntaxAndEnds)
{
    TDrivenProgram run(PaktallyExe(), "/? /B");
    TBox box = run.WaitForBox();
    ASSERT_TRUE(box.handle);
    EXPECT_EQ(box.title, "Paktally");
    EXPECT_EQ(box.text, "Syntax: PAKTALLY [/B] [inifilepath[\\filename]] [packfilepath]\r\r/B : Silent update");
    EXPECT_EQ(box.buttons, std::vector<std::string>{"OK"});
    EXPECT_FALSE(box.hasIcon);
    EXPECT_EQ(run.WaitForWindow(kWindowClass, 1s), nullptr);
    run.Answer(box, "OK");
    EXPECT_EQ(run.WaitForExit(), 0);
}

TEST(SyntaxRequest, OtherArgumentsRunInteractively)
{
    TKit kit;
    std::string copy = CopyProgramInto(kit);
    for (const auto& [exe, arguments] : std::vector<std::pair<std::string, std::string>>{
             {copy, "/?x"}, {PaktallyExe(), "/X " + kit.IniPath()}, {copy, "\"\" /?"}, {copy, "-?"}}) {
        TDrivenProgram run(exe, arguments);
        HWND window = run.WaitForWindow(kWindowClass);
        ASSERT_TRUE(window) << arguments;
        // "-?" names the INI file: only the listing pass complains about it.
        for (TBox box; (box = run.WaitForBox(1s)).handle;) {
            EXPECT_EQ(box.text.find("Syntax"), std::string::npos) << arguments;
            EXPECT_EQ(arguments, "-?") << box.text;
            run.Answer(box, "OK");
        }
        Click(FindChild(window, "Button", "&Close"));
        EXPECT_EQ(run.WaitForExit(), 0) << arguments;
        EXPECT_EQ(kit.ReadIni(), TKit::Ini()) << "an interactive run writes nothing by itself";
    }
}

// Every control at its place; the grid's within the panel.
void ExpectLayout(HWND window, const TFormLayout& layout)
{
    HWND grid = FindChildOfClass(window, "SysListView32");
    ASSERT_TRUE(grid);
    EXPECT_EQ(ClassOf(GetParent(grid)), "PaktallyPanel");
    auto expect = [](HWND control, const TControlRect& r, const char* name) {
        ASSERT_TRUE(control) << name;
        EXPECT_EQ(PlaceOf(control), (TRect{r.left, r.top, r.width, r.height})) << name;
    };
    expect(GetParent(grid), layout.panel, "Panel");
    expect(grid, layout.grid, "StringGrid");
    expect(FindChild(window, "Button", "&Close"), layout.buttonClose, "ButtonClose");
    expect(FindChild(window, "Button", "&Edit text file"), layout.buttonEditText, "ButtonEditText");
    expect(FindChild(window, "Button", "&Update"), layout.buttonUpdate, "ButtonUpdate");
    expect(FindChild(window, "Button", "&Print"), layout.buttonPrint, "ButtonPrint");
    expect(FindChild(window, "Static", "Directory PACKFILES:"), layout.labelPK, "LabelPK");
}

TEST_F(Window, ControlsTextsAndTableAfterStartUp)
{
    Open();
    EXPECT_EQ(TextOf(window), "Tarvo Setup:  " + kit.IniPath());
    SIZE client = ClientSize(window);
    EXPECT_EQ(client.cx, kClientWidth);
    EXPECT_EQ(client.cy, kClientHeight);
    ExpectLayout(window, InitialLayout());

    HWND path = FindChild(window, "Static", kit.Folder());
    ASSERT_TRUE(path) << "the label shows the PACKFILES folder";
    EXPECT_EQ(PlaceOf(path).left, 116);
    EXPECT_EQ(PlaceOf(path).top, 412);

    // Tab goes round the buttons only.
    HWND close = FindChild(window, "Button", "&Close");
    std::vector<std::string> order;
    for (HWND at = close; order.size() < 5; at = GetNextDlgTabItem(window, at, FALSE))
        order.push_back(TextOf(at));
    EXPECT_EQ(order, (std::vector<std::string>{"&Close", "&Edit text file", "&Update", "&Print", "&Close"}));

    // Danish hints, in the ANSI code page.
    std::map<std::string, std::string> hints;
    for (const auto& [control, text] : run->Hints())
        if (control != grid)  // the tips of cut-off cells
            hints[TextOf(control)] = text;
    EXPECT_EQ(hints, (std::map<std::string, std::string>{
                         {"&Edit text file", "Edit\xE9r INI-filen i en teksteditor"},
                         {"&Update", "Opdat\xE9r tabellen med de rigtige st\xF8rrelse og gem evt. \xE6ndringer"},
                         {"&Print", "Udskriv tabellen til printeren"},
                         {kit.Folder(), "PACKFILE-directory kan angives som f\xF8rste parameter n\xE5r Paktally k\xF8res"},
                     }));

    EXPECT_EQ(run->ColumnWidths(grid), (std::vector<int>{110, 350, 90, 90, 100}));
    TTable table = run->ReadTable(grid);
    TTable expected = {
        {"Sub section", "PackFiles", "Prev. Size", "New Size", "Size Changed"},
        {"BDE", "BDE.WRP", "100", "", "NOT UPDATED"},
        {"ISubOption1.1", "CORE.WRP;TOOLS.ZIP", "1", "", "NOT UPDATED"},
        {"ISubOption1.2", "NONE", "77", "", "NOT UPDATED"},
        {"ISubOption1.3", "NOSIZE.WRP", "-1", "", "NOT UPDATED"},
        {"USubOption1.1", "GONE.WRP", "5", "", "NOT UPDATED"},
        {"", "", "", "", ""},
    };
    EXPECT_EQ(table, expected);

    // Escape presses Close.
    PressKey(close, VK_ESCAPE);
    EXPECT_EQ(run->WaitForExit(), 0);
}

TEST_F(Window, SmallestSizeKeepsTheButtonsInsideAndTheGridAboveThem)
{
    Open();
    SetWindowPos(window, nullptr, 0, 0, 200, 100, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_TRUE(WaitUntil([&] { return OuterSize(window).cx == kMinOuterWidth; }, 5s));
    EXPECT_EQ(OuterSize(window).cy, kMinOuterHeight);
    SIZE client = ClientSize(window);
    TFormLayout expected = ResizedLayout(InitialLayout(), client.cx, client.cy);
    ExpectLayout(window, expected);
    TRect print = PlaceOf(FindChild(window, "Button", "&Print"));
    EXPECT_EQ(print.left + print.width, client.cx - 4);
    EXPECT_EQ(print.top + print.height, client.cy - 4);
    TRect close = PlaceOf(FindChild(window, "Button", "&Close"));
    EXPECT_GT(close.left, 0);
    EXPECT_LT(expected.panel.top + expected.panel.height, close.top);
    EXPECT_EQ(PlaceOf(FindChild(window, "Static", kit.Folder())).top, client.cy - 13 - 12);
}

TEST_F(Window, SnapsToTheScreenEdgesWhenDraggedNearThem)
{
    Open();
    auto place = [&] {
        RECT r;
        GetWindowRect(window, &r);
        return r;
    };
    // The host's drag tool runs on by itself: wait until the window has come to rest there.
    auto dragBy = [&](int dx, int dy) {
        RECT r = place();
        POINT grip = {r.left + 150, r.top + 8};  // on the caption
        DragWithMouse(grip, {grip.x + dx, grip.y + dy});
        ASSERT_TRUE(WaitUntil([&] { return place().top == r.top + dy; }, 10s));
        std::this_thread::sleep_for(1s);  // the button is up, and the next press is no double click
    };
    RECT start = place();
    dragBy(6 - start.left, 300 - start.top);
    EXPECT_EQ(place().left, 0) << "6 pixels from the left edge";

    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    dragBy(screenWidth - 7 - place().right, 20 - place().top);
    EXPECT_EQ(place().right, screenWidth) << "7 pixels from the right edge";
    EXPECT_EQ(place().top, 20) << "20 pixels from the top stays";
}

// Opens the editor on a pack-set cell, types the text and presses Enter.
void EditPackSet(const TDrivenProgram& run, HWND grid, int item, const std::string& text)
{
    RECT cell = run.CellRect(grid, item, 1);
    ClickAt(grid, {(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2});
    HWND editor = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        editor = FindChildOfClass(grid, "Edit");
        return editor && IsWindowVisible(editor);
    }, 10s));
    SendMessageA(editor, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    PressKey(editor, VK_RETURN);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(editor); }, 10s));
}

TEST_F(Window, UpdateEditSaveAndClose)
{
    Open();
    HWND update = FindChild(window, "Button", "&Update");
    HWND close = FindChild(window, "Button", "&Close");

    // Before an update pass the pack sets may not be edited.
    RECT cell = run->CellRect(grid, 0, 1);
    ClickAt(grid, {(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2});
    TBox refused = run->WaitForBox();
    ASSERT_TRUE(refused.handle);
    EXPECT_EQ(refused.text, "Ini-file is not updated. Click UPDATE before making changes to PACKFILES");
    run->Answer(refused, "OK");

    Click(update);
    TBox gone = run->WaitForBox();
    EXPECT_EQ(gone.text, kit.GoneMessage());
    run->Answer(gone, "OK");
    ASSERT_TRUE(WaitUntil([&] { return run->ReadTable(grid).size() == 7 && IsWindowEnabled(grid); }));
    TTable expected = {
        {"Sub section", "PackFiles", "Prev. Size", "New Size", "Size Changed"},
        {"BDE", "BDE.WRP", "100", "1234", "X  (1134)"},
        {"ISubOption1.1", "CORE.WRP;TOOLS.ZIP", "1", "5320", "X  (5319)"},
        {"ISubOption1.2", "NONE", "77", "0", "X  (-77)"},
        {"ISubOption1.3", "NOSIZE.WRP", "-1", "", "NOT UPDATED"},
        {"USubOption1.1", "GONE.WRP", "5", "(Error)", "X  (-6)"},
        {"", "", "", "", ""},
    };
    EXPECT_EQ(run->ReadTable(grid), expected);
    EXPECT_EQ(kit.ReadIni(), TKit::UpdatedIni());
    EXPECT_TRUE(SaveScreenshot(window, ArtifactsFolder() + "/window-after-update.png"));

    // An edit moves the row's new size under Prev. Size and marks it changed.
    EditPackSet(*run, grid, 1, "CORE.WRP");
    TTable edited = run->ReadTable(grid);
    EXPECT_EQ(edited[2], (std::vector<std::string>{"ISubOption1.1", "CORE.WRP", "5320", "(changed)", "X  (5319)"}));

    // Update offers to save first; Yes saves, then measures the corrected pack set.
    Click(update);
    TBox save = run->WaitForBox();
    EXPECT_EQ(save.title, "Confirm");
    EXPECT_EQ(save.text,
              "Before updating the grid the changes must be saved\rSave changes to " + kit.IniPath() + " ?");
    EXPECT_EQ(save.buttons, (std::vector<std::string>{"&Yes", "&No"}));
    run->Answer(save, "&Yes");
    run->Answer(run->WaitForBox(), "OK");  // GONE.WRP again
    ASSERT_TRUE(WaitUntil([&] { return run->ReadTable(grid)[2][3] == "5000"; }));
    // Every listed pack set is written back, with the key spelled Packfile.
    std::string saved = TKit::UpdatedIni();
    saved.replace(saved.find("PackFile=CORE.WRP;TOOLS.ZIP"), 27, "Packfile=CORE.WRP");
    for (size_t at; (at = saved.find("PackFile=")) != std::string::npos;)
        saved.replace(at, 9, "Packfile=");
    saved.replace(saved.find("Size=5320"), 9, "Size=5000");
    EXPECT_EQ(kit.ReadIni(), saved);

    // Closing with an unsaved edit asks; Cancel keeps the window, No discards.
    EditPackSet(*run, grid, 0, "OTHER.WRP");
    Click(close);
    TBox ask = run->WaitForBox();
    EXPECT_EQ(ask.title, "Information");
    EXPECT_EQ(ask.text, "Save changes to " + kit.IniPath() + "?");
    EXPECT_EQ(ask.buttons, (std::vector<std::string>{"&Yes", "&No", "Cancel"}));
    run->Answer(ask, "Cancel");
    EXPECT_TRUE(run->Running());
    EXPECT_TRUE(IsWindowVisible(window));
    Click(close);
    run->Answer(run->WaitForBox(), "&No");
    EXPECT_EQ(run->WaitForExit(), 0);
    EXPECT_EQ(kit.ReadIni(), saved);
}

TEST_F(Window, ErrorWhileTheLoopRunsIsShownAndTheWindowStays)
{
    std::string ini = TKit::Ini();
    ini.replace(ini.find("TOOLS.ZIP"), 9, "MISSING.ZIP");
    kit.WriteIni(ini);
    Open();
    Click(FindChild(window, "Button", "&Update"));
    TBox error = run->WaitForBox();
    EXPECT_EQ(error.title, "Check/update of SETUP.INI");
    EXPECT_NE(error.text.find("MISSING.ZIP"), std::string::npos) << error.text;
    EXPECT_EQ(error.buttons, std::vector<std::string>{"OK"});
    run->Answer(error, "OK");
    EXPECT_TRUE(run->Running());
    EXPECT_TRUE(IsWindowEnabled(grid)) << "the pass gives the grid back";
    EXPECT_EQ(run->ReadTable(grid).size(), 3u) << "the rows appended before the error stay";
    EXPECT_EQ(kit.ReadIni(), ini);
}

// Run by the printout script, which makes a PDF queue the default printer and reads back
// what comes out of it.
TEST_F(Printing, PrintButtonPrintsTheTable)
{
    if (!std::getenv("PK_PRINTER_QUEUE"))
        GTEST_SKIP() << "needs the PDF printer queue of the printout test";
    if (const char* wanted = std::getenv("PK_SCREEN_DPI")) {
        ASSERT_EQ(ScreenDpi(), std::atoi(wanted)) << "the screen resolution the printout was started for";
    }
    Open();
    Click(FindChild(window, "Button", "&Update"));
    run->Answer(run->WaitForBox(), "OK");  // GONE.WRP
    ASSERT_TRUE(WaitUntil([&] { return run->ReadTable(grid).size() == 7 && IsWindowEnabled(grid); }));
    Click(FindChild(window, "Button", "&Print"));
    TBox box = run->WaitForBox(3s);
    EXPECT_EQ(box.handle, nullptr) << box.title << ": " << box.text;
}

TEST_F(Window, ErrorInTheFirstListingEndsTheProgram)
{
    // Held open with no sharing, SETUP.INI exists but cannot be read.
    HANDLE held = CreateFileA(kit.IniPath().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    TDrivenProgram program(PaktallyExe(), kit.IniPath());
    int exitCode = -1;
    std::vector<TBox> boxes = AnswerBoxesUntilExit(program, exitCode);
    CloseHandle(held);
    EXPECT_EQ(exitCode, 1);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, "Application Error");
    EXPECT_EQ(boxes[0].text.rfind("Exception EFOpenError in module Paktally.exe.\n", 0), 0u) << boxes[0].text;
    EXPECT_EQ(kit.ReadIni(), TKit::Ini());
}

}  // namespace
}  // namespace pk::e2e
