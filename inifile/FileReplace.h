#pragma once
// Writing a file whole without ever leaving it torn.
#include <string>

#include "platform/Exceptions.h"

namespace pk {

// The error for a file that cannot be written: "Cannot create file "<full path>". <reason>".
EFCreateError CannotCreateFile(const std::string& path, const std::string& reason);

// Makes bytes the whole contents of path. They go to a temporary file in the same folder first,
// which replaces the target only once written and flushed. A target that is read-only, in use
// or a folder raises EFCreateError; a short write raises EWriteError. On failure the target is
// left as it was and the temporary file is removed.
void ReplaceFileContents(const std::string& path, const std::string& bytes);

}  // namespace pk
