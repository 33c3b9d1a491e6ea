#pragma once
// Applies a unified diff as patch does, for checking what a diff claims: every kept and
// removed line must be what the original holds there. Header-only, for tests and fuzzers.
#include <optional>
#include <string>
#include <vector>

namespace pk::testing {

// The patched text, or nothing when the diff does not fit the original.
inline std::optional<std::string> ApplyUnifiedDiff(const std::string& original, const std::string& diff)
{
    std::vector<std::string> lines;
    for (size_t p = 0; p < original.size();) {
        size_t end = original.find('\n', p);
        end = end == std::string::npos ? original.size() : end + 1;
        lines.push_back(original.substr(p, end - p));
        p = end;
    }
    std::string out;
    size_t next = 0;  // the next line of the original not yet copied
    for (size_t p = diff.find("\n@@ ") == std::string::npos ? diff.size() : diff.find("\n@@ ") + 1; p < diff.size();) {
        size_t end = diff.find('\n', p);
        if (end == std::string::npos)
            return std::nullopt;
        std::string line = diff.substr(p, end + 1 - p);
        p = end + 1;
        if (line.rfind("@@ -", 0) == 0) {
            size_t start = std::stoul(line.substr(4));
            size_t count = std::stoul(line.substr(line.find(',') + 1));
            size_t first = count == 0 ? start : start - 1;
            if (first < next || first > lines.size())
                return std::nullopt;
            while (next < first)
                out += lines[next++];
            continue;
        }
        if (line.rfind("\\ No newline", 0) == 0)
            continue;
        // A diff line ends with its text line's own end; "\ No newline" follows one without.
        std::string text = line.substr(1);
        if (diff.compare(p, 12, "\\ No newline") == 0)
            text.pop_back();
        if (line[0] == '+') {
            out += text;
        } else if (line[0] == ' ' || line[0] == '-') {
            if (next >= lines.size() || lines[next] != text)
                return std::nullopt;
            if (line[0] == ' ')
                out += text;
            ++next;
        } else {
            return std::nullopt;
        }
    }
    while (next < lines.size())
        out += lines[next++];
    return out;
}

}  // namespace pk::testing
