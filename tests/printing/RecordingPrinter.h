#pragma once
// A printer for tests: reports the device values it is given, keeps its origins and font like
// a device context, and records every document call and every text drawn. Installed for its
// lifetime.
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/Replaceable.h"
#include "printing/PrinterDevice.h"

namespace pk {

inline void PrintTo(const TDeviceRect& r, std::ostream* os)
{
    *os << "{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "}";
}

inline void PrintTo(const TDevicePoint& p, std::ostream* os)
{
    *os << "(" << p.x << ", " << p.y << ")";
}

}  // namespace pk

namespace pk::testing {

class TRecordingPrinter : public TPrinterDevice {
public:

    int DeviceCaps(TDeviceCap cap) override;
    TDevicePoint PhysicalPageSize() override { return physicalPageSize; }
    TDevicePoint PrintingOffset() override { return printingOffset; }
    bool SetViewportOrigin(TDevicePoint origin) override;
    bool GetWindowOrigin(TDevicePoint& origin) override;
    bool SetWindowOrigin(TDevicePoint origin) override;
    void TextRect(const TDeviceRect& rect, int x, int y, const std::string& text) override;
    void TextAt(int x, int y, const std::string& text) override;

    // A 600 dpi A4 sheet without an unprintable border.
    int logPixelsX = 600, logPixelsY = 600, horzRes = 4961, vertRes = 7016;
    TDevicePoint physicalPageSize{4961, 7016};
    TDevicePoint printingOffset{0, 0};
    bool getWindowOriginWorks = true, setWindowOriginWorks = true;

    // Device context state; a new page resets the origins, as some drivers do.
    TDevicePoint viewportOrigin, windowOrigin;

    struct Text {
        int page;
        bool clipped;          // drawn in a rectangle
        TDeviceRect rect;
        int x, y;
        std::string text;
        TDevicePoint windowOrigin;
        TPrinterFont font;
    };
    std::vector<Text> texts;
    // "StartDoc", "StartPage", "EndPage", "EndDoc", "AbortDoc" in order.
    std::vector<std::string> documentCalls;
    std::vector<TPrinterFont> fontsSelected;
    int page = 0;
    std::function<void()> onEndPage;  // runs where the spooler would take a page

    std::vector<std::string> TextsOfPage(int pageNumber) const;

protected:
    void StartDocument() override;
    void StartNextPage() override;
    void EndDocument() override;
    void AbortDocument() noexcept override;
    void SelectFont(const TPrinterFont& font) override;

private:
    void StartNewPage();
    void EndCurrentPage();
    void Record(bool clipped, const TDeviceRect& rect, int x, int y, const std::string& text);

    platform::TInstalled<TPrinterDevice> installed{ReplacePrinter, *this};
};

}  // namespace pk::testing
