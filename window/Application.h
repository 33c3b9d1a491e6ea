#pragma once
// The application as a whole (Win32): its title and taskbar button, carried by a window of its
// own that owns the main window, the message loop, and the handler of errors that escape an
// event handler.
#include <windows.h>

#include <exception>
#include <string>

namespace pk {

class TApplication {
public:
    static TApplication& Instance();

    const std::string& Title() const { return title; }
    void SetTitle(const std::string& text);
    // The window with the taskbar button, created on first use: never seen itself, it shows
    // the title in the taskbar and in the task switcher, and owns the main window.
    HWND TaskbarWindow();
    // Minimises to the taskbar button: the main window hides until the button restores it.
    void Minimize(HWND mainWindow);

    // Runs the message loop until the main window is gone; returns the exit code.
    int Run(HWND mainWindow, HACCEL accelerators);

    // For a window procedure whose handler raised. While the loop runs the error is shown
    // under the application title and the program goes on; before it (and in a silent run,
    // which has none) the process ends with the "Application Error" box and exit code 1.
    void HandleException(const std::exception_ptr& error);

private:
    TApplication();
    static LRESULT CALLBACK TaskbarWindowProc(HWND, UINT, WPARAM, LPARAM);
    std::string title;
    HWND titleWindow = nullptr;
    HWND minimizedWindow = nullptr;
    bool looping = false;
};

// The "Application Error" box for an error that ends the process.
void ShowApplicationError(const std::exception_ptr& error);

// Runs a window procedure's handler, keeping any error it raises out of the system's frames.
template <typename Handler>
LRESULT GuardedHandler(Handler&& handler)
{
    try {
        return handler();
    } catch (...) {
        TApplication::Instance().HandleException(std::current_exception());
        return 0;
    }
}

}  // namespace pk
