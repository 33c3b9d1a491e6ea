// paktally-cli: the size survey of SETUP.INI for build pipelines, without a window or a box.
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#define PK_ISATTY _isatty
#define PK_FILENO _fileno
#else
#include <unistd.h>
#define PK_ISATTY isatty
#define PK_FILENO fileno
#endif

#include "ProductVersion.h"
#include "cli/CliOptions.h"
#include "cli/ConsoleSession.h"
#include "cli/PassResult.h"
#include "cli/Report.h"
#include "cli/UnifiedDiff.h"
#include "inifile/LumMemIniFile.h"
#include "platform/Exceptions.h"
#include "platform/File.h"
#include "platform/Paths.h"
#include "survey/KitAccount.h"
#include "survey/Survey.h"

namespace {

using namespace pk;
using namespace pk::cli;

std::string WindowsStyle(const std::string& path)
{
#ifdef _WIN32
    return path;
#else
    return paths::WithSeparators(path, '\\');
#endif
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

// The file's bytes, or nothing when it cannot be read (the pass then reports why).
std::optional<std::string> ReadBytes(const std::string& path)
{
    platform::TFile file;
    try {
        file.OpenRead(path, platform::TShare::DenyWrite);
    } catch (const EInOutError&) {
        return std::nullopt;
    }
    return platform::ReadWholeFile(file);
}

void WriteDiff(const std::string& diff)
{
#ifdef _WIN32
    // The line ends go out as they are; a text-mode stream would turn LF into CR LF.
    std::fflush(stdout);
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    std::fwrite(diff.data(), 1, diff.size(), stdout);
}

// The kit-wide account of a measuring pass. Where an error ended the pass, the warnings that
// may say why (a name that several files match) go to standard error with it.
void AccountForKit(const TKitPaths& kit, const TConsoleSession& session, TPassResult& result)
{
    result.kit = KitPathsAccount(kit);
    if (!result.error) {
        TLumMemIniFile document(kit.iniFile);
        AccountForWalk(document, kit.packFilesDir, result.kit);
        return;
    }
    std::vector<std::string> warnings = session.UnfinishedAccount().Warnings();
    warnings.insert(warnings.end(), result.kit.pathWarnings.begin(), result.kit.pathWarnings.end());
    for (const std::string& warning : warnings)
        TConsoleSession::Report("warning: " + warning);
}

int Run(const TCliOptions& options)
{
    const TKitPaths kit = KitOf(options);
    TPassResult result{options.mode, kit.iniFile, kit.packFilesDir, {}, std::nullopt, options.strict, {}};
    const std::optional<std::string> before = options.diff ? ReadBytes(result.iniFile) : std::nullopt;
    const bool measure = options.mode != TMode::List;
    const bool progress = measure && !options.quiet && PK_ISATTY(PK_FILENO(stderr));
    TPassOutcome outcome;
    {
        const bool accounts = options.explain || options.strict || options.format == TOutputFormat::Json;
        TConsoleSession session(progress ? CountSections(kit) : 0, accounts);
        try {
            outcome = ScanSetupIni(kit, session, measure, true,
                                   options.mode == TMode::Check ? TPassMode::Check : TPassMode::Save);
            if (!outcome.walked)  // the pass ended at once, with the message that said why
                result.error = session.PendingMessages().empty() ? "" : session.PendingMessages().back();
        } catch (const Exception& e) {
            TConsoleSession::Report(e.Message());
            result.error = e.Message();
        }
        result.rows = session.Rows();
        if (measure)
            AccountForKit(kit, session, result);
    }
    if (options.diff) {
        if (!result.error && before && outcome.savedBytes)
            WriteDiff(UnifiedDiff(*before, *outcome.savedBytes, options.iniPath));
    } else if (!options.quiet) {
        std::fputs(FormatReport(result, options.format, options.explain).c_str(), stdout);
    }
    return result.ExitCode();
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
        std::puts("paktally-cli " PK_VERSION_TEXT);
        return kAllMeasured;
    }
    try {
        return Run(options);
    } catch (const std::exception& e) {
        TConsoleSession::Report(e.what());
        return kPassFailed;
    }
}
