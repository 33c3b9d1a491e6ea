#pragma once
// A member function that sees a control's messages before the control does (Win32), from
// Hook until the control is destroyed. It passes on what it does not take with
// DefSubclassProc; an error it raises goes to the application, not through the system's frames.
#include <windows.h>

#include <commctrl.h>

#include "window/Application.h"

namespace pk {

template <class TOwner, LRESULT (TOwner::*Handle)(HWND, UINT, WPARAM, LPARAM)>
class TSubclass {
public:
    static void Hook(HWND control, TOwner* owner)
    {
        SetWindowSubclass(control, Proc, 0, reinterpret_cast<DWORD_PTR>(owner));
    }

private:
    static LRESULT CALLBACK Proc(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                 DWORD_PTR owner)
    {
        if (message == WM_NCDESTROY)
            RemoveWindowSubclass(control, Proc, id);
        return GuardedHandler(
            [&] { return (reinterpret_cast<TOwner*>(owner)->*Handle)(control, message, wParam, lParam); });
    }
};

}  // namespace pk
