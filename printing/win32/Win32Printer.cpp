#include <windows.h>

#include <winspool.h>

#include <cstring>
#include <exception>
#include <string>
#include <utility>

#include "platform/Exceptions.h"
#include "platform/File.h"
#include "platform/UserInterface.h"
#include "printing/PrinterDevice.h"

namespace pk {

namespace {

// A failure of a message handler while the spooler had control; no exception may unwind
// through the spooler's frames, so it waits until the document has been finished.
std::exception_ptr failureWhileSpooling;

BOOL CALLBACK HandleMessagesWhileSpooling(HDC, int)
{
    try {
        platform::UI().ProcessMessages();
    } catch (...) {
        if (!failureWhileSpooling)
            failureWhileSpooling = std::current_exception();
    }
    return TRUE;  // nothing in the program aborts a printout
}

[[noreturn]] void RaiseLastError()
{
    throw EPrinter(platform::OsErrorText(GetLastError()));
}

std::string DefaultPrinterName()
{
    DWORD size = 0;
    GetDefaultPrinterA(nullptr, &size);
    std::string name(size, '\0');
    if (size == 0 || !GetDefaultPrinterA(name.data(), &size))
        throw EPrinter(kNoDefaultPrinter);
    name.resize(std::strlen(name.c_str()));
    return name;
}

// The system's default printer through GDI. The device context is opened on first use and
// kept for later printouts, with its font, white brush and origins.
class TWin32Printer final : public TPrinterDevice {
public:
    ~TWin32Printer() override
    {
        if (dc)
            DeleteDC(dc);
        if (font)
            DeleteObject(font);
    }

    int DeviceCaps(TDeviceCap cap) override
    {
        switch (cap) {
        case TDeviceCap::LogPixelsX: return GetDeviceCaps(Handle(), LOGPIXELSX);
        case TDeviceCap::LogPixelsY: return GetDeviceCaps(Handle(), LOGPIXELSY);
        case TDeviceCap::HorzRes: return GetDeviceCaps(Handle(), HORZRES);
        case TDeviceCap::VertRes: return GetDeviceCaps(Handle(), VERTRES);
        }
        return 0;
    }

    // Drivers that do not answer the escapes still report the same sizes as device caps.
    TDevicePoint PhysicalPageSize() override { return Query(GETPHYSPAGESIZE, PHYSICALWIDTH, PHYSICALHEIGHT); }
    TDevicePoint PrintingOffset() override { return Query(GETPRINTINGOFFSET, PHYSICALOFFSETX, PHYSICALOFFSETY); }

    bool SetViewportOrigin(TDevicePoint origin) override
    {
        return SetViewportOrgEx(Handle(), origin.x, origin.y, nullptr);
    }

    bool GetWindowOrigin(TDevicePoint& origin) override
    {
        POINT point;
        if (!GetWindowOrgEx(Handle(), &point))
            return false;
        origin = {point.x, point.y};
        return true;
    }

    bool SetWindowOrigin(TDevicePoint origin) override
    {
        return SetWindowOrgEx(Handle(), origin.x, origin.y, nullptr);
    }

    void TextRect(const TDeviceRect& rect, int x, int y, const std::string& text) override
    {
        RECT area{rect.left, rect.top, rect.right, rect.bottom};
        Draw(x, y, ETO_CLIPPED | ETO_OPAQUE, &area, text);
    }

    void TextAt(int x, int y, const std::string& text) override { Draw(x, y, 0, nullptr, text); }

protected:
    void StartDocument() override
    {
        HDC handle = Handle();
        SetAbortProc(handle, HandleMessagesWhileSpooling);
        DOCINFOA info{};
        info.cbSize = sizeof info;
        info.lpszDocName = "";
        if (StartDocA(handle, &info) <= 0)
            RaiseLastError();
        if (StartPage(handle) <= 0) {
            DWORD code = GetLastError();
            ::AbortDoc(handle);
            throw EPrinter(platform::OsErrorText(code));
        }
    }

    void StartNextPage() override
    {
        if (EndPage(dc) <= 0 || StartPage(dc) <= 0)
            RaiseLastError();
    }

    void EndDocument() override
    {
        bool finished = EndPage(dc) > 0;
        finished = ::EndDoc(dc) > 0 && finished;
        std::exception_ptr failure = std::exchange(failureWhileSpooling, nullptr);
        if (!finished)
            RaiseLastError();
        if (failure)
            std::rethrow_exception(failure);
    }

    void AbortDocument() noexcept override
    {
        failureWhileSpooling = nullptr;  // the failure that aborts the document is the one to report
        if (dc)
            ::AbortDoc(dc);
    }

    void SelectFont(const TPrinterFont& wanted) override
    {
        HFONT created = CreateFontA(wanted.height, 0, 0, 0, wanted.bold ? FW_BOLD : FW_NORMAL, wanted.italic,
                                    wanted.underline, wanted.strikeOut, wanted.charSet, OUT_DEFAULT_PRECIS,
                                    CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, wanted.pitch,
                                    wanted.face.c_str());
        if (!created)
            RaiseLastError();
        SelectObject(Handle(), created);
        SetTextColor(dc, wanted.color);
        if (font)
            DeleteObject(font);
        font = created;
    }

private:
    HDC Handle()
    {
        if (!dc) {
            std::string name = DefaultPrinterName();
            dc = CreateDCA("WINSPOOL", name.c_str(), nullptr, nullptr);
            if (!dc)
                RaiseLastError();
            // The canvas brush: solid white, also behind the text.
            SelectObject(dc, GetStockObject(WHITE_BRUSH));
            SetBkColor(dc, RGB(255, 255, 255));
            SetBkMode(dc, OPAQUE);
        }
        return dc;
    }

    TDevicePoint Query(int escape, int widthCap, int heightCap)
    {
        POINT point{};
        if (Escape(Handle(), escape, 0, nullptr, &point) > 0)
            return {point.x, point.y};
        return {GetDeviceCaps(dc, widthCap), GetDeviceCaps(dc, heightCap)};
    }

    void Draw(int x, int y, UINT options, const RECT* area, const std::string& text)
    {
        Font();  // a canvas that was never given a font draws in the default one
        ExtTextOutA(dc, x, y, options, area, text.data(), static_cast<UINT>(text.size()), nullptr);
    }

    HDC dc = nullptr;
    HFONT font = nullptr;
};

}  // namespace

TPrinterDevice& SystemPrinter()
{
    static TWin32Printer printer;
    return printer;
}

}  // namespace pk
