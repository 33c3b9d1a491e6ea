#pragma once
// The console stand-ins for the window: a survey view that keeps the rows, and a user-interface
// sink that turns boxes into messages on standard error and never waits for an answer.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/Replaceable.h"
#include "platform/UnattendedUserInterface.h"
#include "survey/SurveyView.h"

namespace pk::cli {

struct TConsoleRow {
    std::string section;
    std::string packSet;
    int32_t storedSize = -1;
    int32_t newSize = kNotMeasured;
    std::vector<std::string> messages;  // shown while the row was measured
    TSectionAccount account;             // filled only when the session asks for accounts
};

class TConsoleSession : public TSurveyView, public platform::TUnattendedUserInterface {
public:
    // progressTotal > 0 shows "done/total" on standard error as rows arrive. With accounts,
    // each measured row carries its account.
    explicit TConsoleSession(int progressTotal = 0, bool accounts = false);
    ~TConsoleSession() override;

    void AddGridRow(const std::string& section, const std::string& packSet, int32_t storedSize,
                    int32_t newSize) override;
    void SetGridEnabled(bool) override {}
    void SetIniUpdated() override {}
    TSectionAccount* SectionAccount() override { return accounts ? &nextAccount : nullptr; }

    const std::vector<TConsoleRow>& Rows() const { return rows; }
    // Messages shown since the last row, such as the one that ended the pass before the walk.
    const std::vector<std::string>& PendingMessages() const { return pending; }
    // The account of a section whose measurement an error ended.
    const TSectionAccount& UnfinishedAccount() const { return nextAccount; }

    // A message as the console shows it: paths the way this system writes them.
    static std::string Shown(const std::string& text);
    // Shows a message as the console shows every box.
    static void Report(const std::string& text);

protected:
    void Show(const platform::TMessageBoxSpec& box) override;

private:
    void ClearProgress();

    std::vector<TConsoleRow> rows;
    std::vector<std::string> pending;
    int progressTotal;
    bool progressShown = false;
    bool accounts;
    TSectionAccount nextAccount;
    platform::TInstalled<platform::TUserInterface> installed{platform::ReplaceUserInterface, *this};
};

}  // namespace pk::cli
