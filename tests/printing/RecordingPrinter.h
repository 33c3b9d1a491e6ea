#pragma once
// A printer for tests: reports the device values it is given, keeps its origins and font like
// a device context, and records every document call and every text drawn. Installed for its
// lifetime.
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "printing/PrinterDevice.h"

namespace pk {

inline void PrintTo(const DeviceRect& r, std::ostream* os)
{
    *os << "{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "}";
}

inline void PrintTo(const DevicePoint& p, std::ostream* os)
{
    *os << "(" << p.x << ", " << p.y << ")";
}

}  // namespace pk

namespace pk::testing {

class RecordingPrinter : public PrinterDevice {
public:
    RecordingPrinter();
    ~RecordingPrinter() override;

    int DeviceCaps(DeviceCap cap) override;
    DevicePoint PhysicalPageSize() override { return physicalPageSize; }
    DevicePoint PrintingOffset() override { return printingOffset; }
    bool SetViewportOrigin(DevicePoint origin) override;
    bool GetWindowOrigin(DevicePoint& origin) override;
    bool SetWindowOrigin(DevicePoint origin) override;
    void TextRect(const DeviceRect& rect, int x, int y, const std::string& text) override;
    void TextAt(int x, int y, const std::string& text) override;

    // A 600 dpi A4 sheet without an unprintable border.
    int logPixelsX = 600, logPixelsY = 600, horzRes = 4961, vertRes = 7016;
    DevicePoint physicalPageSize{4961, 7016};
    DevicePoint printingOffset{0, 0};
    bool getWindowOriginWorks = true, setWindowOriginWorks = true;

    // Device context state; a new page resets the origins, as some drivers do.
    DevicePoint viewportOrigin, windowOrigin;

    struct Text {
        int page;
        bool clipped;          // drawn in a rectangle
        DeviceRect rect;
        int x, y;
        std::string text;
        DevicePoint windowOrigin;
        PrinterFont font;
    };
    std::vector<Text> texts;
    // "StartDoc", "StartPage", "EndPage", "EndDoc", "AbortDoc" in order.
    std::vector<std::string> documentCalls;
    std::vector<PrinterFont> fontsSelected;
    int page = 0;
    std::function<void()> onEndPage;  // runs where the spooler would take a page

    std::vector<std::string> TextsOfPage(int pageNumber) const;

protected:
    void StartDocument() override;
    void StartNextPage() override;
    void EndDocument() override;
    void AbortDocument() noexcept override;
    void SelectFont(const PrinterFont& font) override;

private:
    void StartNewPage();
    void EndCurrentPage();
    void Record(bool clipped, const DeviceRect& rect, int x, int y, const std::string& text);

    PrinterDevice* previous;
};

}  // namespace pk::testing
