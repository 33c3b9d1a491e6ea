#include "printing/PrinterDevice.h"

#include "platform/Replaceable.h"

namespace pk {

TPrinterDevice& SystemPrinter();  // the flavour's own, in posix/ or win32/

namespace {
platform::TReplaceable<TPrinterDevice> printer;
}

TPrinterDevice& Printer()
{
    return printer.Get(SystemPrinter);
}

TPrinterDevice* ReplacePrinter(TPrinterDevice* device)
{
    return printer.Replace(device);
}

void TPrinterDevice::BeginDoc()
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

void TPrinterDevice::NewPage()
{
    StartNextPage();
}

void TPrinterDevice::EndDoc()
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

void TPrinterDevice::AbortDoc() noexcept
{
    printing = false;
    AbortDocument();
}

const TPrinterFont& TPrinterDevice::Font()
{
    if (!font)
        SetFont(DefaultPrinterFont(DeviceCaps(TDeviceCap::LogPixelsY)));
    return *font;
}

void TPrinterDevice::SetFont(const TPrinterFont& newFont)
{
    SelectFont(newFont);
    font = newFont;
}

}  // namespace pk
