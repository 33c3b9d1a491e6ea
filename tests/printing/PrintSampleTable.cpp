// Prints a sample table on the system's default printer, as the size table's Print button
// does, then writes what the printer reported as "name=value" lines for the check that reads
// the printout back.
#include <cstdio>

#include "platform/Exceptions.h"
#include "platform/UserInterface.h"
#include "printing/XPrinter.h"
#include "tests/printing/TestSources.h"

namespace {

using namespace pk::platform;

// The system's own sink, counting how often the spooler lets pending messages through.
class CountingMessagePump : public UserInterface {
public:
    CountingMessagePump() : system(UI()) { SetUserInterface(this); }
    ~CountingMessagePump() override { SetUserInterface(nullptr); }

    BoxResult ShowMessageBox(const MessageBoxSpec& box) override { return system.ShowMessageBox(box); }
    bool ChooseFile(const FileDialogSpec& dialog, std::string& chosen) override
    {
        return system.ChooseFile(dialog, chosen);
    }
    Cursor GetCursor() override { return system.GetCursor(); }
    void SetCursor(Cursor shape) override { system.SetCursor(shape); }
    void ProcessMessages() override
    {
        ++calls;
        system.ProcessMessages();
    }

    int calls = 0;

private:
    UserInterface& system;
};

}  // namespace

int main()
{
    pk::testing::TestGrid grid({120, 60, 200}, 100);
    grid.font.face = "Tahoma";
    CountingMessagePump pump;
    pk::TXPrinter xprinter;
    try {
        xprinter.Print(&grid, false);
    } catch (const pk::Exception& e) {
        std::printf("error=%s\n", e.what());
        return 1;
    }
    pk::PrinterDevice& printer = xprinter.PrinterCanvas();
    std::printf("logpixelsx=%d\nlogpixelsy=%d\nvertres=%d\n", printer.DeviceCaps(pk::DeviceCap::LogPixelsX),
                printer.DeviceCaps(pk::DeviceCap::LogPixelsY), printer.DeviceCaps(pk::DeviceCap::VertRes));
    std::printf("physwidth=%d\nphysheight=%d\noffsetx=%d\noffsety=%d\n", xprinter.PhysPageWidth(),
                xprinter.PhysPageHeight(), xprinter.PrintOffsetX(), xprinter.PrintOffsetY());
    std::printf("fontheight=%d\nscreenppi=%d\nrows=%d\n", printer.Font().height, grid.font.screenPixelsPerInch,
                grid.RowCount());
    std::printf("widths=%d,%d,%d\nmargins=%d,%d\n", grid.widths[0], grid.widths[1], grid.widths[2],
                xprinter.LeftMargin(), xprinter.TopMargin());
    std::printf("messagepumps=%d\n", pump.calls);
    return 0;
}
