#pragma once
// The GDI+ session of the drawing layer. Every Gx drawing object must be released before the
// session ends (libgdiplus aborts when a font outlives its session): GxShutdown while objects
// are alive defers the end until the last of them is released.

#include "gfx/gx_types.h"

namespace pindora {

// Starts the session (version 1, no debug callback, background thread and external codecs
// not suppressed). Returns the start-up status; on failure the session token stays 0.
GxStatus GxStartup();

// Ends the session now, or when the last live drawing object is released.
void GxShutdown();

}  // namespace pindora
