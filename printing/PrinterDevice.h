#pragma once
// The process-wide printer object: one document at a time on the system's default printer,
// and the canvas that draws on it. The Win32 flavour drives the printer through GDI; tests
// install a device of their own.
#include <cstdint>
#include <optional>
#include <string>

#include "platform/Exceptions.h"
#include "printing/PrinterFont.h"

namespace pk {

PK_DECLARE_EXCEPTION(EPrinter)

inline constexpr const char* kNoDefaultPrinter = "There is no default printer currently selected";
inline constexpr const char* kPrintingInProgress = "Printing in progress";

enum class TDeviceCap { LogPixelsX, LogPixelsY, HorzRes, VertRes };

struct TDevicePoint {
    int32_t x = 0, y = 0;
    bool operator==(const TDevicePoint&) const = default;
};

struct TDeviceRect {
    int32_t left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const TDeviceRect&) const = default;
};

class TPrinterDevice {
public:
    virtual ~TPrinterDevice() = default;

    // Starts a document and its first page; EPrinter when a document is already in progress.
    void BeginDoc();
    // Ends the current page and starts the next one.
    void NewPage();
    // Ends the last page and the document.
    void EndDoc();
    // Drops the document in progress, so that a failed printout does not block later ones.
    void AbortDoc() noexcept;
    bool Printing() const { return printing; }

    // The canvas font; until another is given, the default font at the device's resolution.
    const TPrinterFont& Font();
    void SetFont(const TPrinterFont& font);

    virtual int DeviceCaps(TDeviceCap cap) = 0;
    // Size of the whole sheet, and the width of the unprintable border at its left and top,
    // in device pixels.
    virtual TDevicePoint PhysicalPageSize() = 0;
    virtual TDevicePoint PrintingOffset() = 0;
    virtual bool SetViewportOrigin(TDevicePoint origin) = 0;
    virtual bool GetWindowOrigin(TDevicePoint& origin) = 0;
    virtual bool SetWindowOrigin(TDevicePoint origin) = 0;
    // Fills the rectangle with the canvas brush and draws the text with its top-left corner at
    // (x, y), cut at the rectangle's edges.
    virtual void TextRect(const TDeviceRect& rect, int x, int y, const std::string& text) = 0;
    // Draws the text with its top-left corner at (x, y), not clipped.
    virtual void TextAt(int x, int y, const std::string& text) = 0;

protected:
    virtual void StartDocument() = 0;  // the document and its first page
    virtual void StartNextPage() = 0;
    virtual void EndDocument() = 0;    // the last page and the document
    virtual void AbortDocument() noexcept = 0;
    virtual void SelectFont(const TPrinterFont& font) = 0;

private:
    bool printing = false;
    std::optional<TPrinterFont> font;
};

// The printer in use: the flavour's own, on the default printer, unless one was installed.
TPrinterDevice& Printer();
// Installs a printer (nullptr restores the flavour's own) and returns the one it replaces.
TPrinterDevice* ReplacePrinter(TPrinterDevice* device);

}  // namespace pk
