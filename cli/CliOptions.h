#pragma once
// The console front end's command line.
#include <stdexcept>
#include <string>
#include <vector>

namespace pk::cli {

enum class OutputFormat { Table, Tsv, Json };

// List: stored sizes only. Update: measure and save. Check: measure, compare, write nothing.
enum class Mode { List, Update, Check };

struct CliOptions {
    Mode mode = Mode::List;
    bool diff = false;  // stdout carries the diff of SETUP.INI instead of the report
    bool quiet = false;
    bool help = false;
    bool version = false;
    OutputFormat format = OutputFormat::Table;
    std::string packFiles;  // empty: the folder of SETUP.INI
    std::string iniPath = "SETUP.INI";
};

class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Parses the arguments after the program name; raises UsageError.
CliOptions ParseCliOptions(const std::vector<std::string>& args);

extern const char* const kUsage;

}  // namespace pk::cli
