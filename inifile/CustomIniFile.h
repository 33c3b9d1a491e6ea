#pragma once
// The settings-file base: numbers and flags as text over the text operations of a derived
// document, and the integer rules of its numbers.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

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

}  // namespace pk
