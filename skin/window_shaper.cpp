#include "skin/window_shaper.h"

#include "platform/window/window_control.h"

namespace pindora {

void WindowShaper::setRoundRegion(WindowHandle window, int left, int top, int right, int bottom, int ellipseWidth,
                                  int ellipseHeight) {
  setRoundRectRegion(window, Rect{left, top, right, bottom}, ellipseWidth, ellipseHeight);
}

void WindowShaper::setRoundTopRegion(WindowHandle window, int width, int height, int ellipseWidth,
                                     int ellipseHeight) {
  setRoundRectUnionRegion(window, Rect{0, 0, width, height}, ellipseWidth, ellipseHeight,
                          Rect{0, 10, width - 1, height});
}

}  // namespace pindora
