#include "tests/printing/RecordingPrinter.h"

namespace pk::testing {

int TRecordingPrinter::DeviceCaps(TDeviceCap cap)
{
    switch (cap) {
    case TDeviceCap::LogPixelsX: return logPixelsX;
    case TDeviceCap::LogPixelsY: return logPixelsY;
    case TDeviceCap::HorzRes: return horzRes;
    case TDeviceCap::VertRes: return vertRes;
    }
    return 0;
}

bool TRecordingPrinter::SetViewportOrigin(TDevicePoint origin)
{
    viewportOrigin = origin;
    return true;
}

bool TRecordingPrinter::GetWindowOrigin(TDevicePoint& origin)
{
    if (getWindowOriginWorks)
        origin = windowOrigin;
    return getWindowOriginWorks;
}

bool TRecordingPrinter::SetWindowOrigin(TDevicePoint origin)
{
    if (setWindowOriginWorks)
        windowOrigin = origin;
    return setWindowOriginWorks;
}

void TRecordingPrinter::TextRect(const TDeviceRect& rect, int x, int y, const std::string& text)
{
    Record(true, rect, x, y, text);
}

void TRecordingPrinter::TextAt(int x, int y, const std::string& text)
{
    Record(false, {}, x, y, text);
}

void TRecordingPrinter::Record(bool clipped, const TDeviceRect& rect, int x, int y, const std::string& text)
{
    texts.push_back({page, clipped, rect, x, y, text, windowOrigin, Font()});
}

std::vector<std::string> TRecordingPrinter::TextsOfPage(int pageNumber) const
{
    std::vector<std::string> result;
    for (const Text& t : texts)
        if (t.page == pageNumber)
            result.push_back(t.text);
    return result;
}

void TRecordingPrinter::StartDocument()
{
    documentCalls.push_back("StartDoc");
    page = 0;
    StartNewPage();
}

void TRecordingPrinter::StartNextPage()
{
    EndCurrentPage();
    StartNewPage();
}

void TRecordingPrinter::EndDocument()
{
    EndCurrentPage();
    documentCalls.push_back("EndDoc");
}

void TRecordingPrinter::AbortDocument() noexcept
{
    documentCalls.push_back("AbortDoc");
}

void TRecordingPrinter::SelectFont(const TPrinterFont& font)
{
    fontsSelected.push_back(font);
}

void TRecordingPrinter::StartNewPage()
{
    documentCalls.push_back("StartPage");
    ++page;
    viewportOrigin = windowOrigin = {0, 0};
}

void TRecordingPrinter::EndCurrentPage()
{
    documentCalls.push_back("EndPage");
    if (onEndPage)
        onEndPage();
}

}  // namespace pk::testing
