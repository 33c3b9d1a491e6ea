#pragma once
// The console front end's command line.
#include <string>
#include <vector>

#include "platform/Exceptions.h"

namespace pk::cli {

enum class TOutputFormat { Table, Tsv, Json };

// List: stored sizes only. Update: measure and save. Check: measure, compare, write nothing.
enum class TMode { List, Update, Check };

struct TCliOptions {
    TMode mode = TMode::List;
    bool diff = false;  // stdout carries the diff of SETUP.INI instead of the report
    bool quiet = false;
    bool explain = false;  // the table carries each section's account
    bool strict = false;   // a warning fails the run
    bool help = false;
    bool version = false;
    TOutputFormat format = TOutputFormat::Table;
    std::string packFiles;  // empty: the folder of SETUP.INI
    std::string iniPath = "SETUP.INI";
};

PK_DECLARE_EXCEPTION(EUsageError)

// Parses the arguments after the program name; raises EUsageError.
TCliOptions ParseCliOptions(const std::vector<std::string>& args);

extern const char* const kUsage;

}  // namespace pk::cli
