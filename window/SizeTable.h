#pragma once
// The cells of the size table: the title row, one row per sized section (texts by
// FormatGridRow) and the always-empty last row.
#include <array>
#include <string>
#include <vector>

#include "survey/GridRowTexts.h"

namespace pk {

// Widths of the columns in pixels at 96 pixels per inch.
inline constexpr std::array<int, kGridColumns> kColumnWidths = {110, 350, 90, 90, 100};

inline constexpr const char* kChangedMark = "(changed)";

class TSizeTable {
public:
    TSizeTable();

    int RowCount() const { return static_cast<int>(rows.size()); }
    // Rows 1 .. RowCount() - 2; the last row is always the empty one.
    int FirstDataRow() const { return 1; }
    int LastDataRow() const { return RowCount() - 2; }
    const std::string& Cell(int column, int row) const;
    void SetCell(int column, int row, const std::string& text);
    TGridRowTexts& Row(int row);

    void SetTitles();
    // Fills the empty last row and adds a new empty one below; returns the filled row.
    int AppendRow(const TGridRowTexts& texts);
    // Back to the title row and one empty row.
    void CutBack();
    // The first edit of a row moves its new size under the previous size and marks it
    // changed; later edits leave it alone.
    void MarkEdited(int row);

private:
    size_t RowIndex(int row) const;
    std::vector<TGridRowTexts> rows;
};

}  // namespace pk
