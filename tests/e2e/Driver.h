#pragma once
// Drives a running Paktally.exe from another process, as a user would: finds its windows,
// reads its controls and its table, answers its message boxes, and waits for its end.
#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace pk::e2e {

using namespace std::chrono_literals;

struct TBox {
    HWND handle = nullptr;
    std::string title;
    std::string text;
    std::vector<std::string> buttons;  // captions, left to right
    bool hasIcon = false;
};

struct TRect {
    int left = 0, top = 0, width = 0, height = 0;
    bool operator==(const TRect&) const = default;
};

using TTable = std::vector<std::vector<std::string>>;  // row 0: the column titles

class TDrivenProgram {
public:
    // Starts exe with the arguments; the working folder is the exe's own. On another desktop
    // than the driver's when one is named.
    TDrivenProgram(const std::string& exe, const std::string& arguments, const std::string& desktop = "");
    ~TDrivenProgram();  // ends the program if it is still running
    TDrivenProgram(const TDrivenProgram&) = delete;
    TDrivenProgram& operator=(const TDrivenProgram&) = delete;

    // The first visible top-level window of the program with that class, or nullptr in time.
    HWND WaitForWindow(const std::string& windowClass, std::chrono::milliseconds timeout = 30s) const;
    // The next message box of the program, or an empty TBox (handle null) in time.
    TBox WaitForBox(std::chrono::milliseconds timeout = 30s) const;
    // Presses the button with that caption in the box and waits until the box is gone.
    void Answer(const TBox& box, const std::string& button) const;
    // Waits for the program to end; -1 when it did not within the time.
    int WaitForExit(std::chrono::milliseconds timeout = 60s) const;
    bool Running() const;

    TTable ReadTable(HWND listView) const;
    std::vector<int> ColumnWidths(HWND listView) const;
    // Hints of the program's tooltip windows: the control each belongs to, and its text.
    std::vector<std::pair<HWND, std::string>> Hints() const;
    // The text of the tip shown now for the control; empty when none is shown.
    std::string ShownTip(HWND control) const;
    // The program's windows that the taskbar and the task switcher list.
    std::vector<HWND> TaskbarWindows() const;
    // Tells the window that it is now on a screen of that resolution, as the system does.
    LRESULT SendDpiChanged(HWND window, int dpi, const RECT& suggested) const;
    // The cell's rectangle in the list view's client area.
    RECT CellRect(HWND listView, int item, int column) const;

private:
    std::vector<HWND> TopLevelWindows(const std::string& windowClass) const;
    // Of any class when windowClass is empty.
    std::vector<HWND> TopLevelWindowsOf(const std::string& windowClass, bool visibleOnly) const;
    std::vector<std::pair<HWND, std::string>> ToolsOf(HWND tips) const;

    PROCESS_INFORMATION process = {};
};

// Runs the driving on a thread of its own desktop, whose screen has that size: the programs it
// starts there open on that screen, and its window lookups see that desktop alone.
void DriveOnScreenOfSize(SIZE screen, const std::function<void(const std::string& desktop)>& drive);

// Polls until the condition holds; false when it never did in time.
bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout = 30s);

std::string ClassOf(HWND window);
std::string TextOf(HWND window);
// The visible child (at any depth) of that class and caption; nullptr if there is none.
HWND FindChild(HWND parent, const std::string& windowClass, const std::string& caption);
HWND FindChildOfClass(HWND parent, const std::string& windowClass);
// Position and size in the parent's client area.
TRect PlaceOf(HWND control);
SIZE ClientSize(HWND window);
SIZE OuterSize(HWND window);

// A click of the button, queued so the driver does not wait for the handler's boxes.
void Click(HWND button);
// A left click at a point of the window's client area.
void ClickAt(HWND window, POINT where);
void PressKey(HWND window, WPARAM key);

// Runs a program of the host (a name in /usr/bin with its arguments) and waits for it.
bool RunHostTool(const std::string& commandLine);
// The screen's resolution, as Wine reports it.
int ScreenDpi();
// Keys typed, or the pointer moved, on the X display, as a user does (xdotool's commands).
bool TypeOnDisplay(const std::string& xdotoolCommands);
// Makes the window the foreground window, which has the display's keyboard.
bool BringToFront(HWND window);
// Drags with the real mouse pointer of the X display, in screen coordinates.
void DragWithMouse(POINT from, POINT to);

// Saves a picture of the screen area of the window as PNG (once two shots agree).
bool SaveScreenshot(HWND window, const std::string& unixPath);

}  // namespace pk::e2e
