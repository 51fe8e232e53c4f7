#pragma once
// The process-wide GDI+ session and the count of drawing objects alive in it.
// Every drawing object must be released before the session ends: endSession with objects
// alive only marks the end as pending, and the last object's release ends the session.
// libgdiplus itself is started by the first session and never shut down (its shutdown
// aborts inside fontconfig once text has been drawn); see session.cpp.
// Used on the user-interface thread only.

#include <cstdint>

#include "platform/gdiplus/flat.h"

namespace pindora::gdiplus {

// Starts a session; the first one starts libgdiplus (version 1, no callbacks) and returns its
// status. While an end is pending the running session is kept and the end cancelled.
Status startSession();

// Ends the session now, or as soon as the last counted object is released.
void endSession();

std::uintptr_t sessionToken();
bool sessionRunning();
bool sessionEndPending();

// Every object that owns or may own a native GDI+ object counts itself here for its whole life.
void retainSessionObject();
void releaseSessionObject();
int liveSessionObjects();

}  // namespace pindora::gdiplus
