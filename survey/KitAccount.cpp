#include "survey/KitAccount.h"

#include <algorithm>
#include <map>
#include <set>
#include <string_view>

#include "inifile/CustomIniFile.h"
#include "measure/PackSet.h"
#include "platform/AsciiCase.h"
#include "platform/FileNames.h"
#include "platform/Paths.h"
#include "platform/TextServices.h"
#include "survey/OptionFamilies.h"

namespace pk {

std::vector<std::string> TKitAccount::Warnings() const
{
    std::vector<std::string> all = pathWarnings;
    for (const TUnreachedSection& section : unreached)
        all.push_back(section.name + ": not reached, " + section.reason);
    for (const std::string& path : unnamedPackFiles)
        all.push_back(path + ": named by no section");
    return all;
}

TKitAccount KitPathsAccount(const TKitPaths& kit)
{
    TKitAccount account;
    for (const std::string& path : {kit.iniFile, kit.packFilesDir}) {
        const platform::TNameOnDisk found = platform::NameOnDisk(path);
        if (!found.sameButCase.empty())
            account.pathWarnings.push_back(warning::SameButCase(path, found.sameButCase));
        else if (found.otherCase)
            account.notes.push_back(note::OtherCase(found.path, path));
    }
    return account;
}

namespace {

// A number as the walk writes it (decimal, 1 to 65535, no leading zero), else 0.
uint32_t WalkNumber(std::string_view digits)
{
    if (digits.empty() || digits.size() > 5 || digits[0] == '0')
        return 0;
    uint32_t number = 0;
    for (char c : digits)
        number = number * 10 + static_cast<uint32_t>(c - '0');
    return number <= kLastOptionNumber ? number : 0;
}

bool AllDigits(std::string_view text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Where the walk stops in one family, by the same presence test: the first absent main
// option, and per main option reached its first absent sub-option.
class TFamilyReach {
public:
    TFamilyReach(TCustomIniFile& document, const TOptionFamily& family) : document(document), family(family)
    {
        firstAbsentMain = FirstAbsent([&](uint32_t i) { return MainOptionName(family, i); });
    }

    uint32_t FirstAbsentMain() const { return firstAbsentMain; }
    uint32_t FirstAbsentSub(uint32_t i)
    {
        auto [at, added] = firstAbsentSub.try_emplace(i, 0);
        if (added)
            at->second = FirstAbsent([&](uint32_t k) { return SubOptionName(family, i, k); });
        return at->second;
    }
    // What hides sub-option k of main option i, or empty when the walk reaches it.
    std::string Gap(uint32_t i, uint32_t k, const std::vector<std::string>& sections)
    {
        if (i >= firstAbsentMain)
            return Absence(MainOptionName(family, firstAbsentMain), sections);
        const uint32_t sub = FirstAbsentSub(i);
        return k >= sub ? Absence(SubOptionName(family, i, sub), sections) : std::string();
    }

private:
    template <class Name>
    uint32_t FirstAbsent(Name name)
    {
        uint32_t n = 1;
        while (n <= kLastOptionNumber && document.HasSection(name(n)))
            ++n;
        return n;
    }
    // An empty section ends the walk as a missing one does; the account tells them apart.
    static std::string Absence(const std::string& name, const std::vector<std::string>& sections)
    {
        const bool listed = std::any_of(sections.begin(), sections.end(),
                                        [&](const std::string& s) { return platform::SameText(s, name); });
        return name + (listed ? " is empty" : " is missing");
    }

    TCustomIniFile& document;
    const TOptionFamily& family;
    uint32_t firstAbsentMain = 1;
    std::map<uint32_t, uint32_t> firstAbsentSub;
};

bool HasSizeKey(TCustomIniFile& document, const std::string& section)
{
    std::vector<std::string> keys;
    document.ListKeys(section, keys);
    return std::any_of(keys.begin(), keys.end(), [](const std::string& key) { return platform::SameText(key, "Size"); });
}

// The gap that hides a section named like a sub-option of the family, or empty when it is
// named otherwise or reached.
std::string GapOf(const std::string& section, const TOptionFamily& family, TFamilyReach& reach,
                  const std::vector<std::string>& sections)
{
    const std::string_view prefix = family.subPrefix;
    if (section.size() <= prefix.size() || !platform::SameText(std::string_view(section).substr(0, prefix.size()), prefix))
        return {};
    const std::string_view numbers = std::string_view(section).substr(prefix.size());
    const size_t dot = numbers.find('.');
    if (dot == std::string_view::npos || !AllDigits(numbers.substr(0, dot)) || !AllDigits(numbers.substr(dot + 1)))
        return {};
    const uint32_t i = WalkNumber(numbers.substr(0, dot)), k = WalkNumber(numbers.substr(dot + 1));
    if (i == 0 || k == 0)
        return "the walk counts from 1 to 65535 without leading zeros";
    return reach.Gap(i, k, sections);
}

}  // namespace

void AccountForWalk(TCustomIniFile& document, const std::string& packFilesDir, TKitAccount& account)
{
    std::vector<std::string> sections;
    document.ListSections(sections);
    std::vector<TFamilyReach> reaches;
    for (const TOptionFamily& family : kOptionFamilies)
        reaches.emplace_back(document, family);

    std::set<std::string> seen;
    for (const std::string& section : sections) {
        if (!seen.insert(platform::NameKey(section)).second || !HasSizeKey(document, section))
            continue;
        for (size_t f = 0; f < reaches.size(); ++f) {
            std::string gap = GapOf(section, kOptionFamilies[f], reaches[f], sections);
            if (!gap.empty())
                account.unreached.push_back({section, std::move(gap)});
        }
    }

    std::set<platform::TFileIdentity> named;
    auto name = [&](const std::string& section) {
        for (const std::string& piece : SplitList(document.ReadText(section, "PackFile", "")))
            if (auto identity = platform::FileIdentity(paths::AddPath(packFilesDir, piece)))
                named.insert(*identity);
    };
    if (document.ReadNumber("BDE", "Size", -1) != -1)
        name("BDE");
    for (size_t f = 0; f < reaches.size(); ++f)
        for (uint32_t i = 1; i < reaches[f].FirstAbsentMain(); ++i)
            for (uint32_t k = 1; k < reaches[f].FirstAbsentSub(i); ++k)
                name(SubOptionName(kOptionFamilies[f], i, k));

    for (const std::string& file : platform::FilesIn(packFilesDir)) {
        const std::string extension = platform::UpperCaseAscii(paths::ExtractFileExt(file));
        if (extension != ".WRP" && extension != ".ZIP")
            continue;
        const std::string path = paths::AddPath(packFilesDir, file);
        const auto identity = platform::FileIdentity(path);
        if (!identity || !named.count(*identity))
            account.unnamedPackFiles.push_back(path);
    }
    std::sort(account.unnamedPackFiles.begin(), account.unnamedPackFiles.end());
}

}  // namespace pk
