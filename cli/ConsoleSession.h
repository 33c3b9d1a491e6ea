#pragma once
// The console stand-ins for the window: a survey view that keeps the rows, and a user-interface
// sink that turns boxes into messages on standard error and never waits for an answer.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/UserInterface.h"
#include "survey/GridRowTexts.h"
#include "survey/SurveyView.h"

namespace pk::cli {

struct TConsoleRow {
    TGridRowTexts texts;
    int32_t newSize = 0;
    std::vector<std::string> messages;  // shown while the row was measured
};

class TConsoleSession : public TSurveyView, public platform::TUserInterface {
public:
    // progressTotal > 0 shows "done/total" on standard error as rows arrive.
    explicit TConsoleSession(int progressTotal = 0);
    ~TConsoleSession() override;

    void AddGridRow(const std::string& section, const std::string& packSet, int32_t storedSize,
                    int32_t newSize) override;
    void SetGridEnabled(bool enabled) override;
    void SetIniUpdated() override {}

    platform::TBoxResult ShowMessageBox(const platform::TMessageBoxSpec& box) override;
    bool ChooseFile(const platform::TFileDialogSpec&, std::string&) override { return false; }
    platform::TCursor GetCursor() override { return cursor; }
    void SetCursor(platform::TCursor shape) override { cursor = shape; }
    void ProcessMessages() override {}

    const std::vector<TConsoleRow>& Rows() const { return rows; }
    // False when the pass ended before the walk, as it does for a missing SETUP.INI.
    bool Walked() const { return walked; }
    bool AnySectionFailed() const;

    // Shows a message as the console shows every box.
    static void Report(const std::string& text);

private:
    void ClearProgress();

    std::vector<TConsoleRow> rows;
    std::vector<std::string> pending;
    platform::TUserInterface* previousSink;
    platform::TCursor cursor = platform::TCursor::Default;
    int progressTotal;
    bool progressShown = false;
    bool walked = false;
};

}  // namespace pk::cli
