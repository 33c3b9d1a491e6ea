#pragma once
#include "tests/langmodule/VersionResource.h"

namespace pk::testing {

// The module's version resource as the installer's maker states it; non-fatal gtest checks,
// shared by the test that loads the module and the one that only reads its file.
void ExpectFixedVersion8001ForAPlainWindowsDll(const TVersionNode& root);
void ExpectOneCzechCp1250StringBlockWithTheModuleValues(const TVersionNode& root);

}  // namespace pk::testing
