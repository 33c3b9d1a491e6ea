#pragma once
// The unpacked size of a section's pack set: WRP files by their block headers, every other
// pack file as a ZIP archive over the entries that match the masks.
#include <cstdint>
#include <string>
#include <vector>

#include "measure/PackAccount.h"

namespace pk {

// Splits a ";"-separated list: a trailing ";" adds no piece, a leading or doubled one adds an
// empty piece; nothing is trimmed.
std::vector<std::string> SplitList(const std::string& text);

// Size of the pack set named by the text (relative to the PACKFILES folder) with the masks
// of the mask-list text; -1 when a pack file failed after its error box. An account, when
// given, gets one entry per pack file measured, or begun before an error.
int32_t ComputePackSize(const std::string& packFilesDir, const std::string& packSetText,
                        const std::string& maskListText, TSectionAccount* account = nullptr);

// Sum over the pack files in order; the first -1 ends the set.
int32_t PackListSize(const std::vector<std::string>& packList, const std::vector<std::string>& masks,
                     TSectionAccount* account = nullptr);

}  // namespace pk
