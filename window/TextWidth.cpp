#include "window/TextWidth.h"

namespace pk {

int TextWidth(HWND control, HFONT font, const std::string& text)
{
    HDC dc = GetDC(control);
    HGDIOBJ previous = SelectObject(dc, font);
    SIZE extent = {};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    SelectObject(dc, previous);
    ReleaseDC(control, dc);
    return extent.cx;
}

}  // namespace pk
