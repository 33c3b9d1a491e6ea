// Prints a sample table on the system's default printer, as the size table's Print button
// does, then writes what the printer reported as "name=value" lines for the check that reads
// the printout back.
#include <cstdio>

#include "platform/Exceptions.h"
#include "platform/Replaceable.h"
#include "platform/UserInterface.h"
#include "printing/XPrinter.h"
#include "tests/printing/TestSources.h"

namespace {

using namespace pk::platform;

// The system's own sink, counting how often the spooler lets pending messages through.
class TCountingMessagePump : public TUserInterface {
public:
    TCountingMessagePump() : system(UI()) {}

    TBoxResult ShowMessageBox(const TMessageBoxSpec& box) override { return system.ShowMessageBox(box); }
    bool ChooseFile(const TFileDialogSpec& dialog, std::string& chosen) override
    {
        return system.ChooseFile(dialog, chosen);
    }
    TCursor GetCursor() override { return system.GetCursor(); }
    void SetCursor(TCursor shape) override { system.SetCursor(shape); }
    void ProcessMessages() override
    {
        ++calls;
        system.ProcessMessages();
    }

    int calls = 0;

private:
    TUserInterface& system;
    TInstalled<TUserInterface> installed{ReplaceUserInterface, *this};
};

}  // namespace

int main()
{
    pk::testing::TTestGrid grid({120, 60, 200}, 100);
    grid.font.face = "Tahoma";
    TCountingMessagePump pump;
    pk::TXPrinter xprinter;
    try {
        xprinter.Print(&grid, false);
    } catch (const pk::Exception& e) {
        std::printf("error=%s\n", e.what());
        return 1;
    }
    pk::TPrinterDevice& printer = xprinter.PrinterCanvas();
    std::printf("logpixelsx=%d\nlogpixelsy=%d\nvertres=%d\n", printer.DeviceCaps(pk::TDeviceCap::LogPixelsX),
                printer.DeviceCaps(pk::TDeviceCap::LogPixelsY), printer.DeviceCaps(pk::TDeviceCap::VertRes));
    std::printf("physwidth=%d\nphysheight=%d\noffsetx=%d\noffsety=%d\n", xprinter.PhysPageWidth(),
                xprinter.PhysPageHeight(), xprinter.PrintOffsetX(), xprinter.PrintOffsetY());
    std::printf("fontheight=%d\nscreenppi=%d\nrows=%d\n", printer.Font().height, grid.font.screenPixelsPerInch,
                grid.RowCount());
    std::printf("widths=%d,%d,%d\nmargins=%d,%d\n", grid.widths[0], grid.widths[1], grid.widths[2],
                xprinter.LeftMargin(), xprinter.TopMargin());
    std::printf("messagepumps=%d\n", pump.calls);
    return 0;
}
