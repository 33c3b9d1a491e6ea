#pragma once
// The INI document: SETUP.INI loaded whole into memory, answered and changed there, and
// written back whole with a fixed layout.
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "inifile/CustomIniFile.h"
#include "inifile/SectionIndex.h"
#include "inifile/SectionLines.h"

namespace pk {

// The largest SETUP.INI that is read: what a 32-bit size can hold.
inline constexpr int64_t kLargestIniFile = 0xFFFFFFFF;

class TLumMemIniFile : public TCustomIniFile {
public:
    // Loads the file; a missing file gives an empty document. Raises EFOpenError when the
    // file exists but cannot be opened, or is larger than 4 GB.
    explicit TLumMemIniFile(const std::string& fileName);
    // Saves first when changes are unsaved, unless a SaveFile has failed (a failure here is
    // swallowed).
    ~TLumMemIniFile() override;

    std::string ReadText(const std::string& section, const std::string& key, const std::string& defaultValue) override;
    void WriteText(const std::string& section, const std::string& key, const std::string& value) override;
    void ListKeys(const std::string& section, std::vector<std::string>& target) override;
    void ListSections(std::vector<std::string>& target) override;
    void ListLines(const std::string& section, std::vector<std::string>& target) override;
    void RemoveSection(const std::string& section) override;
    void RemoveKey(const std::string& section, const std::string& key) override;
    // Writes the whole document to its file. Raises EFCreateError or EWriteError; the file is
    // never left torn.
    void SaveFile() override;
    // SaveFile, returning the bytes it wrote.
    std::string SaveFileBytes();

    bool IsModified() const { return Modified; }
    // Drops the unsaved changes from the file's point of view: the destructor then writes
    // nothing. A pass that fails uses it, so a failure never saves half an update.
    void DiscardChanges() { Modified = false; }
    // The lines that SaveFile writes, without line ends.
    std::vector<std::string> RenderLines() const;
    // The bytes that SaveFile writes; raises its EFCreateError for a document it would refuse.
    std::string SavedBytes() const;

private:
    struct TSection {
        std::string name;
        TSectionLines lines;
    };

    void ReloadFile();
    void ParseLines(std::string_view bytes);
    void ClearAll();
    TSectionLines& AppendSection(std::string_view name);
    std::optional<size_t> FindSectionPosition(std::string_view name) const;
    TSection* FindSection(std::string_view name);
    void IndexSection(size_t position);

    std::deque<TSection> SectionList;  // a deque: growing it never copies the sections
    TSectionIndex firstSectionByName;
    bool Modified = false;
    TSectionLines LeadingLines;
    bool truncatedAtNul = false;  // the file held a NUL byte; saving would lose what followed
    bool saveFailed = false;      // a SaveFile raised; the destructor does not try again
};

}  // namespace pk
