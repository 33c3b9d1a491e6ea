#pragma once
// What a measuring pass cannot tell section by section: where the kit's paths were found,
// sized sections the walk never reaches (their Size is never refreshed), and pack files that
// no section names. Like a section's account, it never changes a number, a box or an error.
#include <string>
#include <vector>

#include "survey/KitPaths.h"

namespace pk {

class TCustomIniFile;

struct TUnreachedSection {
    std::string name;
    std::string reason;  // the gap that hides it: "ISubOption1.2 is missing"
};

struct TKitAccount {
    std::vector<std::string> notes;         // SETUP.INI or the PACKFILES folder found in other letter case
    std::vector<std::string> pathWarnings;  // either of them matching several names
    std::vector<TUnreachedSection> unreached;
    std::vector<std::string> unnamedPackFiles;  // paths, sorted

    // Every warning: the kit's paths, then the unreached sections, then the unnamed pack files.
    std::vector<std::string> Warnings() const;
};

// The notes and warnings about the kit's two paths.
TKitAccount KitPathsAccount(const TKitPaths& kit);

// Adds what the walk over the document leaves out: sections named like a sub-option of either
// family that hold a Size key and are never reached, and the files directly in the PACKFILES
// folder with the extension .WRP or .ZIP (any letter case) that no reached section's pack set
// names, as the file system compares names.
void AccountForWalk(TCustomIniFile& document, const std::string& packFilesDir, TKitAccount& account);

}  // namespace pk
