#include "window/SizeTable.h"

#include <stdexcept>

namespace pk {

const std::array<TSizeColumnSpec, kSizeColumnCount> kSizeColumns = {{
    {kGridTitles[ColSection], 110},
    {kGridTitles[ColPackFiles], 350},
    {kGridTitles[ColPrevSize], 90},
    {kGridTitles[ColNewSize], 90},
    {kGridTitles[ColSizeChanged], 100},
}};

TSizeTable::TSizeTable() : rows(2) {}

size_t TSizeTable::RowIndex(int row) const
{
    if (row < 0 || row >= RowCount())
        throw std::out_of_range("size table row " + std::to_string(row));
    return static_cast<size_t>(row);
}

TGridRow& TSizeTable::Row(int row)
{
    return rows[RowIndex(row)];
}

const std::string& TSizeTable::Cell(int column, int row) const
{
    return rows[RowIndex(row)].at(static_cast<size_t>(column));
}

void TSizeTable::SetCell(int column, int row, const std::string& text)
{
    Row(row).at(static_cast<size_t>(column)) = text;
}

void TSizeTable::SetTitles()
{
    for (int c = 0; c < kSizeColumnCount; ++c)
        rows[0][static_cast<size_t>(c)] = kSizeColumns[static_cast<size_t>(c)].title;
}

int TSizeTable::AppendRow(const TGridRow& texts)
{
    rows.back() = texts;
    rows.emplace_back();
    return RowCount() - 2;
}

void TSizeTable::CutBack()
{
    rows.resize(2);
    rows[1] = TGridRow();
}

void TSizeTable::MarkEdited(int row)
{
    TGridRow& cells = Row(row);
    if (cells[ColNewSize] != kChangedMark) {
        cells[ColPrevSize] = cells[ColNewSize];
        cells[ColNewSize] = kChangedMark;
    }
}

}  // namespace pk
