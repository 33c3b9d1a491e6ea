#pragma once
// A small installation kit in a temporary folder: SETUP.INI with sections of every kind the
// survey meets, and the pack files they name.
#include <string>

#include "tests/support/TempDir.h"

namespace pk::e2e {

class TKit {
public:
    TKit();
    std::string Folder() const { return dir.Path() + "\\"; }
    std::string IniPath() const { return dir.File("SETUP.INI"); }
    std::string ReadIni() const { return dir.Read("SETUP.INI"); }
    void WriteIni(const std::string& text) const { dir.Write("SETUP.INI", text); }
    const testing::TTempDir& Dir() const { return dir; }

    // The error box of the pack file that the kit lacks.
    std::string GoneMessage() const { return "PACKFile \"" + Folder() + "GONE.WRP\" does not exist"; }

    // SETUP.INI as written, and as a correct update pass leaves it.
    static std::string Ini();
    static std::string UpdatedIni();

private:
    testing::TTempDir dir;
};

// The class of Paktally's main window.
inline const std::string kWindowClass = "TSetupForm";

// Paktally.exe as built, as a Windows path.
std::string PaktallyExe();
// Where build artefacts go (a host path).
std::string ArtifactsFolder();

}  // namespace pk::e2e
