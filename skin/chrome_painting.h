#pragma once
// Painting the whole skinned window: background, outline, icon and title, title-bar buttons,
// navigation items, skin button, content panel, notice line and grip. Every drawing object
// is made for one paint and released before it returns, except the decoded pictures, which
// are kept in the skin's picture cache (skin_pictures.h).

#include "base/types.h"
#include "gfx/gx_graphics.h"

namespace pindora {

struct ChromeText {
  Text title;   // the window's title
  Text notice;  // the notice line
};

// Paints a window `width` x `height` from the skin's module state onto the graphics.
void paintChrome(GxGraphics& graphics, int width, int height, const ChromeText& texts);

// The font family of every text of the skin, "宋体", as program text.
const Text& chromeFontFamily();

}  // namespace pindora
