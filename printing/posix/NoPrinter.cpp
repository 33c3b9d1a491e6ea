#include "platform/Exceptions.h"
#include "printing/PrinterDevice.h"

namespace pk {

namespace {

// The workbench flavour has no printers: every use of the printer meets a machine without a
// default printer, as a Windows machine without one would.
class NoPrinter final : public PrinterDevice {
public:
    int DeviceCaps(DeviceCap) override { Fail(); }
    DevicePoint PhysicalPageSize() override { Fail(); }
    DevicePoint PrintingOffset() override { Fail(); }
    bool SetViewportOrigin(DevicePoint) override { Fail(); }
    bool GetWindowOrigin(DevicePoint&) override { Fail(); }
    bool SetWindowOrigin(DevicePoint) override { Fail(); }
    void TextRect(const DeviceRect&, int, int, const std::string&) override { Fail(); }
    void TextAt(int, int, const std::string&) override { Fail(); }

protected:
    void StartDocument() override { Fail(); }
    void StartNextPage() override { Fail(); }
    void EndDocument() override { Fail(); }
    void AbortDocument() noexcept override {}
    void SelectFont(const PrinterFont&) override { Fail(); }

private:
    [[noreturn]] static void Fail() { throw EPrinter(kNoDefaultPrinter); }
};

}  // namespace

PrinterDevice& DefaultPrinter()
{
    static NoPrinter printer;
    return printer;
}

}  // namespace pk
