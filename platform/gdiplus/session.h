#pragma once
// The process-wide GDI+ session and the count of drawing objects alive in it.
// libgdiplus aborts inside fontconfig when the session ends while a font still exists, so
// ending the session waits until every counted object is gone: endSession with objects
// alive only marks the end as pending, and the last object's release ends the session.
// Used on the user-interface thread only.

#include <cstdint>

#include "platform/gdiplus/flat.h"

namespace pindora::gdiplus {

// Starts a session (version 1, no callbacks) and keeps its token. While an end is pending
// the running session is kept and the pending end cancelled; the result is then Ok.
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
