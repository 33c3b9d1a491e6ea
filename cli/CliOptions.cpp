#include "cli/CliOptions.h"

namespace pk::cli {

const char* const kUsage =
    "Usage: paktally-cli [--update | --check] [--diff] [--packfiles DIR] [--format table|tsv|json]\n"
    "                    [--explain] [--strict] [--quiet] [SETUP.INI]\n"
    "\n"
    "Lists the sized option sections of SETUP.INI with their stored sizes; with --update,\n"
    "measures every pack set, writes the sizes and saves the file once; with --check,\n"
    "measures every pack set and tells whether the stored sizes are up to date, writing nothing.\n"
    "\n"
    "  --update          measure and write the sizes (default: list only, nothing written)\n"
    "  --check           measure and compare; SETUP.INI is left byte for byte as it was\n"
    "  --diff            with --update or --check: print the unified diff of SETUP.INI,\n"
    "                    before to after, instead of the table\n"
    "  --packfiles DIR   folder of the pack files (default: the folder of SETUP.INI)\n"
    "  --format FORMAT   table (default), tsv or json\n"
    "  --explain         table format: under each measured section, every pack file with its\n"
    "                    kind, bytes, entries, matches per mask, entry source and warnings;\n"
    "                    after the last section, the kit-wide account\n"
    "  --strict          a warning (an archive without an end record, an empty pack file, a\n"
    "                    \".wrp\" in other letter case, masks that matched nothing, a rebuilt\n"
    "                    directory, sizes of 2 GB or more, a sized section the walk never\n"
    "                    reaches, a pack file that no section names) gives exit code 5\n"
    "  --quiet           print no table, only messages\n"
    "  --help, /?        this text\n"
    "  --version         the program's version\n"
    "\n"
    "Exit codes:\n"
    "  0  every section was measured (--check: every stored size is up to date)\n"
    "  1  an error ended the pass; SETUP.INI was not written\n"
    "  2  bad usage\n"
    "  3  a section failed to measure\n"
    "  4  --check only: at least one stored size differs from the measured one\n"
    "  5  --strict only: a measured section or the kit has a warning\n"
    "The most serious applies: 1, then 3, then 5, then 4.\n";

namespace {

TOutputFormat ParseFormat(const std::string& name)
{
    if (name == "table")
        return TOutputFormat::Table;
    if (name == "tsv")
        return TOutputFormat::Tsv;
    if (name == "json")
        return TOutputFormat::Json;
    throw EUsageError("unknown format '" + name + "' (table, tsv or json)");
}

// Each of --update and --check names the mode; naming both is a mistake.
TMode ChooseMode(TMode current, TMode chosen)
{
    if (current != TMode::List && current != chosen)
        throw EUsageError("--update and --check exclude each other");
    return chosen;
}

}  // namespace

TCliOptions ParseCliOptions(const std::vector<std::string>& args)
{
    TCliOptions options;
    bool haveIni = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        // "--name=value" and "--name value" are both accepted for options with a value.
        auto value = [&](const std::string& name) -> std::string {
            if (arg.size() > name.size() && arg.compare(0, name.size() + 1, name + "=") == 0)
                return arg.substr(name.size() + 1);
            if (i + 1 >= args.size())
                throw EUsageError(name + " needs a value");
            return args[++i];
        };
        auto is = [&](const std::string& name) { return arg == name || arg.rfind(name + "=", 0) == 0; };

        if (arg == "--update")
            options.mode = ChooseMode(options.mode, TMode::Update);
        else if (arg == "--check")
            options.mode = ChooseMode(options.mode, TMode::Check);
        else if (arg == "--diff")
            options.diff = true;
        else if (arg == "--quiet")
            options.quiet = true;
        else if (arg == "--explain")
            options.explain = true;
        else if (arg == "--strict")
            options.strict = true;
        else if (arg == "--help" || arg == "-h" || arg == "/?")
            options.help = true;
        else if (arg == "--version")
            options.version = true;
        else if (is("--packfiles"))
            options.packFiles = value("--packfiles");
        else if (is("--format"))
            options.format = ParseFormat(value("--format"));
        else if (arg.size() > 1 && arg[0] == '-')
            throw EUsageError("unknown option '" + arg + "'");
        else if (haveIni)
            throw EUsageError("only one SETUP.INI may be named");
        else {
            options.iniPath = arg;
            haveIni = true;
        }
    }
    if (options.diff && options.mode == TMode::List)
        throw EUsageError("--diff needs --update or --check");
    if (options.diff && options.format != TOutputFormat::Table)
        throw EUsageError("--diff prints only the diff; it takes no --format");
    if (options.explain && (options.diff || options.format != TOutputFormat::Table))
        throw EUsageError("--explain goes with the table format only");
    for (const std::string* path : {&options.iniPath, &options.packFiles})
        if (path->find('"') != std::string::npos)
            throw EUsageError("a path may not contain a double quote");
    return options;
}

}  // namespace pk::cli
