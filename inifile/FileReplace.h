#pragma once
// Writing a file whole without ever leaving it torn.
#include <cstdint>
#include <string>

#include "platform/Exceptions.h"

namespace pk {

// The error for a file that cannot be written: "Cannot create file "<full path>". <reason>".
EFCreateError CannotCreateFile(const std::string& path, const std::string& reason);

// Makes bytes the whole contents of path. They go to a new temporary file in the same folder
// first, which takes the target's owner and mode and replaces it only once written and
// flushed; a symbolic link stays a link and the file it leads to is replaced. A target that is
// read-only, in use or a folder raises EFCreateError naming it, a temporary file that cannot
// be made raises EFCreateError naming that file, a short write raises EWriteError. On failure
// the target is left as it was and the temporary file is removed.
void ReplaceFileContents(const std::string& path, const std::string& bytes);

// The temporary name for target that number picks: in the same folder, "~" and base-36
// digits, no longer than target's own name (2 to 8 characters), so that a path that can be
// opened can also hold its temporary file.
std::string TemporaryNameBeside(const std::string& target, uint64_t number);

}  // namespace pk
