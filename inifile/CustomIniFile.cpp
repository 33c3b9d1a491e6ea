// The base-class operations: numbers and flags as text, and the section test.
#include <string>

#include "inifile/CustomIniFile.h"

namespace pk {

namespace {

int HexDigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// Hexadecimal digits up to the end of the text; at most 8 significant ones, the top bit giving
// a negative value.
std::optional<uint32_t> ParseHexDigits(const std::string& text, size_t i)
{
    if (i == text.size())
        return std::nullopt;
    uint32_t value = 0;
    for (; i < text.size(); ++i) {
        int digit = HexDigitValue(text[i]);
        if (digit < 0 || value > 0x0FFFFFFFu)
            return std::nullopt;
        value = value * 16 + static_cast<uint32_t>(digit);
    }
    return value;
}

// Decimal digits up to the end of the text, as a magnitude of at most 2147483649.
std::optional<uint32_t> ParseDecimalDigits(const std::string& text, size_t i)
{
    if (i == text.size())
        return std::nullopt;
    uint32_t value = 0;
    for (; i < text.size(); ++i) {
        char c = text[i];
        if (c < '0' || c > '9' || value > 214748364u)
            return std::nullopt;
        value = value * 10 + static_cast<uint32_t>(c - '0');
    }
    return value;
}

bool IsHexMark(char c) { return c == '$' || c == 'x' || c == 'X'; }

}  // namespace

std::optional<int32_t> ParseInteger(const std::string& text)
{
    size_t i = text.find_first_not_of(' ');
    if (i == std::string::npos)
        return std::nullopt;
    bool negative = text[i] == '-';
    if (text[i] == '-' || text[i] == '+')
        ++i;
    if (i < text.size() && (IsHexMark(text[i]) || (text[i] == '0' && i + 1 < text.size() &&
                                                   (text[i + 1] == 'x' || text[i + 1] == 'X')))) {
        auto bits = ParseHexDigits(text, text[i] == '0' ? i + 2 : i + 1);
        if (!bits)
            return std::nullopt;
        uint32_t result = negative ? 0u - *bits : *bits;  // two's complement, as 32-bit words wrap
        return static_cast<int32_t>(result);
    }
    auto magnitude = ParseDecimalDigits(text, i);
    if (!magnitude || *magnitude > (negative ? 2147483648u : 2147483647u))
        return std::nullopt;
    return static_cast<int32_t>(negative ? -static_cast<int64_t>(*magnitude) : *magnitude);
}

int32_t TCustomIniFile::ReadNumber(const std::string& section, const std::string& key, int32_t defaultValue)
{
    std::string text = ReadText(section, key, "");
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
        text.replace(0, 2, "$");
    return ParseInteger(text).value_or(defaultValue);
}

void TCustomIniFile::WriteNumber(const std::string& section, const std::string& key, int32_t value)
{
    WriteText(section, key, std::to_string(value));
}

bool TCustomIniFile::ReadFlag(const std::string& section, const std::string& key, bool defaultValue)
{
    return ReadNumber(section, key, defaultValue ? 1 : 0) != 0;
}

void TCustomIniFile::WriteFlag(const std::string& section, const std::string& key, bool value)
{
    WriteText(section, key, value ? "1" : "0");
}

bool TCustomIniFile::HasSection(const std::string& section)
{
    std::vector<std::string> keys;
    ListKeys(section, keys);
    return !keys.empty();
}

}  // namespace pk
