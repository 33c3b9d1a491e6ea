#pragma once
// The user-interface sink: message boxes, the application-wide cursor, the file-open dialog
// and the handling of pending window messages. The core reaches the user only through it;
// the Win32 flavour shows real modal boxes, tests install a recording sink.
#include <string>

namespace pk::platform {

enum class BoxIcon { None, Error, Question, Information };
enum class BoxButtons { OK, OKCancel, YesNo, YesNoCancel };
enum class BoxResult { OK, Cancel, Yes, No };

struct MessageBoxSpec {
    std::string text;
    std::string title;
    BoxIcon icon = BoxIcon::None;
    BoxButtons buttons = BoxButtons::OK;
    bool ownerless = false;  // shown without an owner window
};

struct FileDialogSpec {
    std::string title;
    std::string filter;            // "description|pattern|description|pattern..."
    std::string initialDirectory;
};

enum class Cursor { Default, HourGlass };

class UserInterface {
public:
    virtual ~UserInterface() = default;
    // Shows a modal box and returns the button pressed.
    virtual BoxResult ShowMessageBox(const MessageBoxSpec& box) = 0;
    // Lets the user choose a file; false when the dialog was cancelled.
    virtual bool ChooseFile(const FileDialogSpec& dialog, std::string& chosen) = 0;
    virtual Cursor GetCursor() = 0;
    virtual void SetCursor(Cursor cursor) = 0;
    // Handles the window messages that are pending, then returns.
    virtual void ProcessMessages() = 0;
};

// The answer to a box that nobody is there to answer: OK where that is all there is,
// otherwise No or Cancel, so that nothing changes.
inline BoxResult AnswerThatChangesNothing(BoxButtons buttons)
{
    switch (buttons) {
    case BoxButtons::OK: return BoxResult::OK;
    case BoxButtons::YesNo: return BoxResult::No;
    default: return BoxResult::Cancel;
    }
}

// The sink in use; the flavour's own unless one was installed.
UserInterface& UI();
// Installs a sink (nullptr restores the flavour's own) and returns the one it replaces.
UserInterface* SetUserInterface(UserInterface* sink);

// Modal error box (title "Error", error icon, one OK button).
void ShowError(const std::string& text);

// Shows the hourglass for its lifetime and restores the cursor it found, on every way out.
class BusyCursor {
public:
    explicit BusyCursor(Cursor shape = Cursor::HourGlass) : saved(UI().GetCursor()) { UI().SetCursor(shape); }
    ~BusyCursor() { UI().SetCursor(saved); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

private:
    Cursor saved;
};

}  // namespace pk::platform
