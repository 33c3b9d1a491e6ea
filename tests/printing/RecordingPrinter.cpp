#include "tests/printing/RecordingPrinter.h"

namespace pk::testing {

RecordingPrinter::RecordingPrinter() : previous(SetPrinter(this)) {}

RecordingPrinter::~RecordingPrinter()
{
    SetPrinter(previous);
}

int RecordingPrinter::DeviceCaps(DeviceCap cap)
{
    switch (cap) {
    case DeviceCap::LogPixelsX: return logPixelsX;
    case DeviceCap::LogPixelsY: return logPixelsY;
    case DeviceCap::HorzRes: return horzRes;
    case DeviceCap::VertRes: return vertRes;
    }
    return 0;
}

bool RecordingPrinter::SetViewportOrigin(DevicePoint origin)
{
    viewportOrigin = origin;
    return true;
}

bool RecordingPrinter::GetWindowOrigin(DevicePoint& origin)
{
    if (getWindowOriginWorks)
        origin = windowOrigin;
    return getWindowOriginWorks;
}

bool RecordingPrinter::SetWindowOrigin(DevicePoint origin)
{
    if (setWindowOriginWorks)
        windowOrigin = origin;
    return setWindowOriginWorks;
}

void RecordingPrinter::TextRect(const DeviceRect& rect, int x, int y, const std::string& text)
{
    Record(true, rect, x, y, text);
}

void RecordingPrinter::TextAt(int x, int y, const std::string& text)
{
    Record(false, {}, x, y, text);
}

void RecordingPrinter::Record(bool clipped, const DeviceRect& rect, int x, int y, const std::string& text)
{
    texts.push_back({page, clipped, rect, x, y, text, windowOrigin, Font()});
}

std::vector<std::string> RecordingPrinter::TextsOfPage(int pageNumber) const
{
    std::vector<std::string> result;
    for (const Text& t : texts)
        if (t.page == pageNumber)
            result.push_back(t.text);
    return result;
}

void RecordingPrinter::StartDocument()
{
    documentCalls.push_back("StartDoc");
    page = 0;
    StartNewPage();
}

void RecordingPrinter::StartNextPage()
{
    EndCurrentPage();
    StartNewPage();
}

void RecordingPrinter::EndDocument()
{
    EndCurrentPage();
    documentCalls.push_back("EndDoc");
}

void RecordingPrinter::AbortDocument() noexcept
{
    documentCalls.push_back("AbortDoc");
}

void RecordingPrinter::SelectFont(const PrinterFont& font)
{
    fontsSelected.push_back(font);
}

void RecordingPrinter::StartNewPage()
{
    documentCalls.push_back("StartPage");
    ++page;
    viewportOrigin = windowOrigin = {0, 0};
}

void RecordingPrinter::EndCurrentPage()
{
    documentCalls.push_back("EndPage");
    if (onEndPage)
        onEndPage();
}

}  // namespace pk::testing
