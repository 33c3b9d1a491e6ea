#pragma once
// Where a read found an archive's entry list.
#include <cstdint>

namespace pk {

enum class TEntrySource : uint8_t {
    NoEndRecord,       // none found: the archive lists nothing
    CentralDirectory,
    Zip64Record,       // the central directory, found through the ZIP64 end record
    LocalHeaders,      // rebuilt, the directory being damaged
    Companion,         // the ".zfc" file's directory
    Parts,             // the directory of a split archive
};

}  // namespace pk
