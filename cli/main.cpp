// paktally-cli: the size survey of SETUP.INI for build pipelines, without a window or a box.
#include <cstdio>
#include <string>
#include <vector>

#ifdef _WIN32
#include <io.h>
#define PK_ISATTY _isatty
#define PK_FILENO _fileno
#else
#include <unistd.h>
#define PK_ISATTY isatty
#define PK_FILENO fileno
#endif

#include "cli/CliOptions.h"
#include "cli/ConsoleSession.h"
#include "cli/Report.h"
#include "platform/Exceptions.h"
#include "platform/File.h"
#include "survey/Survey.h"

namespace {

using namespace pk;
using namespace pk::cli;

enum TExitCode { kAllMeasured = 0, kPassFailed = 1, kBadUsage = 2, kSectionFailed = 3 };

std::string WindowsStyle(std::string path)
{
#ifndef _WIN32
    for (char& c : path)
        if (c == '/')
            c = '\\';
#endif
    return path;
}

// The kit as the window program would find it from the same two arguments.
TKitPaths KitOf(const TCliOptions& options)
{
    return KitPathsFromArguments(WindowsStyle(options.iniPath), WindowsStyle(options.packFiles));
}

int CountSections(const TKitPaths& kit)
{
    if (!platform::FileExists(kit.iniFile))
        return 0;
    TConsoleSession counter;
    ScanSetupIni(kit, counter, false, true);
    return static_cast<int>(counter.Rows().size());
}

int Run(const TCliOptions& options)
{
    const TKitPaths kit = KitOf(options);
    bool progress = options.update && !options.quiet && PK_ISATTY(PK_FILENO(stderr));
    std::vector<TConsoleRow> rows;
    bool anyFailed;
    {
        TConsoleSession session(progress ? CountSections(kit) : 0);
        try {
            ScanSetupIni(kit, session, options.update, true);
        } catch (const Exception& e) {
            TConsoleSession::Report(e.Message());
            return kPassFailed;
        }
        if (!session.Walked())
            return kPassFailed;
        rows = session.Rows();
        anyFailed = session.AnySectionFailed();
    }
    if (!options.quiet)
        std::fputs(FormatReport(rows, options.format).c_str(), stdout);
    return anyFailed ? kSectionFailed : kAllMeasured;
}

}  // namespace

int main(int argc, char** argv)
{
    TCliOptions options;
    try {
        options = ParseCliOptions(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const EUsageError& e) {
        std::fprintf(stderr, "paktally-cli: %s\n\n%s", e.what(), kUsage);
        return kBadUsage;
    }
    if (options.help) {
        std::fputs(kUsage, stdout);
        return kAllMeasured;
    }
    if (options.version) {
        std::puts("paktally-cli 8.0.0.1");
        return kAllMeasured;
    }
    try {
        return Run(options);
    } catch (const std::exception& e) {
        TConsoleSession::Report(e.what());
        return kPassFailed;
    }
}
