#include "inifile/LumMemIniFile.h"

#include "inifile/FileReplace.h"
#include "inifile/IniText.h"
#include "platform/Exceptions.h"
#include "platform/File.h"
#include "platform/Process.h"
#include "platform/TextServices.h"

namespace pk {

namespace {

bool IsComment(std::string_view line) { return !line.empty() && line[0] == ';'; }

bool IsHeader(std::string_view line) { return line.size() >= 2 && line.front() == '[' && line.back() == ']'; }

std::string ReadIniFile(const std::string& path)
{
    platform::TFile file;
    auto cannotOpen = [&](const std::string& reason) {
        return EFOpenError("Cannot open file \"" + platform::ExpandFileName(path) + "\". " + reason);
    };
    try {
        file.OpenRead(path, platform::TShare::DenyWrite);
    } catch (const EInOutError& e) {
        throw cannotOpen(e.Message());
    }
    // Read in part, such a file would be cut down by the next save.
    const int64_t size = file.Size();
    if (size > kLargestIniFile)
        throw cannotOpen("The file is larger than 4 GB");
    return platform::ReadWholeFile(file);
}

uint32_t NameHash(std::string_view name)
{
    return static_cast<uint32_t>(std::hash<std::string>{}(platform::NameKey(name)));
}

}  // namespace

TLumMemIniFile::TLumMemIniFile(const std::string& fileName) : TCustomIniFile(fileName)
{
    ReloadFile();
}

TLumMemIniFile::~TLumMemIniFile()
{
    // A save that failed has been reported; trying again here would do it unseen.
    if (Modified && !saveFailed) {
        try {
            SaveFile();
        } catch (...) {
            // Nothing may leave a destructor; callers that care call SaveFile themselves.
        }
    }
}

void TLumMemIniFile::ReloadFile()
{
    ClearAll();
    truncatedAtNul = false;
    if (FilePath.empty() || !platform::FileExists(FilePath))
        return;
    ParseLines(ReadIniFile(FilePath));
    Modified = false;
}

void TLumMemIniFile::ParseLines(std::string_view bytes)
{
    ClearAll();
    TIniLineReader reader(bytes);
    TSectionLines* current = &LeadingLines;
    for (std::string_view line; reader.Next(line);) {
        if (line.empty())
            continue;
        if (IsHeader(line))
            current = &AppendSection(line.substr(1, line.size() - 2));
        else
            current->Append(line);
    }
    truncatedAtNul = reader.CutAtNul();
}

void TLumMemIniFile::ClearAll()
{
    LeadingLines = {};
    SectionList.clear();
    firstSectionByName.Clear();
}

TSectionLines& TLumMemIniFile::AppendSection(std::string_view name)
{
    SectionList.push_back(TSection{std::string(name), {}});
    IndexSection(SectionList.size() - 1);
    return SectionList.back().lines;
}

void TLumMemIniFile::IndexSection(size_t position)
{
    const std::string& name = SectionList[position].name;
    firstSectionByName.AddIfFirst(NameHash(name), position,
                                  [&](size_t p) { return platform::SameText(SectionList[p].name, name); });
}

std::optional<size_t> TLumMemIniFile::FindSectionPosition(std::string_view name) const
{
    return firstSectionByName.Find(NameHash(name),
                                   [&](size_t p) { return platform::SameText(SectionList[p].name, name); });
}

TLumMemIniFile::TSection* TLumMemIniFile::FindSection(std::string_view name)
{
    auto position = FindSectionPosition(name);
    return position ? &SectionList[*position] : nullptr;
}

std::string TLumMemIniFile::ReadText(const std::string& section, const std::string& key, const std::string& defaultValue)
{
    TSection* found = FindSection(section);
    if (!found)
        return defaultValue;
    auto place = found->lines.FindKey(key);
    if (!place)
        return defaultValue;
    std::string_view line = found->lines.LineAt(*place);
    return std::string(line.substr(line.find('=') + 1));
}

void TLumMemIniFile::WriteText(const std::string& section, const std::string& key, const std::string& value)
{
    TSection* found = FindSection(section);
    TSectionLines& lines = found ? found->lines : AppendSection(section);
    std::string newLine = key + "=" + value;
    if (auto place = lines.FindKey(key))
        lines.Replace(*place, newLine);
    else
        lines.Append(newLine);
    Modified = true;
}

void TLumMemIniFile::ListKeys(const std::string& section, std::vector<std::string>& target)
{
    target.clear();
    if (TSection* found = FindSection(section))
        found->lines.ForEach([&](std::string_view line) { target.emplace_back(KeyOf(line).value_or("")); });
}

void TLumMemIniFile::ListSections(std::vector<std::string>& target)
{
    target.clear();
    for (const TSection& section : SectionList)
        target.push_back(section.name);
}

void TLumMemIniFile::ListLines(const std::string& section, std::vector<std::string>& target)
{
    target.clear();
    if (TSection* found = FindSection(section))
        target = found->lines.All();
}

void TLumMemIniFile::RemoveSection(const std::string& section)
{
    auto position = FindSectionPosition(section);
    if (!position)
        return;
    SectionList.erase(SectionList.begin() + static_cast<std::ptrdiff_t>(*position));
    // Positions after it moved down, and a later namesake may now come first.
    firstSectionByName.Clear();
    for (size_t p = 0; p < SectionList.size(); ++p)
        IndexSection(p);
    Modified = true;
}

void TLumMemIniFile::RemoveKey(const std::string& section, const std::string& key)
{
    TSection* found = FindSection(section);
    if (!found)
        return;
    if (auto place = found->lines.FindKey(key))
        found->lines.Erase(*place);
    Modified = true;
}

std::vector<std::string> TLumMemIniFile::RenderLines() const
{
    std::vector<std::string> out = LeadingLines.All();
    if (!out.empty())
        out.emplace_back();
    for (const TSection& section : SectionList) {
        out.push_back("[" + section.name + "]");
        size_t header = out.size();
        section.lines.ForEach([&](std::string_view line) { out.emplace_back(line); });
        if (out.size() == header || !IsComment(out.back())) {
            out.emplace_back();
            continue;
        }
        // The blank line goes before the comment run that ends the section, as such comments
        // usually describe what follows. The walk never looks at the first two lines.
        size_t p = out.size() - 1;
        while (p > 1 && IsComment(out[p]))
            --p;
        if (p > 1)
            out.emplace(out.begin() + static_cast<std::ptrdiff_t>(p) + 1);
    }
    return out;
}

std::string TLumMemIniFile::SavedBytes() const
{
    if (truncatedAtNul)
        throw CannotCreateFile(FilePath, "The file contains a NUL byte; the text after it would be lost");
    return JoinIniLines(RenderLines());
}

void TLumMemIniFile::SaveFile()
{
    SaveFileBytes();
}

std::string TLumMemIniFile::SaveFileBytes()
{
    std::string bytes;
    try {
        bytes = SavedBytes();
        ReplaceFileContents(FilePath, bytes);
    } catch (...) {
        saveFailed = true;
        throw;
    }
    Modified = false;
    return bytes;
}

}  // namespace pk
