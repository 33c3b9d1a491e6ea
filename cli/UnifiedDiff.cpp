#include "cli/UnifiedDiff.h"

#include <algorithm>
#include <optional>
#include <unordered_map>
#include <vector>

namespace pk::cli {

namespace {

constexpr size_t kContext = 3;
// Beyond this many edits the middle is replaced whole: still exact, no longer minimal, and
// time and memory stay bounded however different the texts are.
constexpr int kMaxEdits = 2000;

enum class Op { Keep, Delete, Insert };

struct TEdit {
    Op op;
    size_t line;  // in before for Keep and Delete, in after for Insert
};

// Lines with their line ends; the last line may have none.
std::vector<std::string_view> SplitLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        size_t end = text.find('\n');
        size_t length = end == std::string_view::npos ? text.size() : end + 1;
        lines.push_back(text.substr(0, length));
        text.remove_prefix(length);
    }
    return lines;
}

// The shortest edit script from a to b (Myers), or nothing when it needs more than kMaxEdits.
std::optional<std::vector<TEdit>> ShortestEdits(const std::vector<int>& a, const std::vector<int>& b, size_t aBase)
{
    const int n = static_cast<int>(a.size()), m = static_cast<int>(b.size());
    const int limit = std::min(n + m, kMaxEdits);
    std::vector<int> v(2 * static_cast<size_t>(limit) + 3, 0);
    const int offset = limit + 1;
    std::vector<std::vector<int>> trace;  // v over k = -d..d after each round d
    int found = -1;
    for (int d = 0; d <= limit && found < 0; ++d) {
        for (int k = -d; k <= d; k += 2) {
            int x = k == -d || (k != d && v[offset + k - 1] < v[offset + k + 1]) ? v[offset + k + 1]
                                                                                 : v[offset + k - 1] + 1;
            int y = x - k;
            while (x < n && y < m && a[x] == b[y])
                ++x, ++y;
            v[offset + k] = x;
            if (x >= n && y >= m)
                found = d;
        }
        trace.emplace_back(v.begin() + offset - d, v.begin() + offset + d + 1);
    }
    if (found < 0)
        return std::nullopt;

    std::vector<TEdit> edits;
    int x = n, y = m;
    for (int d = found; d > 0; --d) {
        const std::vector<int>& prev = trace[d - 1];  // index k + (d - 1)
        auto at = [&](int k) { return prev[k + d - 1]; };
        int k = x - y;
        int prevK = k == -d || (k != d && at(k - 1) < at(k + 1)) ? k + 1 : k - 1;
        int prevX = at(prevK), prevY = prevX - prevK;
        while (x > prevX + (prevK == k - 1 ? 1 : 0) && y > prevY + (prevK == k + 1 ? 1 : 0)) {
            --x, --y;
            edits.push_back({Op::Keep, aBase + x});
        }
        if (prevK == k + 1)
            edits.push_back({Op::Insert, static_cast<size_t>(prevY)});
        else
            edits.push_back({Op::Delete, aBase + prevX});
        x = prevX, y = prevY;
    }
    while (x > 0)
        edits.push_back({Op::Keep, aBase + --x});
    std::reverse(edits.begin(), edits.end());
    return edits;
}

// The edits that turn before into after: common ends kept, the middle by ShortestEdits.
std::vector<TEdit> DiffLines(const std::vector<std::string_view>& before, const std::vector<std::string_view>& after)
{
    size_t head = 0;
    while (head < before.size() && head < after.size() && before[head] == after[head])
        ++head;
    size_t tail = 0;
    while (tail < before.size() - head && tail < after.size() - head &&
           before[before.size() - 1 - tail] == after[after.size() - 1 - tail])
        ++tail;

    // Lines as numbers, so the search compares integers.
    std::unordered_map<std::string_view, int> ids;
    auto idsOf = [&](const std::vector<std::string_view>& lines, size_t end) {
        std::vector<int> out;
        for (size_t i = head; i < end; ++i)
            out.push_back(ids.emplace(lines[i], static_cast<int>(ids.size())).first->second);
        return out;
    };
    std::vector<int> a = idsOf(before, before.size() - tail), b = idsOf(after, after.size() - tail);

    std::vector<TEdit> edits;
    for (size_t i = 0; i < head; ++i)
        edits.push_back({Op::Keep, i});
    if (auto middle = ShortestEdits(a, b, head)) {
        for (TEdit edit : *middle) {
            if (edit.op == Op::Insert)
                edit.line += head;
            edits.push_back(edit);
        }
    } else {
        for (size_t i = 0; i < a.size(); ++i)
            edits.push_back({Op::Delete, head + i});
        for (size_t i = 0; i < b.size(); ++i)
            edits.push_back({Op::Insert, head + i});
    }
    for (size_t i = before.size() - tail; i < before.size(); ++i)
        edits.push_back({Op::Keep, i});
    return edits;
}

void AppendLine(std::string& out, char mark, std::string_view line)
{
    out += mark;
    out += line;
    if (line.empty() || line.back() != '\n')
        out += "\n\\ No newline at end of file\n";
}

// "start,count" of a hunk side; an empty side names the line before it.
std::string Range(size_t start, size_t count)
{
    return std::to_string(count == 0 ? start : start + 1) + "," + std::to_string(count);
}

}  // namespace

std::string UnifiedDiff(std::string_view before, std::string_view after, const std::string& name)
{
    const std::vector<std::string_view> a = SplitLines(before), b = SplitLines(after);
    const std::vector<TEdit> edits = DiffLines(a, b);
    // Where each edit stands in before and in after.
    std::vector<size_t> aPos(edits.size() + 1), bPos(edits.size() + 1);
    for (size_t i = 0; i < edits.size(); ++i) {
        aPos[i + 1] = aPos[i] + (edits[i].op != Op::Insert);
        bPos[i + 1] = bPos[i] + (edits[i].op != Op::Delete);
    }

    std::string out;
    size_t i = 0;
    while (i < edits.size()) {
        if (edits[i].op == Op::Keep) {
            ++i;
            continue;
        }
        // A hunk: from kContext lines before this change to kContext lines after the last
        // change that is no more than 2 * kContext kept lines from the one before it.
        size_t first = i >= kContext ? i - kContext : 0;
        size_t last = i;  // one past the last change
        size_t j = i;
        while (j < edits.size()) {
            if (edits[j].op != Op::Keep) {
                last = ++j;
                continue;
            }
            size_t run = j;
            while (run < edits.size() && edits[run].op == Op::Keep)
                ++run;
            if (run == edits.size() || run - j > 2 * kContext)
                break;
            j = run;
        }
        size_t end = std::min(edits.size(), last + kContext);

        if (out.empty())
            out = "--- " + name + "\n+++ " + name + "\n";
        out += "@@ -" + Range(aPos[first], aPos[end] - aPos[first]) + " +" + Range(bPos[first], bPos[end] - bPos[first]) +
               " @@\n";
        for (size_t e = first; e < end; ++e) {
            const TEdit& edit = edits[e];
            if (edit.op == Op::Insert)
                AppendLine(out, '+', b[edit.line]);
            else
                AppendLine(out, edit.op == Op::Keep ? ' ' : '-', a[edit.line]);
        }
        i = end;
    }
    return out;
}

}  // namespace pk::cli
