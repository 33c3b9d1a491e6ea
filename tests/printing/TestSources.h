#pragma once
// Grids and line lists to print in tests.
#include <functional>
#include <string>
#include <vector>

#include "printing/PrintSource.h"

namespace pk::testing {

// A grid whose cells read "c<column>r<row>", with an 11-pixel font on a 96 ppi screen.
class TTestGrid : public TPrintableGrid {
public:
    TTestGrid(std::vector<int> columnWidths, int rows) : widths(std::move(columnWidths)), rows(rows)
    {
        font.face = "Arial";
        font.height = -11;
        font.screenPixelsPerInch = 96;
    }

    int ColumnCount() const override { return static_cast<int>(widths.size()); }
    int RowCount() const override { return rows; }
    int ColumnWidth(int column) const override { return widths.at(column); }
    std::string Cell(int column, int row) const override
    {
        if (onCell)
            onCell(column, row);
        std::string text = "c";  // built by appending: GCC 12 warns wrongly about "c" + string
        text += std::to_string(column);
        text += 'r';
        text += std::to_string(row);
        return text;
    }
    TGridFont Font() const override { return font; }
    bool AllowsRangeSelection() const override { return rangeSelection; }
    TGridSelection Selection() const override { return selection; }

    std::vector<int> widths;
    int rows;
    TGridFont font;
    bool rangeSelection = false;
    TGridSelection selection;
    std::function<void(int, int)> onCell;
};

class TTestLines : public TPrintableLines {
public:
    explicit TTestLines(std::vector<std::string> lines) : lines(std::move(lines)) {}
    std::vector<std::string> Lines() const override { return lines; }
    std::vector<std::string> lines;
};

}  // namespace pk::testing
