#pragma once
// Prints a grid of text cells, or a list of text lines, as plain text on the process-wide
// printer: no lines, frames, headers or page numbers.
#include <cstdint>
#include <vector>

#include "printing/PrintSource.h"
#include "printing/PrinterDevice.h"

namespace pk {

PK_DECLARE_EXCEPTION(ETypeNotSupported)

class TXPrinter {
public:
    // Default margins of 20 mm from the paper's left and top edges.
    TXPrinter();

    // A grid goes to PrintGrid, a list of lines to PrintLines; anything else (or nothing)
    // raises ETypeNotSupported before a document is begun.
    void Print(const TPrintSource* source, bool WholeGrid);
    // With WholeGrid false, a grid that allows range selection prints only a selection of
    // more than one cell; otherwise every cell, title row included. Columns that would run
    // past the printable width are scaled down, with their gaps and the font, to fit it.
    void PrintGrid(const TPrintableGrid& grid, bool WholeGrid);
    void PrintLines(const TPrintableLines& lines);

    // Margins in whole millimetres from the paper's physical edges. While a document is in
    // progress they also move the drawing origin; a margin inside the unprintable border is
    // raised to it, one beyond the paper is ignored.
    void SetLeftMargin(uint16_t value);
    void SetTopMargin(uint16_t value);
    // Whether the most recent margin setter took effect.
    bool MarginApplied() const { return marginApplied; }
    uint16_t LeftMargin() const { return leftMargin; }
    uint16_t TopMargin() const { return topMargin; }

    TPrinterDevice& PrinterCanvas() const { return Printer(); }
    int PhysPageWidth() const;
    int PhysPageHeight() const;
    int PrintOffsetX() const;
    int PrintOffsetY() const;
    bool GetDrawingOrigin(TDevicePoint& point) const;
    double PixelsPerMmX() const;
    double PixelsPerMmY() const;
    int PageWidthMm() const;
    int PageHeightMm() const;

private:
    enum class TAxis { Horizontal, Vertical };
    struct TGridRange {
        int firstColumn, lastColumn, firstRow, lastRow;
    };
    // A cell's left and right edge in drawing coordinates.
    struct TColumnEdges {
        double left, right;
    };

    void ApplyMargin(TAxis axis, uint16_t value);
    void ApplyMargins();
    // Begins a new page when line number lineCounter (from 0) would not fit on this one.
    void BreakPageIfFull(int& lineCounter, int64_t lineHeight);
    int64_t LineHeight() const;
    static TGridRange ChooseCells(const TPrintableGrid& grid, bool WholeGrid);
    static std::vector<TColumnEdges> ColumnsOnPaper(const TPrintableGrid& grid, const TGridRange& cells, int printerPpi);
    // From the left margin to the right edge of the printable area, in device pixels.
    double WidthRightOfMargin() const;

    bool marginApplied = true;
    uint16_t leftMargin = 20;
    uint16_t topMargin = 20;
};

}  // namespace pk
