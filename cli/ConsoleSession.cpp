#include "cli/ConsoleSession.h"

#include <cstdio>

namespace pk::cli {

TConsoleSession::TConsoleSession(int progressTotal)
    : previousSink(platform::SetUserInterface(this)), progressTotal(progressTotal)
{
}

TConsoleSession::~TConsoleSession()
{
    ClearProgress();
    platform::SetUserInterface(previousSink);
}

void TConsoleSession::AddGridRow(const std::string& section, const std::string& packSet, int32_t storedSize,
                                int32_t newSize)
{
    rows.push_back({FormatGridRow(section, packSet, storedSize, newSize), newSize, std::move(pending)});
    pending.clear();
    if (progressTotal > 0) {
        std::fprintf(stderr, "\r%zu/%d sections", rows.size(), progressTotal);
        std::fflush(stderr);
        progressShown = true;
    }
}

void TConsoleSession::SetGridEnabled(bool)
{
    walked = true;
}

platform::TBoxResult TConsoleSession::ShowMessageBox(const platform::TMessageBoxSpec& box)
{
    ClearProgress();
    Report(box.text);
    pending.push_back(box.text);
    return platform::AnswerThatChangesNothing(box.buttons);
}

bool TConsoleSession::AnySectionFailed() const
{
    for (const TConsoleRow& row : rows)
        if (row.newSize == -1)
            return true;
    return false;
}

void TConsoleSession::Report(const std::string& text)
{
    std::string shown = text;
#ifndef _WIN32
    // Paths are kept Windows-style inside; show them as this system writes them.
    for (char& c : shown)
        if (c == '\\')
            c = '/';
#endif
    std::fprintf(stderr, "paktally-cli: %s\n", shown.c_str());
}

void TConsoleSession::ClearProgress()
{
    if (progressShown) {
        std::fprintf(stderr, "\r\033[K");
        progressShown = false;
    }
}

}  // namespace pk::cli
