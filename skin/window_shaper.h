#pragma once
// WindowShaper sets a window's region to a rounded shape; the window keeps the region.

#include "platform/window/window.h"

namespace pindora {

class WindowShaper {
 public:
  // A rounded rectangle from (left, top) to (right, bottom) whose corners are quarters of an
  // ellipse of the given size.
  void setRoundRegion(WindowHandle window, int left, int top, int right, int bottom, int ellipseWidth,
                      int ellipseHeight);
  // Rounded top corners and square bottom corners: the rounded rectangle (0, 0, width, height)
  // united with the rectangle from (0, 10) to (width - 1, height).
  void setRoundTopRegion(WindowHandle window, int width, int height, int ellipseWidth, int ellipseHeight);
};

}  // namespace pindora
