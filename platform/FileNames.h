#pragma once
// Names as the file system finds them: a path looked up as Windows looks it up, a folder's
// files, and whether two paths name one file.
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace pk::platform {

struct TNameOnDisk {
    std::string path;                      // the file's path as found
    bool otherCase = false;                // found under another letter case than written
    std::vector<std::string> sameButCase;  // several names that differ only in case: none is taken
};

// Windows matches a name whatever its letter case, and the kits are written there. On POSIX a
// path that does not exist as written is matched component by component without regard to
// ASCII case; a component with several such matches ends the match and the rest stays as
// written. On Windows the path comes back as given.
TNameOnDisk NameOnDisk(const std::string& path);

// The names of the files (not folders) directly in the folder, in no particular order; none
// when it cannot be read.
std::vector<std::string> FilesIn(const std::string& folder);

// Equal for two paths exactly when they name one existing file; empty when none exists.
using TFileIdentity = std::pair<uint64_t, uint64_t>;
std::optional<TFileIdentity> FileIdentity(const std::string& path);

}  // namespace pk::platform
