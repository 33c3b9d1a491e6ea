#include "window/SizeTable.h"

#include <stdexcept>

namespace pk {

const std::array<SizeColumnSpec, kSizeColumnCount> kSizeColumns = {{
    {kGridTitles[ColSection], 110},
    {kGridTitles[ColPackFiles], 350},
    {kGridTitles[ColPrevSize], 90},
    {kGridTitles[ColNewSize], 90},
    {kGridTitles[ColSizeChanged], 100},
}};

SizeTable::SizeTable() : rows(2) {}

size_t SizeTable::RowIndex(int row) const
{
    if (row < 0 || row >= RowCount())
        throw std::out_of_range("size table row " + std::to_string(row));
    return static_cast<size_t>(row);
}

GridRow& SizeTable::Row(int row)
{
    return rows[RowIndex(row)];
}

const std::string& SizeTable::Cell(int column, int row) const
{
    return rows[RowIndex(row)].at(static_cast<size_t>(column));
}

void SizeTable::SetCell(int column, int row, const std::string& text)
{
    Row(row).at(static_cast<size_t>(column)) = text;
}

void SizeTable::SetTitles()
{
    for (int c = 0; c < kSizeColumnCount; ++c)
        rows[0][static_cast<size_t>(c)] = kSizeColumns[static_cast<size_t>(c)].title;
}

int SizeTable::AppendRow(const GridRow& texts)
{
    rows.back() = texts;
    rows.emplace_back();
    return RowCount() - 2;
}

void SizeTable::CutBack()
{
    rows.resize(2);
    rows[1] = GridRow();
}

void SizeTable::MarkEdited(int row)
{
    GridRow& cells = Row(row);
    if (cells[ColNewSize] != kChangedMark) {
        cells[ColPrevSize] = cells[ColNewSize];
        cells[ColNewSize] = kChangedMark;
    }
}

}  // namespace pk
