#include <windows.h>

#include <commdlg.h>

#include "platform/Process.h"
#include "platform/SystemServices.h"
#include "platform/UserInterface.h"

namespace pk::platform {

namespace {

UINT IconFlag(TBoxIcon icon)
{
    switch (icon) {
    case TBoxIcon::Error: return MB_ICONERROR;
    case TBoxIcon::Question: return MB_ICONQUESTION;
    case TBoxIcon::Information: return MB_ICONINFORMATION;
    default: return 0;
    }
}

UINT ButtonFlag(TBoxButtons buttons)
{
    switch (buttons) {
    case TBoxButtons::OKCancel: return MB_OKCANCEL;
    case TBoxButtons::YesNo: return MB_YESNO;
    case TBoxButtons::YesNoCancel: return MB_YESNOCANCEL;
    default: return MB_OK;
    }
}

// Real modal boxes, the application-wide cursor and the message pump of the Win32 flavour.
class TWin32UserInterface : public TUserInterface {
public:
    TBoxResult ShowMessageBox(const TMessageBoxSpec& box) override
    {
        HWND owner = box.ownerless ? nullptr : GetActiveWindow();
        UINT flags = IconFlag(box.icon) | ButtonFlag(box.buttons) | (owner ? MB_APPLMODAL : MB_TASKMODAL);
        // The box shows the arrow whatever the application cursor is.
        HCURSOR previous = ::SetCursor(LoadCursor(nullptr, IDC_ARROW));
        int answer = MessageBoxA(owner, box.text.c_str(), box.title.c_str(), flags);
        ::SetCursor(previous);
        switch (answer) {
        case IDOK: return TBoxResult::OK;
        case IDYES: return TBoxResult::Yes;
        case IDNO: return TBoxResult::No;
        default: return TBoxResult::Cancel;
        }
    }

    bool ChooseFile(const TFileDialogSpec& dialog, std::string& chosen) override
    {
        std::string filter = dialog.filter;
        for (char& c : filter)
            if (c == '|')
                c = '\0';
        filter.append(2, '\0');
        char file[MAX_PATH] = {};
        OPENFILENAMEA ofn = {};
        ofn.lStructSize = sizeof ofn;
        ofn.hwndOwner = GetActiveWindow();
        ofn.lpstrFilter = filter.c_str();
        ofn.nFilterIndex = 1;
        ofn.lpstrFile = file;
        ofn.nMaxFile = sizeof file;
        ofn.lpstrInitialDir = dialog.initialDirectory.c_str();
        ofn.lpstrTitle = dialog.title.c_str();
        ofn.Flags = OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_EXPLORER;
        // The dialog moves the current folder as the user browses (OFN_NOCHANGEDIR does not
        // stop that for an open dialog); the kit's relative paths must keep their meaning.
        const std::string folder = CurrentDirectory();
        BOOL picked = GetOpenFileNameA(&ofn);
        SetCurrentDirectoryA(folder.c_str());
        if (!picked)
            return false;
        chosen = file;
        return true;
    }

    TCursor GetCursor() override { return cursor; }

    void SetCursor(TCursor shape) override
    {
        cursor = shape;
        ::SetCursor(LoadCursor(nullptr, shape == TCursor::HourGlass ? IDC_WAIT : IDC_ARROW));
    }

    void ProcessMessages() override
    {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                PostQuitMessage(static_cast<int>(msg.wParam));  // leave it for the main loop
                break;
            }
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }

private:
    TCursor cursor = TCursor::Default;
};

}  // namespace

TUserInterface& SystemUserInterface()
{
    static TWin32UserInterface sink;
    return sink;
}

}  // namespace pk::platform
