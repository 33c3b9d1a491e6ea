#include "window/Application.h"

#include "platform/UserInterface.h"
#include "window/RunModes.h"

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
    if (!titleWindow) {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = kTitleWindowClass;
        RegisterClassA(&wc);
        // Never shown: it only carries the application's name for the system.
        titleWindow = CreateWindowExA(0, kTitleWindowClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                      wc.hInstance, nullptr);
    }
    SetWindowTextA(titleWindow, title.c_str());
}

int TApplication::Run(HWND mainWindow)
{
    looping = true;
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
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
