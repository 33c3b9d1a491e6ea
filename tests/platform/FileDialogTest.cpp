// The open dialog answered as a user would: the chosen file comes back, and the process's
// current folder is where it was, so relative paths keep their meaning.
#include <gtest/gtest.h>

#include <windows.h>

#include <dlgs.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "platform/UserInterface.h"
#include "tests/support/TempDir.h"

namespace pk::platform {
namespace {

using namespace std::chrono_literals;

constexpr char kTitle[] = "Open a Zip File";

std::string CurrentFolder()
{
    char folder[MAX_PATH] = {};
    GetCurrentDirectoryA(sizeof folder, folder);
    return folder;
}

// Types the file name into this process's dialog and presses Open; cancels a dialog that
// does not close on that, so the test cannot hang.
void AnswerDialog(const std::string& file, const std::atomic<bool>& done)
{
    const auto start = std::chrono::steady_clock::now();
    bool typed = false;
    while (!done && std::chrono::steady_clock::now() - start < 60s) {
        HWND dialog = FindWindowA("#32770", kTitle);
        if (dialog && IsWindowVisible(dialog)) {
            if (!typed) {
                HWND name = GetDlgItem(dialog, cmb13);
                SetWindowTextA(name ? name : GetDlgItem(dialog, edt1), file.c_str());
                PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
                typed = true;
            } else if (std::chrono::steady_clock::now() - start > 30s) {
                PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
            }
        }
        Sleep(50);
    }
}

TEST(FileDialogTest, AnAnsweredDialogLeavesTheCurrentFolderWhereItWas)
{
    testing::TTempDir dir;
    dir.Write("start\\keep.txt", std::string("x"));
    dir.Write("other\\pick.zip", std::string("PK"));
    const std::string before = CurrentFolder();
    ASSERT_TRUE(SetCurrentDirectoryA(dir.File("start").c_str()));
    // No test sink: the flavour's own dialog is shown.

    std::atomic<bool> done{false};
    std::thread user(AnswerDialog, dir.File("other\\pick.zip"), std::cref(done));
    std::string chosen;
    bool answered = UI().ChooseFile(
        {kTitle, "Zip Files (*.ZIP)|*.zip|All Files (*.*)|*.*", dir.File("other")}, chosen);
    done = true;
    user.join();
    const std::string after = CurrentFolder();
    SetCurrentDirectoryA(before.c_str());

    ASSERT_TRUE(answered) << "the dialog was cancelled";
    EXPECT_EQ(lstrcmpiA(chosen.c_str(), dir.File("other\\pick.zip").c_str()), 0) << chosen;
    EXPECT_EQ(lstrcmpiA(after.c_str(), dir.File("start").c_str()), 0) << after;
}

}  // namespace
}  // namespace pk::platform
