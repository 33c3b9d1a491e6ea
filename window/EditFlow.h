#pragma once
// When the pack-set column may be edited, and what the user is asked before an update or a
// close while edits are unsaved. The two flags are the window's IniUpdated and GridModified.
#include <string>

namespace pk {

enum class TUpdateStep { SaveThenUpdate, Update, Stop };
enum class TCloseStep { SaveThenClose, Close, StayOpen };

class TEditFlow {
public:
    bool IniUpdated = false;
    bool GridModified = false;

    // The pack-set column only, and only after an update pass; asking for it earlier shows
    // why not. Other columns are refused silently.
    bool MaySelectCell(int column) const;

    // Asks (confirmation, Yes/No) only when edits are pending.
    TUpdateStep BeforeUpdate(const std::string& iniPath) const;
    // Asks (information, Yes/No/Cancel) only when edits are pending.
    TCloseStep BeforeClose(const std::string& iniPath) const;
};

inline constexpr const char* kNotUpdatedError =
    "Ini-file is not updated. Click UPDATE before making changes to PACKFILES";

}  // namespace pk
