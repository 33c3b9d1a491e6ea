#include "printing/PrinterDevice.h"

namespace pk {

namespace {

// The workbench flavour has no printers: every use of the printer meets a machine without a
// default printer, as a Windows machine without one would.
class TNoPrinter final : public TPrinterDevice {
public:
    int DeviceCaps(TDeviceCap) override { Fail(); }
    TDevicePoint PhysicalPageSize() override { Fail(); }
    TDevicePoint PrintingOffset() override { Fail(); }
    bool SetViewportOrigin(TDevicePoint) override { Fail(); }
    bool GetWindowOrigin(TDevicePoint&) override { Fail(); }
    bool SetWindowOrigin(TDevicePoint) override { Fail(); }
    void TextRect(const TDeviceRect&, int, int, const std::string&) override { Fail(); }
    void TextAt(int, int, const std::string&) override { Fail(); }

protected:
    void StartDocument() override { Fail(); }
    void StartNextPage() override { Fail(); }
    void EndDocument() override { Fail(); }
    void AbortDocument() noexcept override {}
    void SelectFont(const TPrinterFont&) override { Fail(); }

private:
    [[noreturn]] static void Fail() { throw EPrinter(kNoDefaultPrinter); }
};

}  // namespace

TPrinterDevice& SystemPrinter()
{
    static TNoPrinter printer;
    return printer;
}

}  // namespace pk
