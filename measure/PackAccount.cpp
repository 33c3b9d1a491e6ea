#include "measure/PackAccount.h"

#include <iterator>

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

namespace {

// Each source's name for machine readers and its words for people, in TEntrySource's order.
struct TSourceWords {
    const char* name;
    const char* text;
};
constexpr TSourceWords kSourceWords[] = {
    {"no-end-record", "no end record"}, {"central-directory", "central directory"},
    {"zip64-record", "ZIP64 record"},   {"local-headers", "local headers"},
    {"companion", "companion file"},    {"parts", "parts"},
};
static_assert(std::size(kSourceWords) == static_cast<size_t>(TEntrySource::Parts) + 1);

}  // namespace

const char* SourceName(TEntrySource source)
{
    return kSourceWords[static_cast<size_t>(source)].name;
}

std::string SourceText(const TPackFileAccount& account)
{
    std::string text = kSourceWords[static_cast<size_t>(account.source)].text;
    if (account.countField)
        text += " (count field " + std::to_string(*account.countField) + ")";
    return account.source == TEntrySource::Parts ? std::to_string(account.parts) + " " + text : text;
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

std::string Zip64Prefix(const std::string& path, uint64_t prefix)
{
    return path + ": " + std::to_string(prefix) + " bytes in front of the archive; its ZIP64 offsets read past them";
}

std::string NegativeSizes(const std::string& path, uint64_t entries)
{
    return path + ": " + std::to_string(entries) + (entries == 1 ? " entry" : " entries") +
           " with a size field of 2 GB or more lower the total";
}

std::string SameButCase(const std::string& path, const std::vector<std::string>& names)
{
    std::string list;
    for (const std::string& name : names)
        list += (list.empty() ? "" : ", ") + name;
    return path + ": several names differ from it only in letter case (" + list + "); taken as missing";
}

}  // namespace warning

namespace note {

std::string OtherCase(const std::string& found, const std::string& written)
{
    return found + ": found for " + written + ", in other letter case";
}

}  // namespace note

}  // namespace pk
