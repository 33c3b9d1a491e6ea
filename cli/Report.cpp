#include "cli/Report.h"

#include <algorithm>
#include <cstdio>

namespace pk::cli {

namespace {

const char* const kJsonKeys[kGridColumns] = {"section", "packFiles", "prevSize", "newSize", "sizeChanged"};

// Windows-1252 bytes 0x80..0x9F as Unicode; the other bytes are Latin-1.
const uint16_t kCp1252High[32] = {0x20AC, 0x81, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                  0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x8D, 0x017D, 0x8F,
                                  0x90, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                  0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x9D, 0x017E, 0x0178};

// The title row and the rows, aligned in columns for a terminal or separated by tabs.
std::string Columns(const std::vector<TConsoleRow>& rows, bool aligned)
{
    std::vector<TGridRowTexts> lines;
    lines.push_back({kGridTitles[0], kGridTitles[1], kGridTitles[2], kGridTitles[3], kGridTitles[4]});
    for (const TConsoleRow& row : rows)
        lines.push_back(row.texts);
    size_t width[kGridColumns] = {};
    for (const TGridRowTexts& line : lines)
        for (int c = 0; c < kGridColumns; ++c)
            width[c] = std::max(width[c], line[c].size());

    std::string out;
    for (const TGridRowTexts& line : lines) {
        std::string text;
        for (int c = 0; c < kGridColumns; ++c) {
            text += line[c];
            if (c + 1 < kGridColumns)
                text += aligned ? std::string(width[c] - line[c].size() + 2, ' ') : "\t";
        }
        while (aligned && !text.empty() && text.back() == ' ')
            text.pop_back();
        out += text + "\n";
    }
    return out;
}

std::string Json(const std::vector<TConsoleRow>& rows)
{
    std::string out = "[";
    for (size_t r = 0; r < rows.size(); ++r) {
        out += r ? ",\n  {" : "\n  {";
        for (int c = 0; c < kGridColumns; ++c)
            out += JsonString(kJsonKeys[c]) + ": " + JsonString(rows[r].texts[c]) + ", ";
        out += "\"messages\": [";
        for (size_t m = 0; m < rows[r].messages.size(); ++m)
            out += (m ? ", " : "") + JsonString(rows[r].messages[m]);
        out += "]}";
    }
    return out + (rows.empty() ? "]\n" : "\n]\n");
}

void AppendUtf8(std::string& out, uint32_t code)
{
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

}  // namespace

std::string JsonString(const std::string& text)
{
    std::string out = "\"";
    for (char ch : text) {
        auto b = static_cast<unsigned char>(ch);
        if (b == '"' || b == '\\') {
            out += '\\';
            out += ch;
        } else if (b < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", b);
            out += escaped;
        } else {
            AppendUtf8(out, b >= 0x80 && b < 0xA0 ? kCp1252High[b - 0x80] : b);
        }
    }
    return out + "\"";
}

std::string FormatReport(const std::vector<TConsoleRow>& rows, TOutputFormat format)
{
    switch (format) {
    case TOutputFormat::Tsv: return Columns(rows, false);
    case TOutputFormat::Json: return Json(rows);
    default: return Columns(rows, true);
    }
}

}  // namespace pk::cli
