#include "window/SizeTable.h"

#include <stdexcept>

namespace pk {

TSizeTable::TSizeTable() : rows(2) {}

size_t TSizeTable::RowIndex(int row) const
{
    if (row < 0 || row >= RowCount())
        throw std::out_of_range("size table row " + std::to_string(row));
    return static_cast<size_t>(row);
}

TGridRowTexts& TSizeTable::Row(int row)
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
    rows[0] = GridTitleRow();
}

int TSizeTable::AppendRow(const TGridRowTexts& texts)
{
    rows.back() = texts;
    rows.emplace_back();
    return RowCount() - 2;
}

void TSizeTable::CutBack()
{
    rows.resize(2);
    rows[1] = TGridRowTexts();
}

void TSizeTable::MarkEdited(int row)
{
    TGridRowTexts& cells = Row(row);
    if (cells[ColNewSize] != kChangedMark) {
        cells[ColPrevSize] = cells[ColNewSize];
        cells[ColNewSize] = kChangedMark;
    }
}

}  // namespace pk
