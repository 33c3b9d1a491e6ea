#pragma once
// The INI document: SETUP.INI loaded whole into memory, answered and changed there, and
// written back whole with a fixed layout.
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "inifile/SectionIndex.h"
#include "inifile/SectionLines.h"

namespace pk {

// The settings-file base: turns numbers and flags into text and back through the text
// operations of the derived class.
class TCustomIniFile {
public:
    explicit TCustomIniFile(std::string fileName) : FilePath(std::move(fileName)) {}
    virtual ~TCustomIniFile() = default;
    TCustomIniFile(const TCustomIniFile&) = delete;
    TCustomIniFile& operator=(const TCustomIniFile&) = delete;

    const std::string& FileName() const { return FilePath; }

    virtual std::string ReadText(const std::string& section, const std::string& key, const std::string& defaultValue) = 0;
    virtual void WriteText(const std::string& section, const std::string& key, const std::string& value) = 0;
    virtual int32_t ReadNumber(const std::string& section, const std::string& key, int32_t defaultValue);
    virtual void WriteNumber(const std::string& section, const std::string& key, int32_t value);
    virtual bool ReadFlag(const std::string& section, const std::string& key, bool defaultValue);
    virtual void WriteFlag(const std::string& section, const std::string& key, bool value);
    virtual void ListKeys(const std::string& section, std::vector<std::string>& target) = 0;
    virtual void ListSections(std::vector<std::string>& target) = 0;
    virtual void ListLines(const std::string& section, std::vector<std::string>& target) = 0;
    virtual void RemoveSection(const std::string& section) = 0;
    virtual void RemoveKey(const std::string& section, const std::string& key) = 0;
    virtual void SaveFile() = 0;

    // True when the first section of that name holds at least one line.
    bool HasSection(const std::string& section);

protected:
    const std::string FilePath;
};

// The integer rules of ReadNumber: decimal, or hexadecimal after "$", "x", "X" or "0x";
// an empty optional when the text is not a number.
std::optional<int32_t> ParseInteger(const std::string& text);

class TLumMemIniFile : public TCustomIniFile {
public:
    // Loads the file; a missing file gives an empty document. Raises EFOpenError when the
    // file exists but cannot be opened.
    explicit TLumMemIniFile(const std::string& fileName);
    // Saves first when changes are unsaved (a failure there is swallowed).
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

    bool IsModified() const { return Modified; }
    // Drops the unsaved changes from the file's point of view: the destructor then writes
    // nothing. A pass that fails uses it, so a failure never saves half an update.
    void DiscardChanges() { Modified = false; }
    // The lines that SaveFile writes, without line ends.
    std::vector<std::string> RenderLines() const;

private:
    struct Section {
        std::string name;
        SectionLines lines;
    };

    void ReloadFile();
    void ParseLines(std::string_view bytes);
    void ClearAll();
    SectionLines& AppendSection(std::string_view name);
    std::optional<size_t> FindSectionPosition(std::string_view name) const;
    Section* FindSection(std::string_view name);
    void IndexSection(size_t position);

    std::deque<Section> SectionList;  // a deque: growing it never copies the sections
    SectionIndex FirstSectionByName;
    bool Modified = false;
    SectionLines LeadingLines;
    bool TruncatedAtNul = false;  // the file held a NUL byte; saving would lose what followed
};

}  // namespace pk
