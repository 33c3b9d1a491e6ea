#pragma once
// Why a section's size is what it is: per pack file what it added and where its entries came
// from, and warnings about numbers that may not be what the kit's author meant. Built by the
// measurement as it goes; it never changes a number, a box or an error.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "zipreader/EntrySource.h"

namespace pk {

enum class TPackKind : uint8_t { Wrp, Zip };

struct TMaskCount {
    std::string mask;
    uint64_t entries = 0;  // entries this mask matched first
};

struct TPackFileAccount {
    std::string path;
    TPackKind kind = TPackKind::Zip;
    std::optional<int32_t> bytes;  // what it added; none when it failed or raised
    std::vector<std::string> warnings;
    std::vector<std::string> notes;  // facts that change nothing, such as a name found in other case
    // ZIP pack files only:
    uint64_t entries = 0;
    std::vector<TMaskCount> matched;
    TEntrySource source = TEntrySource::NoEndRecord;
    int32_t parts = 1;
    std::optional<uint64_t> countField;  // a classic count that the directory held more entries than

    uint64_t MatchedEntries() const;
};

struct TSectionAccount {
    std::vector<TPackFileAccount> packFiles;

    // The warnings of all pack files, in order.
    std::vector<std::string> Warnings() const;
};

// "central directory", "ZIP64 record", "local headers", "companion file", "3 parts", ...
std::string SourceText(const TPackFileAccount& account);
// Lowercase words joined by "-" for machine readers: "central-directory", "zip64-record", ...
const char* SourceName(TEntrySource source);

namespace warning {
std::string NoEndRecord(const std::string& path);
std::string EmptyPackFile(const std::string& path);
std::string WrpInOtherCase(const std::string& path, const std::string& extension);
std::string NoMaskMatched(const std::string& path, uint64_t entries);
std::string Rebuilt(const std::string& path);
std::string Zip64Prefix(const std::string& path, uint64_t prefix);
std::string NegativeSizes(const std::string& path, uint64_t entries);
std::string SameButCase(const std::string& path, const std::vector<std::string>& names);
}  // namespace warning

namespace note {
std::string OtherCase(const std::string& found, const std::string& written);
}  // namespace note

}  // namespace pk
