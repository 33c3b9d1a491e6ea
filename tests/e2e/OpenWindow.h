#pragma once
// The lines that window tests open and close with: a kit, the program on it and its window;
// at the end the Close button and an exit code of 0.
#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>
#include <string>

#include "tests/e2e/Driver.h"
#include "tests/e2e/Kit.h"

namespace pk::e2e {

class TOpenWindow : public ::testing::Test {
protected:
    // Starts the program, on the kit's SETUP.INI unless other arguments are given, and waits
    // for its window; when none opens it throws, which ends the test.
    void Open(const std::string& arguments = "")
    {
        run.emplace(PaktallyExe(), arguments.empty() ? kit.IniPath() : arguments);
        window = run->WaitForWindow(kWindowClass);
        if (!window)
            throw std::runtime_error("the window did not open");
        grid = FindChildOfClass(window, "SysListView32");
    }

    // A program still running is closed with its Close button; it must end with 0. After a
    // fatal failure it is ended by force instead.
    void TearDown() override
    {
        if (!run || HasFatalFailure())
            return;
        if (run->Running())
            Click(FindChild(window, "Button", "&Close"));
        EXPECT_EQ(run->WaitForExit(), 0);
    }

    TKit kit;
    std::optional<TDrivenProgram> run;
    HWND window = nullptr, grid = nullptr;
};

}  // namespace pk::e2e
