#include "cli/Report.h"

#include <algorithm>

#include "cli/JsonReport.h"
#include "platform/TextServices.h"
#include "survey/GridRowTexts.h"

namespace pk::cli {

namespace {

// The title row and the rows with the window's texts, aligned in columns.
std::string Table(const std::vector<TConsoleRow>& rows, bool explain)
{
    std::vector<TGridRowTexts> lines;
    lines.push_back(GridTitleRow());
    for (const TConsoleRow& row : rows)
        lines.push_back(FormatGridRow(row.section, row.packSet, row.storedSize, row.newSize));
    size_t width[kGridColumns] = {};
    for (const TGridRowTexts& line : lines)
        for (int c = 0; c < kGridColumns; ++c)
            width[c] = std::max(width[c], line[c].size());

    std::string out;
    for (size_t i = 0; i < lines.size(); ++i) {
        const TGridRowTexts& line = lines[i];
        std::string text;
        for (int c = 0; c < kGridColumns; ++c) {
            text += line[c];
            if (c + 1 < kGridColumns)
                text += std::string(width[c] - line[c].size() + 2, ' ');
        }
        while (!text.empty() && text.back() == ' ')
            text.pop_back();
        out += text + "\n";
        if (explain && i > 0)
            out += ExplainedAccount(rows[i - 1].account);
    }
    return out;
}

// One indented line per text: "    warning: ...".
std::string AccountLines(const char* kind, const std::vector<std::string>& texts)
{
    std::string out;
    for (const std::string& text : texts)
        out += std::string("    ") + kind + ": " + TConsoleSession::Shown(text) + "\n";
    return out;
}

// The kit-wide account under its heading, when it has something to say.
std::string ExplainedKit(const TKitAccount& kit)
{
    const std::string out = AccountLines("note", kit.notes) + AccountLines("warning", kit.Warnings());
    return out.empty() ? out : "Kit-wide\n" + out;
}

// One TSV field: UTF-8, with tab, line ends and backslash escaped so a field never splits.
std::string TsvField(const std::string& text)
{
    std::string out;
    for (char c : platform::AnsiToUtf8(text)) {
        switch (c) {
        case '\t': out += "\\t"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\\': out += "\\\\"; break;
        default: out += c;
        }
    }
    return out;
}

std::string Tsv(const std::vector<TConsoleRow>& rows)
{
    auto number = [](std::optional<int32_t> value) { return value ? std::to_string(*value) : std::string(); };
    std::string out = "section\tpackSet\tstoredSize\tmeasuredSize\tstatus\tchanged\n";
    for (const TConsoleRow& row : rows)
        out += TsvField(row.section) + "\t" + TsvField(row.packSet) + "\t" + number(StoredSizeOf(row)) + "\t" +
               number(MeasuredSizeOf(row)) + "\t" + StatusName(StatusOf(row)) + "\t" +
               (SizeChanged(row) ? "true" : "false") + "\n";
    return out;
}

std::string PackFileLine(const TPackFileAccount& file)
{
    std::string line = std::string(file.kind == TPackKind::Wrp ? "    WRP " : "    ZIP ") +
                       TConsoleSession::Shown(file.path) + ": " +
                       (file.bytes ? std::to_string(*file.bytes) + " bytes" : std::string("not measured"));
    if (file.kind == TPackKind::Zip && file.bytes) {
        line += "; " + std::to_string(file.entries) + " entries from the " + SourceText(file) + "; matched";
        for (const TMaskCount& mask : file.matched)
            line += " " + mask.mask + ": " + std::to_string(mask.entries);
    }
    return line + "\n";
}

}  // namespace

std::string ExplainedAccount(const TSectionAccount& account)
{
    std::string out;
    for (const TPackFileAccount& file : account.packFiles)
        out += PackFileLine(file) + AccountLines("note", file.notes);
    return out + AccountLines("warning", account.Warnings());
}

std::string FormatReport(const TPassResult& result, TOutputFormat format, bool explain)
{
    if (format == TOutputFormat::Json)
        return JsonReport(result);
    if (result.error)
        return {};
    if (format == TOutputFormat::Tsv)
        return Tsv(result.rows);
    return Table(result.rows, explain) + (explain ? ExplainedKit(result.kit) : "");
}

}  // namespace pk::cli
