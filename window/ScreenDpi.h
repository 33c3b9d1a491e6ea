#pragma once
// The screen resolution a window is shown at (Win32). Newer systems tell it per monitor;
// older ones have one resolution for the whole screen.
#include <windows.h>

namespace pk {

// The window's resolution; without a window, the system's.
int DpiOf(HWND window);
// The outer rectangle for a client rectangle, with the frame drawn at that resolution.
void AdjustWindowRectForDpi(RECT& rect, DWORD style, int dpi);

}  // namespace pk
