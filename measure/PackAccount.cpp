#include "measure/PackAccount.h"

namespace pk {

uint64_t TPackFileAccount::MatchedEntries() const
{
    uint64_t total = 0;
    for (const TMaskCount& count : matched)
        total += count.entries;
    return total;
}

std::vector<std::string> TSectionAccount::Warnings() const
{
    std::vector<std::string> all;
    for (const TPackFileAccount& file : packFiles)
        all.insert(all.end(), file.warnings.begin(), file.warnings.end());
    return all;
}

const char* SourceName(TEntrySource source)
{
    switch (source) {
    case TEntrySource::NoEndRecord: return "no-end-record";
    case TEntrySource::CentralDirectory: return "central-directory";
    case TEntrySource::Zip64Record: return "zip64-record";
    case TEntrySource::LocalHeaders: return "local-headers";
    case TEntrySource::Companion: return "companion";
    default: return "parts";
    }
}

std::string SourceText(const TPackFileAccount& account)
{
    switch (account.source) {
    case TEntrySource::NoEndRecord: return "no end record";
    case TEntrySource::CentralDirectory: return "central directory";
    case TEntrySource::Zip64Record: return "ZIP64 record";
    case TEntrySource::LocalHeaders: return "local headers";
    case TEntrySource::Companion: return "companion file";
    default: return std::to_string(account.parts) + " parts";
    }
}

namespace warning {

std::string NoEndRecord(const std::string& path)
{
    return path + ": no end record (not a ZIP archive, or cut off); counted as 0";
}

std::string EmptyPackFile(const std::string& path)
{
    return path + ": empty pack file; counted as 0";
}

std::string WrpInOtherCase(const std::string& path, const std::string& extension)
{
    return path + ": extension \"" + extension + "\" is not \".WRP\"; read as a ZIP archive";
}

std::string NoMaskMatched(const std::string& path, uint64_t entries)
{
    return path + ": no mask matched any of its " + std::to_string(entries) + " entries";
}

std::string Rebuilt(const std::string& path)
{
    return path + ": directory damaged; entries rebuilt from local headers";
}

std::string NegativeSizes(const std::string& path, uint64_t entries)
{
    return path + ": " + std::to_string(entries) + (entries == 1 ? " entry" : " entries") +
           " with a size field of 2 GB or more lower the total";
}

}  // namespace warning

}  // namespace pk
