#include "survey/Survey.h"

#include <cstdint>

#include "inifile/LumMemIniFile.h"
#include "measure/PackSet.h"
#include "platform/File.h"
#include "platform/UserInterface.h"
#include "survey/OptionFamilies.h"

namespace pk {

namespace {

constexpr const char* kUnpacksNothing = "$$$$$$$$.$$$";

// Keeps the grid disabled for the option walk and enables it again on every way out.
class TGridDisabled {
public:
    explicit TGridDisabled(TSurveyView& view) : view(view) { view.SetGridEnabled(false); }
    ~TGridDisabled() { view.SetGridEnabled(true); }
    TGridDisabled(const TGridDisabled&) = delete;
    TGridDisabled& operator=(const TGridDisabled&) = delete;

private:
    TSurveyView& view;
};

// Visits the sub-options of one family: main option i present, then its sub-options k while
// present.
void WalkFamily(TCustomIniFile& document, const TKitPaths& kit, TSurveyView& view, const TOptionFamily& family,
                bool update, bool display)
{
    for (uint32_t i = 1; i <= kLastOptionNumber && document.HasSection(MainOptionName(family, i)); ++i) {
        for (uint32_t k = 1; k <= kLastOptionNumber; ++k) {
            const std::string name = SubOptionName(family, i, k);
            if (!document.HasSection(name))
                break;
            int32_t stored = document.ReadNumber(name, "Size", -1);
            int32_t newSize = update && stored != -1
                                  ? UpdateSectionSize(document, name, kit.packFilesDir, view.SectionAccount())
                                  : kNotMeasured;
            if (display)
                view.AddGridRow(name, document.ReadText(name, "PackFile", "NONE"), stored, newSize);
        }
    }
}

}  // namespace

TPassOutcome ScanSetupIni(const TKitPaths& kit, TSurveyView& view, bool update, bool display, TPassMode mode)
{
    const std::string& path = kit.iniFile;
    TPassOutcome outcome;
    if (!platform::FileExists(path)) {
        platform::ShowError("Ini-file " + path + " does not exist");
        return outcome;
    }
    TLumMemIniFile document(path);
    outcome.walked = true;
    try {
        if (update && display)
            view.SetIniUpdated();

        int32_t stored = document.ReadNumber("BDE", "Size", -1);
        if (stored != -1) {
            int32_t newSize =
                update ? UpdateSectionSize(document, "BDE", kit.packFilesDir, view.SectionAccount()) : kNotMeasured;
            if (display)
                view.AddGridRow("BDE", document.ReadText("BDE", "Packfile", "NONE"), stored, newSize);
        }
        {
            TGridDisabled disabled(view);
            for (const TOptionFamily& family : kOptionFamilies)
                WalkFamily(document, kit, view, family, update, display);
        }
        if (update && mode == TPassMode::Check) {
            outcome.savedBytes = document.SavedBytes();
            document.DiscardChanges();  // else its destructor would save
        } else if (update) {
            outcome.savedBytes = document.SaveFileBytes();
        }
    } catch (...) {
        // A pass that fails writes nothing: the sizes measured so far are dropped.
        document.DiscardChanges();
        throw;
    }
    return outcome;
}

int32_t UpdateSectionSize(TCustomIniFile& document, const std::string& section, const std::string& packFilesDir,
                          TSectionAccount* account)
{
    if (account)
        *account = {};
    int32_t newSize;
    if (document.ReadText(section, "Files", "") == kUnpacksNothing) {
        newSize = 0;
    } else {
        std::string packSet = document.ReadText(section, "PackFile", "NOTFOUND");
        std::string masks = document.ReadText(section, "Files", "*,*");
        newSize = packSet == "NOTFOUND" ? -1 : ComputePackSize(packFilesDir, packSet, masks, account);
    }
    if (newSize != -1)
        document.WriteNumber(section, "Size", newSize);
    return newSize;
}

void SavePackFileColumn(TCustomIniFile& document, const std::string& section, const std::string& value)
{
    if (document.ReadText(section, "Packfile", "NOT FOUND") != "NOT FOUND")
        document.WriteText(section, "Packfile", value);
}

}  // namespace pk
