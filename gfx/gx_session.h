#pragma once
// The GDI+ session of the drawing layer. Every Gx drawing object must be released before the
// session ends: GxShutdown while objects are alive defers the end until the last of them is
// released. (libgdiplus below is started once and left running until the process exits,
// because its own shutdown aborts inside fontconfig once text has been drawn.)

#include "gfx/gx_types.h"

namespace pindora {

// Starts the session (the library with version 1, no debug callback, background thread and
// external codecs not suppressed). Returns the start-up status; on failure no session runs.
GxStatus GxStartup();

// Ends the session now, or when the last live drawing object is released.
void GxShutdown();

}  // namespace pindora
