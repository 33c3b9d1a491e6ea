#include "printing/XPrinter.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "platform/Exceptions.h"

namespace pk {

namespace {

constexpr const char* kPrintNotSupported = "Print does only support TString, TMemo and TStringGrid";
constexpr double kMmPerInch = 25.4;
constexpr double kGapInches = 0.1968503937007874;  // the 5 mm after each column

// Nearest whole number, halves to the even neighbour.
double RoundHalfEven(double value)
{
    double floor = std::floor(value);
    double fraction = value - floor;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(floor, 2.0) != 0.0))
        floor += 1.0;
    return floor;
}

// A device coordinate; far-off values stick to the edge of the coordinate range.
int32_t ToDevice(double value)
{
    if (std::isnan(value))
        return 0;
    return static_cast<int32_t>(std::clamp<double>(value, std::numeric_limits<int32_t>::min(),
                                                   std::numeric_limits<int32_t>::max()));
}

// One document on the printer; dropped when a failure leaves before End.
class TDocumentScope {
public:
    explicit TDocumentScope(TPrinterDevice& device) : printer(device) { printer.BeginDoc(); }
    ~TDocumentScope()
    {
        if (!ended)
            printer.AbortDoc();
    }
    TDocumentScope(const TDocumentScope&) = delete;
    TDocumentScope& operator=(const TDocumentScope&) = delete;

    void End()
    {
        ended = true;
        printer.EndDoc();
    }

private:
    TPrinterDevice& printer;
    bool ended = false;
};

// A font height shrunk with the columns; never 0, which would ask for the default size.
int ScaledFontHeight(int height, double factor)
{
    double scaled = std::max(1.0, std::round(std::fabs(height) * factor));
    return ToDevice(height < 0 ? -scaled : scaled);
}

}  // namespace

TXPrinter::TXPrinter()
{
    SetLeftMargin(20);
    SetTopMargin(20);
}

void TXPrinter::Print(const TPrintSource* source, bool WholeGrid)
{
    if (auto grid = dynamic_cast<const TPrintableGrid*>(source))
        PrintGrid(*grid, WholeGrid);
    else if (auto lines = dynamic_cast<const TPrintableLines*>(source))
        PrintLines(*lines);
    else
        throw ETypeNotSupported(kPrintNotSupported);
}

TXPrinter::TGridRange TXPrinter::ChooseCells(const TPrintableGrid& grid, bool WholeGrid)
{
    TGridRange whole{0, grid.ColumnCount() - 1, 0, grid.RowCount() - 1};
    TGridSelection selection = grid.Selection();
    bool severalCells = selection.top != selection.bottom || selection.left != selection.right;
    if (WholeGrid || !grid.AllowsRangeSelection() || !severalCells)
        return whole;
    // Kept inside the grid, whatever the selection claims.
    return {std::max(selection.left, 0), std::min(selection.right, whole.lastColumn),
            std::max(selection.top, 0), std::min(selection.bottom, whole.lastRow)};
}

void TXPrinter::PrintGrid(const TPrintableGrid& grid, bool WholeGrid)
{
    TGridRange cells = ChooseCells(grid, WholeGrid);
    TPrinterDevice& printer = Printer();
    TDocumentScope document(printer);
    ApplyMargins();
    const int printerPpi = printer.DeviceCaps(TDeviceCap::LogPixelsY);
    TPrinterFont font = TakeOverFont(grid.Font(), printerPpi);
    std::vector<TColumnEdges> columns = ColumnsOnPaper(grid, cells, printerPpi);
    // Columns wider than the paper shrink, with their gaps and the font, by one factor, so
    // that the last one ends at the printable area's right edge instead of being cut off.
    const double printable = WidthRightOfMargin();
    if (!columns.empty() && columns.back().right > printable && printable > 0) {
        double factor = printable / columns.back().right;
        for (TColumnEdges& edges : columns)
            edges = {RoundHalfEven(edges.left * factor), RoundHalfEven(edges.right * factor)};
        font.height = ScaledFontHeight(font.height, factor);
    }
    printer.SetFont(font);

    int lineCounter = 0;
    for (int row = cells.firstRow; row <= cells.lastRow; ++row) {
        int64_t lineHeight = LineHeight();
        BreakPageIfFull(lineCounter, lineHeight);
        int32_t top = ToDevice(double(lineCounter) * lineHeight);
        int32_t bottom = ToDevice(double(lineCounter + 1) * lineHeight);
        for (int column = cells.firstColumn; column <= cells.lastColumn; ++column) {
            const TColumnEdges& edges = columns[static_cast<size_t>(column - cells.firstColumn)];
            TDeviceRect rect{ToDevice(edges.left), top, ToDevice(edges.right), bottom};
            printer.TextRect(rect, rect.left, rect.top, grid.Cell(column, row));
        }
        ++lineCounter;
    }
    document.End();
}

std::vector<TXPrinter::TColumnEdges> TXPrinter::ColumnsOnPaper(const TPrintableGrid& grid, const TGridRange& cells,
                                                              int printerPpi)
{
    // Columns keep their width on paper; widths and the gap both use the vertical resolutions.
    const double gap = printerPpi * kGapInches;
    const int screenPpi = grid.Font().screenPixelsPerInch;
    std::vector<TColumnEdges> columns;
    double x = 0;
    for (int column = cells.firstColumn; column <= cells.lastColumn; ++column) {
        double widthInches = double(grid.ColumnWidth(column)) / screenPpi;
        double slot = printerPpi * (widthInches + kGapInches);
        columns.push_back({RoundHalfEven(x), RoundHalfEven(x + slot - gap)});
        x = RoundHalfEven(x + slot);
    }
    return columns;
}

double TXPrinter::WidthRightOfMargin() const
{
    // Drawing coordinates start at the left margin, device ones at the unprintable border.
    return Printer().DeviceCaps(TDeviceCap::HorzRes) - RoundHalfEven(PixelsPerMmX() * leftMargin - PrintOffsetX());
}

void TXPrinter::PrintLines(const TPrintableLines& source)
{
    std::vector<std::string> lines = source.Lines();
    // No lines, no document: an empty one would still cost a blank sheet on many printers.
    if (lines.empty())
        return;
    TPrinterDevice& printer = Printer();
    TDocumentScope document(printer);
    ApplyMargins();
    int lineCounter = 0;
    for (const std::string& line : lines) {
        int64_t lineHeight = LineHeight();
        BreakPageIfFull(lineCounter, lineHeight);
        printer.TextAt(0, ToDevice(double(lineCounter) * lineHeight), line);
        ++lineCounter;
    }
    document.End();
}

int64_t TXPrinter::LineHeight() const
{
    return std::llabs(int64_t{Printer().Font().height}) + 4;
}

void TXPrinter::BreakPageIfFull(int& lineCounter, int64_t lineHeight)
{
    TPrinterDevice& printer = Printer();
    double usable = std::fabs(printer.DeviceCaps(TDeviceCap::VertRes) - PixelsPerMmY() * topMargin);
    // A line taller than the page stays on the page it begins: the next one would not hold
    // it either, and a blank sheet would come out first.
    if (lineCounter > 0 && double(lineCounter + 1) * double(lineHeight) > usable) {
        lineCounter = 0;
        printer.NewPage();
        ApplyMargins();
    }
}

void TXPrinter::ApplyMargins()
{
    SetLeftMargin(leftMargin);
    SetTopMargin(topMargin);
}

void TXPrinter::SetLeftMargin(uint16_t value)
{
    ApplyMargin(TAxis::Horizontal, value);
}

void TXPrinter::SetTopMargin(uint16_t value)
{
    ApplyMargin(TAxis::Vertical, value);
}

void TXPrinter::ApplyMargin(TAxis axis, uint16_t value)
{
    const bool horizontal = axis == TAxis::Horizontal;
    marginApplied = false;
    TPrinterDevice& printer = Printer();
    if (!printer.Printing()) {
        marginApplied = true;
    } else {
        printer.SetViewportOrigin({0, 0});
        const double offset = horizontal ? PrintOffsetX() : PrintOffsetY();
        const double perMm = horizontal ? PixelsPerMmX() : PixelsPerMmY();
        // Never inside the unprintable border, apart from the rounding to whole millimetres.
        double margin = value;
        if (margin < offset / perMm)
            margin = RoundHalfEven(offset / perMm);
        const int pageMm = horizontal ? PageWidthMm() : PageHeightMm();
        TDevicePoint origin;
        if (margin > pageMm || margin > std::numeric_limits<uint16_t>::max() || !GetDrawingOrigin(origin))
            return;
        // The device's coordinates start at the unprintable border, drawing ones at the margin.
        (horizontal ? origin.x : origin.y) = -ToDevice(RoundHalfEven(perMm * margin - offset));
        marginApplied = printer.SetWindowOrigin(origin);
        value = static_cast<uint16_t>(margin);
    }
    if (marginApplied)
        (horizontal ? leftMargin : topMargin) = value;
}

int TXPrinter::PhysPageWidth() const
{
    return Printer().PhysicalPageSize().x;
}

int TXPrinter::PhysPageHeight() const
{
    return Printer().PhysicalPageSize().y;
}

int TXPrinter::PrintOffsetX() const
{
    return Printer().PrintingOffset().x;
}

int TXPrinter::PrintOffsetY() const
{
    return Printer().PrintingOffset().y;
}

bool TXPrinter::GetDrawingOrigin(TDevicePoint& point) const
{
    return Printer().GetWindowOrigin(point);
}

double TXPrinter::PixelsPerMmX() const
{
    return Printer().DeviceCaps(TDeviceCap::LogPixelsX) / kMmPerInch;
}

double TXPrinter::PixelsPerMmY() const
{
    return Printer().DeviceCaps(TDeviceCap::LogPixelsY) / kMmPerInch;
}

int TXPrinter::PageWidthMm() const
{
    return ToDevice(RoundHalfEven(PhysPageWidth() / PixelsPerMmX()));
}

int TXPrinter::PageHeightMm() const
{
    return ToDevice(RoundHalfEven(PhysPageHeight() / PixelsPerMmY()));
}

}  // namespace pk
