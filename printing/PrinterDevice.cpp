#include "printing/PrinterDevice.h"

#include "platform/Exceptions.h"
#include "platform/Replaceable.h"

namespace pk {

PrinterDevice& DefaultPrinter();  // the flavour's own

namespace {
platform::Replaceable<PrinterDevice> printer;
}

PrinterDevice& Printer()
{
    return printer.Get(DefaultPrinter);
}

PrinterDevice* SetPrinter(PrinterDevice* device)
{
    return printer.Replace(device);
}

void PrinterDevice::BeginDoc()
{
    if (printing)
        throw EPrinter(kPrintingInProgress);
    // Marked first: the spooler may hand pending messages to a second printout meanwhile.
    printing = true;
    try {
        StartDocument();
    } catch (...) {
        printing = false;
        throw;
    }
}

void PrinterDevice::NewPage()
{
    StartNextPage();
}

void PrinterDevice::EndDoc()
{
    // Still in progress while the spooler takes the last page; finished even if it fails.
    try {
        EndDocument();
    } catch (...) {
        printing = false;
        throw;
    }
    printing = false;
}

void PrinterDevice::AbortDoc() noexcept
{
    printing = false;
    AbortDocument();
}

const PrinterFont& PrinterDevice::Font()
{
    if (!font)
        SetFont(DefaultPrinterFont(DeviceCaps(DeviceCap::LogPixelsY)));
    return *font;
}

void PrinterDevice::SetFont(const PrinterFont& newFont)
{
    SelectFont(newFont);
    font = newFont;
}

}  // namespace pk
