#pragma once
// The platform's interactive services, each a request record answered by whoever is installed: in tests a
// Script (Script.h), in a future on-screen backend the real dialogs. With nothing installed every request is
// logged (Desktop::logLines) and answered the way a user who closes it would: a message box with its cancel
// button (IDCANCEL, or IDNO for Yes/No, IDOK for OK alone), a file dialog, menu, track or pick with nothing.
// Modal dialogs are a service too: see Dialog.h.
#include "ui/geometry.h"

#include <optional>
#include <string>
#include <vector>

namespace ui {

class Window;
class Dialog;
struct MenuItem;

struct MessageBoxRequest {
    Window* owner = nullptr;
    std::u16string text;
    std::u16string caption;
    unsigned type = 0;  // MB_OK.. | MB_ICON..
    unsigned buttons() const;  // type & MB_TYPEMASK
    unsigned icon() const;     // type & MB_ICONMASK
    bool offers(int result) const;  // whether `result` is one of its buttons
};

struct FileDialogRequest {
    Window* owner = nullptr;
    bool open = true;            // false: save
    bool multiSelect = false;
    bool folders = false;        // choose folders instead of files
    std::u16string title;
    std::u16string filter;       // "Text (*.txt)|*.txt||" as the platform writes filters
    std::u16string defaultExt;   // without the dot
    std::u16string initialDir;
    std::u16string fileName;     // proposed name
};

struct MenuRequest {
    Window* owner = nullptr;
    Point screenPos;
    const std::vector<MenuItem>* items = nullptr;
};

enum class TrackKind { Move, Resize, RubberBand };

struct TrackRequest {
    Window* window = nullptr;  // the window the tracking happens in
    TrackKind kind = TrackKind::Move;
    Rect start;                // the rectangle being tracked (client coordinates of `window`)
    Point anchor;              // where the mouse went down
    int handle = -1;           // for Resize: which handle (0..7: corners then edges), -1 otherwise
};

// A host's picker (a profile chooser, a pick in the drawing...): a kind and arguments, answered with values.
struct PickRequest {
    Window* owner = nullptr;
    std::u16string kind;
    std::vector<std::u16string> args;
};

struct PickResult {
    bool ok = false;
    std::vector<std::u16string> values;
};

class ServiceHandler {
public:
    virtual ~ServiceHandler() = default;
    // Called with the live, shown dialog; expected to end it (endDialog, or a click on a closing button).
    virtual void runModal(Dialog& dialog) = 0;
    virtual int messageBox(const MessageBoxRequest& request) = 0;
    // The chosen paths (one unless multi-select), or nothing when cancelled.
    virtual std::optional<std::vector<std::u16string>> fileDialog(const FileDialogRequest& request) = 0;
    virtual int popupMenu(const MenuRequest& request) = 0;  // the chosen id, 0 for none
    virtual std::optional<Rect> track(const TrackRequest& request) = 0;
    virtual PickResult pick(const PickRequest& request) = 0;
};

class Services {
public:
    // Installs `handler` (null: nobody) and returns the one installed before.
    static ServiceHandler* install(ServiceHandler* handler);
    static ServiceHandler* installed();

    static int messageBox(const MessageBoxRequest& request);
    static std::optional<std::vector<std::u16string>> fileDialog(const FileDialogRequest& request);
    static int popupMenu(const MenuRequest& request);
    static std::optional<Rect> track(const TrackRequest& request);
    static PickResult pick(const PickRequest& request);
    // Internal: Dialog::doModal hands over here; false when nobody is installed.
    static bool runModal(Dialog& dialog);
};

// The platform's message box call: returns IDOK, IDCANCEL, IDYES or IDNO.
int messageBox(Window* owner, std::u16string_view text, std::u16string_view caption, unsigned type = 0);

} // namespace ui
