#pragma once
// The form runtime as the program's own code sees it: the main window and its controls, the
// controls' properties, and worker threads. No toolkit types appear here.
//
// A control is named by a ControlRef (window number, control number) and found by its form name
// ("图片框1", cp936 text) or by its numeric tag. Property calls may come from any thread: the
// runtime keeps each control's properties itself, so a read never waits for the window thread,
// and a write from a worker is handed to the window thread, which then updates the widget.
// A worker therefore never touches a widget and never blocks on the window thread.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/types.h"

namespace pindora {

enum class ControlKind {
    PictureBox,
    RadioButton,
    GroupBox,
    TabControl,        // pages named by pageTexts; their tabs are not shown
    PushButton,
    Label,
    TransparentLabel,  // no background of its own, drawn like a link
    EditBox,           // several lines, read only
    Menu,              // a context menu; its items are MenuItem controls with it as parent
    MenuItem,
    FileDialog,        // no widget: shown by showSaveDialog
    Timer,             // no widget and no events
    WebView,           // no visible content: fetches the address it is pointed at
};

// One control of a form. Positions are relative to the parent; an empty parent is the window.
// Radio buttons with the same parent form one group.
struct ControlDescription {
    ControlKind kind = ControlKind::PictureBox;
    Text formName;
    Text parentName;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    Text text;
    Text tag;
    bool checked = false;
    int page = 0;                 // for a child of a tab control: its page, from 1
    std::vector<Text> pageTexts;  // for a tab control: one per page
    bool handCursor = false;
    Bytes picture;                // for a picture box: the picture it shows at first
};

struct FormDescription {
    Text title;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool frameless = false;  // no frame or title bar from the window system
    std::vector<Bytes> icons;  // the window's icon (image file bytes) at one or more sizes
    Text fontFamily;         // the controls' font; the toolkit's when empty
    int fontPixelSize = 0;
    std::vector<ControlDescription> controls;  // parents before their children
};

struct ControlRef {
    std::uint32_t window = 0;
    std::uint32_t control = 0;  // 0 names the window itself
    bool valid() const { return window != 0; }
    friend bool operator==(const ControlRef&, const ControlRef&) = default;
};

// Window thread only. Creates the main window (hidden) and its controls, replacing an earlier one;
// returns the window's reference.
ControlRef createMainWindow(const FormDescription& description);
// Window thread only. Delivers the window's Created event (the first time only), then shows it.
void showMainWindow();
// Window thread only. Destroys the main window; its controls are forgotten, and later calls on
// their references do nothing and read empty values.
void destroyMainWindow();

// Controls of the main window; an invalid reference when there is none.
ControlRef findControl(std::string_view formName);
// The control whose tag, read as a decimal number, equals `tag`.
ControlRef findControlByTag(int tag);

// Radio buttons. Checking one unchecks the others of its group.
bool isChecked(ControlRef radioButton);
void setChecked(ControlRef radioButton, bool checked);

// Picture boxes: the picture is the bytes of an image file (GIF, animated or not, JPEG, PNG);
// empty bytes show nothing. The bytes are kept unchanged and read back as they were written.
Bytes pictureBytes(ControlRef pictureBox);
// True when the bytes are a picture the runtime can decode.
bool isDecodablePicture(const Bytes& imageBytes);
void setPicture(ControlRef pictureBox, Bytes imageBytes);

// Runs `work` on a new thread and returns at once.
void startThread(std::function<void()> work);
// Joins every thread started by startThread (the exit routine's last step). Not from such a thread.
void waitForThreads();

// Events, window thread only. A handler receives the control the event happened on. Created is
// the window's (control 0); Click comes from radio buttons, push buttons and menu items;
// LeftPress and RightPress from picture boxes and labels.
enum class FormEvent { Created, Click, LeftPress, RightPress };
using FormEventHandler = std::function<void(ControlRef source)>;
void setEventHandler(ControlRef control, FormEvent event, FormEventHandler handler);
// From now on `from`'s events of that kind run the handler `to` has when they happen (with
// `from` as their source); `from`'s own handler for them is no longer called.
void routeEvents(ControlRef from, ControlRef to, FormEvent event);
// Runs the handler the control's event reaches, as a real event would; false when none does.
bool deliverEvent(ControlRef control, FormEvent event);

// Tab controls: the page shown, counted from 0; an index outside the pages is ignored.
// Window thread only.
int currentTabPage(ControlRef tabControl);
void setCurrentTabPage(ControlRef tabControl, int index);

// Opens the menu at the mouse position and returns at once; a chosen item delivers its Click.
void popupMenu(ControlRef menu);

// The save dialog. `filter` holds pairs of description and pattern separated by '|'
// ("JPG图片|*.jpg"); `defaultExtension` (".jpg") is added to a name typed without one.
// Returns the chosen file-system path (UTF-8), nothing when the user cancels or `fileDialog` is
// no file dialog of the window. Window thread.
struct SaveDialogOptions {
    Text title;
    Text fileName;
    std::string initialDirectory;  // UTF-8 path
    Text filter;
    Text defaultExtension;
    bool overwritePrompt = false;
};
std::optional<std::string> showSaveDialog(ControlRef fileDialog, const SaveDialogOptions& options);

// Writes the bytes to the file, replacing it whole: they go to a temporary file beside it that
// is then renamed, so a write that fails leaves an existing file as it was. False on failure.
bool writeFileBytes(const std::string& path, const Bytes& bytes);

// Points the web view at an http address: it is fetched on a worker thread through the
// process-wide cookie store, and nothing is shown. Destroying the window aborts the fetch.
void navigateWebView(ControlRef webView, const Text& address);

// The look of standard controls: style 1 gives them the toolkit's themed look.
void enableThemedControls(int style);

// The exit routine: called once, after the main loop has ended.
void setExitRoutine(std::function<void()> routine);
// Runs the main loop until the program ends, then calls the exit routine. Returns 0.
int runMainLoop();

}  // namespace pindora
