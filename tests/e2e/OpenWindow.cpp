#include "tests/e2e/OpenWindow.h"

#include <stdexcept>

namespace pk::e2e {

void TOpenWindow::Open(const std::string& arguments)
{
    run.emplace(PaktallyExe(), arguments.empty() ? kit.IniPath() : arguments);
    window = run->WaitForWindow(kWindowClass);
    if (!window)
        throw std::runtime_error("the window did not open");
}

void TOpenWindow::TearDown()
{
    if (!run || HasFatalFailure())
        return;
    if (run->Running())
        Click(FindChild(window, "Button", "&Close"));
    EXPECT_EQ(run->WaitForExit(), 0);
}

}  // namespace pk::e2e
