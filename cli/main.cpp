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
#include "paktally/Locations.h"
#include "platform/Exceptions.h"
#include "platform/File.h"
#include "platform/Process.h"
#include "survey/Survey.h"

namespace {

using namespace pk;
using namespace pk::cli;

enum ExitCode { kAllMeasured = 0, kPassFailed = 1, kBadUsage = 2, kSectionFailed = 3 };

std::string WindowsStyle(std::string path)
{
#ifndef _WIN32
    for (char& c : path)
        if (c == '/')
            c = '\\';
#endif
    return path;
}

// The survey finds SETUP.INI and the pack files through the command line, as the window
// program does; give it the equivalent one.
void PointSurveyAt(const CliOptions& options)
{
    std::string line = "paktally-cli /B \"" + WindowsStyle(options.iniPath) + "\"";
    if (!options.packFiles.empty())
        line += " \"" + WindowsStyle(options.packFiles) + "\"";
    platform::OverrideCommandLine(line);
}

int CountSections()
{
    if (!platform::FileExists(GetIniFileName()))
        return 0;
    ConsoleSession counter;
    ScanSetupIni(counter, false, true);
    return static_cast<int>(counter.Rows().size());
}

int Run(const CliOptions& options)
{
    PointSurveyAt(options);
    bool progress = options.update && !options.quiet && PK_ISATTY(PK_FILENO(stderr));
    std::vector<ConsoleRow> rows;
    bool anyFailed;
    {
        ConsoleSession session(progress ? CountSections() : 0);
        try {
            ScanSetupIni(session, options.update, true);
        } catch (const Exception& e) {
            ConsoleSession::Report(e.Message());
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
    CliOptions options;
    try {
        options = ParseCliOptions(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const UsageError& e) {
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
        ConsoleSession::Report(e.what());
        return kPassFailed;
    }
}
