#pragma once
// The cells of the size table: the title row, one row per sized section and the always-empty
// last row, with the texts the table shows for stored and new sizes.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace pk {

enum SizeColumn { ColSection = 0, ColPackFiles = 1, ColPrevSize = 2, ColNewSize = 3, ColSizeChanged = 4 };
inline constexpr int kSizeColumnCount = 5;

using GridRow = std::array<std::string, kSizeColumnCount>;

struct SizeColumnSpec {
    const char* title;
    int width;  // screen pixels
};
extern const std::array<SizeColumnSpec, kSizeColumnCount> kSizeColumns;

inline constexpr const char* kChangedMark = "(changed)";

// The texts of one data row for a section with its stored and new size.
GridRow SizeRowTexts(const std::string& section, const std::string& packSet, int32_t storedSize, int32_t newSize);

class SizeTable {
public:
    SizeTable();

    int RowCount() const { return static_cast<int>(rows.size()); }
    // Rows 1 .. RowCount() - 2; the last row is always the empty one.
    int FirstDataRow() const { return 1; }
    int LastDataRow() const { return RowCount() - 2; }
    const std::string& Cell(int column, int row) const;
    void SetCell(int column, int row, const std::string& text);

    void SetTitles();
    // Fills the empty last row and adds a new empty one below; returns the filled row.
    int AppendRow(const GridRow& texts);
    // Back to the title row and one empty row.
    void CutBack();
    // The first edit of a row moves its new size under the previous size and marks it
    // changed; later edits leave it alone.
    void MarkEdited(int row);

private:
    size_t RowIndex(int row) const;
    GridRow& Row(int row);
    std::vector<GridRow> rows;
};

}  // namespace pk
