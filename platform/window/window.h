#pragma once
// Windows, window procedures and messages, in the program's own terms.
//
// A window is named by a WindowHandle. Its messages go to its window procedure; subclassing
// replaces the procedure and hands back the previous one, which the new procedure may call
// for the previous behaviour. A window that was never subclassed runs defaultProcedure, which
// stands for the toolkit's own handling. Everything here runs on the window thread only,
// except postMessage.

#include <cstdint>
#include <functional>

namespace pindora {

// An opaque number, 0 for none. Numbers are never reused: a handle of a destroyed window
// names nothing, and every operation on it does nothing (or returns 0, false, empty).
using WindowHandle = std::uintptr_t;

using WParam = std::uintptr_t;
using LParam = std::intptr_t;
using MessageResult = std::intptr_t;

struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

// Left and top inside, right and bottom just outside.
struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int width() const { return right - left; }
  int height() const { return bottom - top; }
  friend bool operator==(const Rect&, const Rect&) = default;
};

// Messages. Mouse messages carry the position in the window (packed, see packPosition) in
// lParam and the buttons held (MouseButtons) in wParam.
enum class Message : std::uint32_t {
  Create = 1,       // sent once to a new popup, before it is shown
  Destroy,          // sent once when the window is destroyed, whichever way
  Close,            // a request to close; the default handling destroys the window
  Paint,            // part of the window needs painting: see painting.h
  Size,             // wParam: SizeKind; lParam: packed width and height
  Enable,           // wParam: 1 enabled, 0 disabled
  KillFocus,        // the window lost the keyboard focus (it was deactivated)
  GetIcon,          // result: the window's small icon (IconHandle), 0 when none
  SystemCommand,    // wParam: a SystemCommand code
  MouseMove,
  LeftDown,
  LeftUp,
  LeftDoubleClick,  // only for windows that take double clicks (subclassed ones, not popups)
  RightDown,
  MouseLeave,       // the pointer left the window; sent once per requestLeaveNotice
  CaptionLeftDown,  // a left press on the caption: the default handling moves the window
  User = 0x400,     // the first number free for the program's own messages
};

enum MouseButtons : WParam { LeftButtonHeld = 1, RightButtonHeld = 2 };

enum class SizeKind : WParam { Restored = 0, Minimised = 1, Maximised = 2 };

// System commands. Sizing from an edge is SizeFromEdge plus a ResizeEdge number.
enum class SystemCommand : WParam { Close = 1, Maximise = 2, Restore = 3, Minimise = 4, SizeFromEdge = 0x10 };
enum class ResizeEdge : WParam {
  Left = 1, Right = 2, Top = 3, TopLeft = 4, TopRight = 5, Bottom = 6, BottomLeft = 7, BottomRight = 8
};
constexpr WParam sizeCommand(ResizeEdge edge) {
  return static_cast<WParam>(SystemCommand::SizeFromEdge) + static_cast<WParam>(edge);
}

// Packed positions: x in the low 16 bits, y in the high 16 bits. On unpacking x is read as
// the unsigned low 16 bits and y with its sign, so a y above the window reads negative.
constexpr LParam packPosition(int x, int y) {
  return static_cast<LParam>(static_cast<std::int32_t>(
      (static_cast<std::uint32_t>(x) & 0xFFFFu) | ((static_cast<std::uint32_t>(y) & 0xFFFFu) << 16)));
}
constexpr int packedX(LParam packed) { return static_cast<int>(static_cast<std::uint32_t>(packed) & 0xFFFFu); }
constexpr int packedY(LParam packed) {
  return static_cast<std::int16_t>((static_cast<std::uint32_t>(packed) >> 16) & 0xFFFFu);
}

using WindowProcedure = std::function<MessageResult(WindowHandle, Message, WParam, LParam)>;

// True while the handle names a live window.
bool isWindow(WindowHandle window);

// Installs `procedure` as the window's procedure and returns the one it replaces (the default
// procedure for a window never subclassed; empty when the window does not exist). Giving the
// returned procedure back later undoes the subclassing.
WindowProcedure subclassWindow(WindowHandle window, WindowProcedure procedure);

// Calls a previous procedure; an empty one counts as the default procedure.
MessageResult callProcedure(const WindowProcedure& previous, WindowHandle window, Message message,
                            WParam wParam, LParam lParam);

// The toolkit's own handling. For a message that came from a real event it lets the toolkit
// process the event; for a message sent by the program it does the default action: Close
// destroys the window, SystemCommand maximises, restores, minimises, closes or sizes from an
// edge, CaptionLeftDown moves the window, GetIcon answers the small icon; others return 0.
MessageResult defaultProcedure(WindowHandle window, Message message, WParam wParam, LParam lParam);

// Calls the window's procedure now and returns its result (0 for no window). Sending Paint
// paints the invalid part of the window now, like updateNow.
MessageResult sendMessage(WindowHandle window, Message message, WParam wParam = 0, LParam lParam = 0);

// Queues the message; the running message loop sends it later. False for no window. The one
// operation here that any thread may call (a window gone by then gets nothing).
bool postMessage(WindowHandle window, Message message, WParam wParam = 0, LParam lParam = 0);

// Runs a message loop that serves every window of the thread until a quit is posted, and
// returns the quit's code. Loops nest; a quit ends the innermost loop running when it is
// taken from the queue (the application's main loop when none is nested).
int runMessageLoop();
void postQuit(int code = 0);

// Asks for one MouseLeave message when the pointer next leaves the window.
void requestLeaveNotice(WindowHandle window);

}  // namespace pindora
