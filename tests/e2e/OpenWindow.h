#pragma once
// The lines that window tests open and close with: a kit, the program on it and its window;
// at the end the Close button and an exit code of 0.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "tests/e2e/Driver.h"
#include "tests/e2e/Kit.h"

namespace pk::e2e {

class TOpenWindow : public ::testing::Test {
protected:
    // Starts the program, on the kit's SETUP.INI unless other arguments are given, and waits
    // for its window; when none opens it throws, which ends the test.
    void Open(const std::string& arguments = "");
    // A program still running is closed with its Close button; it must end with 0. After a
    // fatal failure it is ended by force instead.
    void TearDown() override;

    TKit kit;
    std::optional<TDrivenProgram> run;
    HWND window = nullptr;
};

}  // namespace pk::e2e
