#include "cli/JsonReport.h"

#include <cstdio>

#include "platform/TextServices.h"

namespace pk::cli {

namespace {

const char* ModeName(TMode mode)
{
    switch (mode) {
    case TMode::Update: return "update";
    case TMode::Check: return "check";
    default: return "list";
    }
}

std::string JsonNumber(std::optional<int32_t> value)
{
    return value ? std::to_string(*value) : "null";
}

// A JSON array of the items, each written by toJson.
template <class Item, class ToJson>
std::string JsonArray(const std::vector<Item>& items, ToJson toJson)
{
    std::string out = "[";
    for (size_t i = 0; i < items.size(); ++i)
        out += (i ? ", " : "") + toJson(items[i]);
    return out + "]";
}

std::string JsonStrings(const std::vector<std::string>& texts)
{
    return JsonArray(texts, [](const std::string& text) { return JsonString(TConsoleSession::Shown(text)); });
}

std::string JsonPackFile(const TPackFileAccount& file)
{
    const bool zip = file.kind == TPackKind::Zip && file.bytes;
    const std::string matched = JsonArray(file.matched, [](const TMaskCount& count) {
        return "{\"mask\": " + JsonString(count.mask) + ", \"entries\": " + std::to_string(count.entries) + "}";
    });
    return "{\"path\": " + JsonString(TConsoleSession::Shown(file.path)) + ", \"kind\": \"" +
           (file.kind == TPackKind::Wrp ? "wrp" : "zip") + "\", \"size\": " + JsonNumber(file.bytes) +
           ", \"entries\": " + (zip ? std::to_string(file.entries) : "null") + ", \"matched\": " +
           (zip ? matched : "null") + ", \"source\": " +
           (zip ? std::string("\"") + SourceName(file.source) + "\"" : "null") +
           ", \"parts\": " + (zip ? std::to_string(file.parts) : "null") + ", \"countField\": " +
           (zip && file.countField ? std::to_string(*file.countField) : "null") +
           ", \"warnings\": " + JsonStrings(file.warnings) + ", \"notes\": " + JsonStrings(file.notes) + "}";
}

std::string JsonSection(const TConsoleRow& row)
{
    return "{\"name\": " + JsonString(row.section) + ", \"packSet\": " + JsonString(row.packSet) +
           ", \"storedSize\": " + JsonNumber(StoredSizeOf(row)) + ", \"measuredSize\": " +
           JsonNumber(MeasuredSizeOf(row)) + ", \"status\": \"" + StatusName(StatusOf(row)) +
           "\", \"changed\": " + (SizeChanged(row) ? "true" : "false") + ", \"messages\": " +
           JsonStrings(row.messages) + ", \"packFiles\": " + JsonArray(row.account.packFiles, JsonPackFile) +
           ", \"warnings\": " + JsonStrings(row.account.Warnings()) + "}";
}

std::string JsonKit(const TKitAccount& kit)
{
    const std::string unreached = JsonArray(kit.unreached, [](const TUnreachedSection& section) {
        return "{\"name\": " + JsonString(section.name) + ", \"reason\": " + JsonString(section.reason) + "}";
    });
    return "{\"unreachedSections\": " + unreached + ", \"unnamedPackFiles\": " + JsonStrings(kit.unnamedPackFiles) +
           ", \"notes\": " + JsonStrings(kit.notes) + ", \"warnings\": " + JsonStrings(kit.Warnings()) + "}";
}

}  // namespace

std::string JsonString(const std::string& text)
{
    std::string out = "\"";
    for (char ch : platform::AnsiToUtf8(text)) {
        auto b = static_cast<unsigned char>(ch);
        if (b == '"' || b == '\\') {
            out += '\\';
            out += ch;
        } else if (b < 0x20 || b == 0x7F) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", b);
            out += escaped;
        } else {
            out += ch;
        }
    }
    return out + "\"";
}

std::string JsonReport(const TPassResult& result)
{
    std::string out = "{\n  \"version\": " + std::to_string(kJsonSchemaVersion) + ",\n  \"mode\": \"" +
                      ModeName(result.mode) + "\",\n  \"iniFile\": " +
                      JsonString(TConsoleSession::Shown(result.iniFile)) + ",\n  \"packFilesDir\": " +
                      JsonString(TConsoleSession::Shown(result.packFilesDir)) + ",\n  \"sections\": [";
    for (size_t i = 0; i < result.rows.size(); ++i)
        out += (i ? ",\n    " : "\n    ") + JsonSection(result.rows[i]);
    out += result.rows.empty() ? "],\n" : "\n  ],\n";
    out += "  \"kit\": " + JsonKit(result.kit) + ",\n";
    out += "  \"error\": " + (result.error ? JsonString(TConsoleSession::Shown(*result.error)) : "null") + ",\n";
    TPassSummary summary = result.Summary();
    out += "  \"summary\": {\"sections\": " + std::to_string(summary.sections) +
           ", \"measured\": " + std::to_string(summary.measured) + ", \"failed\": " +
           std::to_string(summary.failed) + ", \"notUpdated\": " + std::to_string(summary.notUpdated) +
           ", \"changed\": " + std::to_string(summary.changed) + ", \"exitCode\": " +
           std::to_string(result.ExitCode()) + "}\n}\n";
    return out;
}

}  // namespace pk::cli
