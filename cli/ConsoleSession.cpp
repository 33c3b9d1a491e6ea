#include "cli/ConsoleSession.h"

#include <cstdio>

namespace pk::cli {

TConsoleSession::TConsoleSession(int progressTotal) : progressTotal(progressTotal) {}

TConsoleSession::~TConsoleSession()
{
    ClearProgress();
}

void TConsoleSession::AddGridRow(const std::string& section, const std::string& packSet, int32_t storedSize,
                                int32_t newSize)
{
    rows.push_back({section, packSet, storedSize, newSize, std::move(pending)});
    pending.clear();
    if (progressTotal > 0) {
        std::fprintf(stderr, "\r%zu/%d sections", rows.size(), progressTotal);
        std::fflush(stderr);
        progressShown = true;
    }
}

void TConsoleSession::Show(const platform::TMessageBoxSpec& box)
{
    ClearProgress();
    Report(box.text);
    pending.push_back(box.text);
}

std::string TConsoleSession::Shown(const std::string& text)
{
    std::string shown = text;
#ifndef _WIN32
    // Paths are kept Windows-style inside.
    for (char& c : shown)
        if (c == '\\')
            c = '/';
#endif
    return shown;
}

void TConsoleSession::Report(const std::string& text)
{
    std::fprintf(stderr, "paktally-cli: %s\n", Shown(text).c_str());
}

void TConsoleSession::ClearProgress()
{
    if (progressShown) {
        std::fprintf(stderr, "\r\033[K");
        progressShown = false;
    }
}

}  // namespace pk::cli
