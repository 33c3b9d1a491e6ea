#pragma once
// The width of a text in a font, as a control would draw it (Win32).
#include <windows.h>

#include <string>

namespace pk {

int TextWidth(HWND control, HFONT font, const std::string& text);

}  // namespace pk
