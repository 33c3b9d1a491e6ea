#pragma once
// The walk over the sized option sections of SETUP.INI: listing, updating sizes, and writing
// corrected pack-set texts back.
#include <cstdint>
#include <optional>
#include <string>

#include "measure/PackAccount.h"
#include "survey/KitPaths.h"
#include "survey/SurveyView.h"

namespace pk {

class TCustomIniFile;

// How an update pass ends once it has walked every section: saving SETUP.INI, or (checking)
// leaving it as it is.
enum class TPassMode { Save, Check };

// What a pass did. An error raised during the walk ends the pass before it has an outcome.
struct TPassOutcome {
    // False when the pass ended at once, with the box that said why (SETUP.INI missing).
    bool walked = false;
    // The bytes an update pass saved, or checking would have saved.
    std::optional<std::string> savedBytes;
};

// One pass over the kit's SETUP.INI: lists every sized section and, with update, measures
// and writes each size and saves the file once.
TPassOutcome ScanSetupIni(const TKitPaths& kit, TSurveyView& view, bool update, bool display,
                          TPassMode mode = TPassMode::Save);

// Measures one section against the PACKFILES folder and writes its Size key unless the
// result is -1; the account, when given, is cleared and filled.
int32_t UpdateSectionSize(TCustomIniFile& document, const std::string& section, const std::string& packFilesDir,
                          TSectionAccount* account = nullptr);

// Writes an edited pack-set text into the section's Packfile key, if it has one.
void SavePackFileColumn(TCustomIniFile& document, const std::string& section, const std::string& value);

}  // namespace pk
