#include "window/Application.h"

#include "platform/UserInterface.h"
#include "window/ApplicationError.h"

namespace pk {

namespace {
constexpr const char* kTitleWindowClass = "PaktallyApplication";
}

TApplication& TApplication::Instance()
{
    static TApplication application;
    return application;
}

TApplication::TApplication() : title(kProgramName) {}

void TApplication::SetTitle(const std::string& text)
{
    title = text;
    SetWindowTextA(TaskbarWindow(), title.c_str());
}

HWND TApplication::TaskbarWindow()
{
    if (titleWindow)
        return titleWindow;
    WNDCLASSA wc = {};
    wc.lpfnWndProc = TaskbarWindowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kTitleWindowClass;
    RegisterClassA(&wc);
    // Shown, for the taskbar to list it, but of no size.
    titleWindow = CreateWindowExA(WS_EX_APPWINDOW, kTitleWindowClass, title.c_str(),
                                  WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, GetSystemMetrics(SM_CXSCREEN) / 2,
                                  GetSystemMetrics(SM_CYSCREEN) / 2, 0, 0, nullptr, nullptr, wc.hInstance, nullptr);
    ShowWindow(titleWindow, SW_SHOWNOACTIVATE);
    return titleWindow;
}

void TApplication::Minimize(HWND mainWindow)
{
    minimizedWindow = mainWindow;
    ShowWindow(mainWindow, SW_HIDE);
    ShowWindow(TaskbarWindow(), SW_MINIMIZE);
}

LRESULT CALLBACK TApplication::TaskbarWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SIZE:
        if (HWND hidden = Instance().minimizedWindow; hidden && wParam == SIZE_RESTORED) {
            Instance().minimizedWindow = nullptr;
            ShowWindow(hidden, SW_SHOW);
            SetActiveWindow(hidden);
        }
        return 0;
    case WM_ACTIVATE: {
        // Chosen in the taskbar: the main window (or its open box) takes over.
        HWND popup = GetLastActivePopup(window);
        if (LOWORD(wParam) != WA_INACTIVE && popup != window && IsWindowEnabled(popup))
            SetActiveWindow(popup);
        return 0;
    }
    case WM_CLOSE:
        // Closed from the taskbar: the main window decides, as for its own Close.
        if (HWND popup = GetLastActivePopup(window); popup != window)
            PostMessageA(popup, WM_CLOSE, 0, 0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

int TApplication::Run(HWND mainWindow, HACCEL accelerators)
{
    looping = true;
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (IsWindow(mainWindow) && accelerators && TranslateAcceleratorA(mainWindow, accelerators, &msg))
            continue;
        // Tab, Enter and Escape work among the main window's controls as in a dialog.
        if (IsWindow(mainWindow) && IsDialogMessageA(mainWindow, &msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    looping = false;
    return 0;
}

void TApplication::HandleException(const std::exception_ptr& error)
{
    if (!looping) {
        ShowApplicationError(error);
        ExitProcess(1);
    }
    platform::UI().ShowMessageBox(
        {WithFullStop(DescribeError(error).message), title, platform::TBoxIcon::Error, platform::TBoxButtons::OK});
}

void ShowApplicationError(const std::exception_ptr& error)
{
    platform::UI().ShowMessageBox({ApplicationErrorText(DescribeError(error)), "Application Error",
                                   platform::TBoxIcon::Error, platform::TBoxButtons::OK});
}

}  // namespace pk
