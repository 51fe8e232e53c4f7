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
#include <string_view>
#include <vector>

#include "base/types.h"

namespace pindora {

enum class ControlKind { PictureBox, RadioButton, GroupBox };

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
};

struct FormDescription {
    Text title;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
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
// Window thread only. Shows the main window.
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
void setPicture(ControlRef pictureBox, Bytes imageBytes);

// Runs `work` on a new thread and returns at once.
void startThread(std::function<void()> work);
// Joins every thread started by startThread (the exit routine's last step). Not from such a thread.
void waitForThreads();

}  // namespace pindora
