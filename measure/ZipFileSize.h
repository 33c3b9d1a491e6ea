#pragma once
// The unpacked size of a ZIP pack file: the entries of its directory that match the masks.
#include <cstdint>
#include <string>
#include <vector>

namespace pk {

struct TPackFileAccount;

// Sum of the uncompressed sizes of the archive's entries whose leaf name matches one of the
// masks; 0 or more. Every failure is an exception (EFOpenError, EBadZipFile, EUserCanceled,
// ERangeError, EMaskException, ...). With an account (its path set), also tells it what was
// found: entries, matches per mask, their source and warnings, once the total stands.
int32_t ZipFileSize(const std::string& path, const std::vector<std::string>& masks,
                    TPackFileAccount* account = nullptr);

}  // namespace pk
