#include "cli/ConsoleSession.h"

#include <cstdio>

#include "platform/Paths.h"

namespace pk::cli {

TConsoleSession::TConsoleSession(int progressTotal, bool accounts)
    : progressTotal(progressTotal), accounts(accounts)
{
}

TConsoleSession::~TConsoleSession()
{
    ClearProgress();
}

void TConsoleSession::AddGridRow(const std::string& section, const std::string& packSet, int32_t storedSize,
                                int32_t newSize)
{
    rows.push_back({section, packSet, storedSize, newSize, std::move(pending), std::move(nextAccount)});
    pending.clear();
    nextAccount = {};
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
#ifdef _WIN32
    return text;
#else
    return paths::WithSeparators(text, '/');  // paths are kept Windows-style inside
#endif
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
