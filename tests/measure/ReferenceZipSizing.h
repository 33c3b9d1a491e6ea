#pragma once
// The plain way of sizing a ZIP pack file, kept beside the program's own for comparison: every
// entry looked up by index, every name matched with MatchesAnyMask (each mask compiled afresh),
// every header read record by record (a read buffer too small for a header).
#include <cstdint>
#include <string>
#include <vector>

#include "measure/PackAccount.h"

namespace pk::testing {

// The size, or the class and message of the error, as one text.
std::string ReferenceZipSizing(const std::string& path, const std::vector<std::string>& masks);
// The same outcome of the program's ZipFileSize, with an account when one is given.
std::string ProgramZipSizing(const std::string& path, const std::vector<std::string>& masks,
                             TPackFileAccount* account = nullptr);

}  // namespace pk::testing
