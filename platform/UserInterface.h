#pragma once
// The user-interface sink: message boxes, the application-wide cursor, the file-open dialog
// and the handling of pending window messages. The core reaches the user only through it;
// the Win32 flavour shows real modal boxes, tests install a recording sink.
#include <string>

namespace pk::platform {

enum class TBoxIcon { None, Error, Question, Information };
enum class TBoxButtons { OK, OKCancel, YesNo, YesNoCancel };
enum class TBoxResult { OK, Cancel, Yes, No };

struct TMessageBoxSpec {
    std::string text;
    std::string title;
    TBoxIcon icon = TBoxIcon::None;
    TBoxButtons buttons = TBoxButtons::OK;
    bool ownerless = false;  // shown without an owner window
};

struct TFileDialogSpec {
    std::string title;
    std::string filter;            // "description|pattern|description|pattern..."
    std::string initialDirectory;
};

enum class TCursor { Default, HourGlass };

class TUserInterface {
public:
    virtual ~TUserInterface() = default;
    // Shows a modal box and returns the button pressed.
    virtual TBoxResult ShowMessageBox(const TMessageBoxSpec& box) = 0;
    // Lets the user choose a file; false when the dialog was cancelled.
    virtual bool ChooseFile(const TFileDialogSpec& dialog, std::string& chosen) = 0;
    virtual TCursor GetCursor() = 0;
    virtual void SetCursor(TCursor cursor) = 0;
    // Handles the window messages that are pending, then returns.
    virtual void ProcessMessages() = 0;
};

// The answer to a box that nobody is there to answer: OK where that is all there is,
// otherwise No or Cancel, so that nothing changes.
inline TBoxResult AnswerThatChangesNothing(TBoxButtons buttons)
{
    switch (buttons) {
    case TBoxButtons::OK: return TBoxResult::OK;
    case TBoxButtons::YesNo: return TBoxResult::No;
    default: return TBoxResult::Cancel;
    }
}

// The sink in use; the flavour's own unless one was installed.
TUserInterface& UI();
// Installs a sink (nullptr restores the flavour's own) and returns the one it replaces.
TUserInterface* ReplaceUserInterface(TUserInterface* sink);

// Modal error box (title "Error", error icon, one OK button).
void ShowError(const std::string& text);

// Shows the hourglass for its lifetime and restores the cursor it found, on every way out.
class TBusyCursor {
public:
    explicit TBusyCursor(TCursor shape = TCursor::HourGlass) : saved(UI().GetCursor()) { UI().SetCursor(shape); }
    ~TBusyCursor() { UI().SetCursor(saved); }
    TBusyCursor(const TBusyCursor&) = delete;
    TBusyCursor& operator=(const TBusyCursor&) = delete;

private:
    TCursor saved;
};

}  // namespace pk::platform
