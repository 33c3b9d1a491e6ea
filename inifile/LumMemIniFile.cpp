#include "inifile/LumMemIniFile.h"

#include "inifile/FileReplace.h"
#include "inifile/IniText.h"
#include "platform/Exceptions.h"
#include "platform/File.h"
#include "platform/Process.h"
#include "platform/TextServices.h"

namespace pk {

namespace {

// The text before a line's first "=", or nothing for a line without one.
std::optional<std::string> KeyOf(const std::string& line)
{
    size_t eq = line.find('=');
    if (eq == std::string::npos)
        return std::nullopt;
    return line.substr(0, eq);
}

std::vector<std::string>::iterator FindKeyLine(std::vector<std::string>& lines, const std::string& key)
{
    for (auto it = lines.begin(); it != lines.end(); ++it) {
        auto lineKey = KeyOf(*it);
        if (lineKey && platform::SameText(*lineKey, key))
            return it;
    }
    return lines.end();
}

bool IsComment(const std::string& line) { return !line.empty() && line[0] == ';'; }

bool IsHeader(const std::string& line) { return line.size() >= 2 && line.front() == '[' && line.back() == ']'; }

std::string ReadWholeFile(const std::string& path)
{
    platform::TFile file;
    auto cannotOpen = [&](const std::string& reason) {
        return EFOpenError("Cannot open file \"" + platform::ExpandFileName(path) + "\". " + reason);
    };
    if (uint32_t code = file.OpenRead(path, platform::TShare::DenyWrite))
        throw cannotOpen(platform::OsErrorText(code));
    // Read in part, such a file would be cut down by the next save.
    const int64_t size = file.Size();
    if (size > kLargestIniFile)
        throw cannotOpen("The file is larger than 4 GB");
    std::string bytes(static_cast<size_t>(size), '\0');
    bytes.resize(file.Read(bytes.data(), bytes.size()));
    return bytes;
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
    TIniText text = SplitIniText(ReadWholeFile(FilePath));
    truncatedAtNul = text.cutAtNul;
    ParseLines(std::move(text.lines));
    Modified = false;
}

void TLumMemIniFile::ParseLines(std::vector<std::string> lines)
{
    ClearAll();
    std::vector<std::string>* current = &LeadingLines;
    for (std::string& line : lines) {
        if (line.empty())
            continue;
        if (IsHeader(line))
            current = &AppendSection(line.substr(1, line.size() - 2));
        else
            current->push_back(std::move(line));
    }
}

void TLumMemIniFile::ClearAll()
{
    LeadingLines.clear();
    SectionList.clear();
}

std::vector<std::string>& TLumMemIniFile::AppendSection(const std::string& name)
{
    return SectionList.emplace_back(TSection{name, {}}).lines;
}

TLumMemIniFile::TSection* TLumMemIniFile::FindSection(const std::string& name)
{
    for (TSection& section : SectionList)
        if (platform::SameText(section.name, name))
            return &section;
    return nullptr;
}

std::string TLumMemIniFile::ReadText(const std::string& section, const std::string& key, const std::string& defaultValue)
{
    TSection* found = FindSection(section);
    if (!found)
        return defaultValue;
    auto line = FindKeyLine(found->lines, key);
    if (line == found->lines.end())
        return defaultValue;
    return line->substr(line->find('=') + 1);
}

void TLumMemIniFile::WriteText(const std::string& section, const std::string& key, const std::string& value)
{
    TSection* found = FindSection(section);
    std::vector<std::string>& lines = found ? found->lines : AppendSection(section);
    std::string newLine = key + "=" + value;
    auto line = FindKeyLine(lines, key);
    if (line != lines.end())
        *line = std::move(newLine);
    else
        lines.push_back(std::move(newLine));
    Modified = true;
}

void TLumMemIniFile::ListKeys(const std::string& section, std::vector<std::string>& target)
{
    target.clear();
    if (TSection* found = FindSection(section))
        for (const std::string& line : found->lines)
            target.push_back(KeyOf(line).value_or(""));
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
        target = found->lines;
}

void TLumMemIniFile::RemoveSection(const std::string& section)
{
    TSection* found = FindSection(section);
    if (!found)
        return;
    SectionList.erase(SectionList.begin() + (found - SectionList.data()));
    Modified = true;
}

void TLumMemIniFile::RemoveKey(const std::string& section, const std::string& key)
{
    TSection* found = FindSection(section);
    if (!found)
        return;
    auto line = FindKeyLine(found->lines, key);
    if (line != found->lines.end())
        found->lines.erase(line);
    Modified = true;
}

std::vector<std::string> TLumMemIniFile::RenderLines() const
{
    std::vector<std::string> out(LeadingLines);
    if (!out.empty())
        out.emplace_back();
    for (const TSection& section : SectionList) {
        out.push_back("[" + section.name + "]");
        out.insert(out.end(), section.lines.begin(), section.lines.end());
        if (section.lines.empty() || !IsComment(section.lines.back())) {
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
    try {
        ReplaceFileContents(FilePath, SavedBytes());
    } catch (...) {
        saveFailed = true;
        throw;
    }
    Modified = false;
}

}  // namespace pk
