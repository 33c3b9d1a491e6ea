#pragma once
// The unpacked size of a ZIP pack file: the entries of its directory that match the masks.
#include <cstdint>
#include <string>
#include <vector>

namespace pk {

// Sum of the uncompressed sizes of the archive's entries whose leaf name matches one of the
// masks; 0 or more. Every failure is an exception (EFOpenError, EBadZipFile, EUserCanceled,
// ERangeError, EMaskException, ...).
int32_t ZipFileSize(const std::string& path, const std::vector<std::string>& masks);

}  // namespace pk
