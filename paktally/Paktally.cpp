// Paktally.exe: checks and updates the sizes that SETUP.INI states for the pack files of an
// installation kit. "/?" shows the syntax, "/B" updates once without waiting for the user.
#include <windows.h>

#include <commctrl.h>

#include <memory>

#include "paktally/CommandLine.h"
#include "platform/UserInterface.h"
#include "survey/Survey.h"
#include "window/Application.h"
#include "paktally/RunModes.h"
#include "window/SetupForm.h"

namespace pk {

namespace {

void StartMainWindow(TSetupForm& form, bool silent)
{
    form.SetCaption(kCaptionPrefix + form.Logic().Kit().iniFile);
    TEditFlow& flow = form.Logic().Flow();
    flow.IniUpdated = false;
    flow.GridModified = false;
    form.Show();
    ScanSetupIni(form.Logic().Kit(), form.Logic(), false, true);
    if (silent)
        form.ButtonUpdateClick();
}

int RunPaktally()
{
    std::unique_ptr<TSetupForm> form;  // outlives the error box, so the box has its window
    try {
        if (IsSyntaxRequest(ParamStr(1))) {
            platform::UI().ShowMessageBox(
                {kSyntaxText, TApplication::Instance().Title(), platform::TBoxIcon::None, platform::TBoxButtons::OK});
            return 0;
        }
        bool silent = IsSilentRun(ParamStr(1), ParamStr(2), ParamStr(3));
        form = std::make_unique<TSetupForm>(KitPathsFromCommandLine());
        StartMainWindow(*form, silent);
        if (silent)
            return 0;  // no message loop and no close prompt
        TApplication& application = TApplication::Instance();
        application.SetTitle(kApplicationTitle);
        return application.Run(form->Handle(), form->Accelerators());
    } catch (...) {
        ShowApplicationError(std::current_exception());
        return 1;
    }
}

}  // namespace

}  // namespace pk

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    return pk::RunPaktally();
}
