#include "platform/gdiplus/session.h"

namespace pindora::gdiplus {
namespace {

// libgdiplus is started once per process and never shut down: its GdiplusShutdown ends
// fontconfig, which aborts the process whenever Pango or cairo still hold fontconfig caches,
// and they keep them after text has been laid out even once every font is deleted. The
// session the layer offers is ours: it starts and ends as the callers ask, while the library
// below stays started until the process exits.
std::uintptr_t libraryToken = 0;
bool libraryStarted = false;

bool running = false;
bool endPending = false;
int liveObjects = 0;

void endNow() {
  running = false;
  endPending = false;
}

}  // namespace

Status startSession() {
  if (endPending) {
    endPending = false;
    return Ok;
  }
  if (!libraryStarted) {
    GdiplusStartupInput input{1, nullptr, 0, 0};
    std::uintptr_t token = 0;
    const Status status = GdiplusStartup(&token, &input, nullptr);
    if (status != Ok) return status;
    libraryToken = token;
    libraryStarted = true;
  }
  running = true;
  return Ok;
}

void endSession() {
  if (!running) return;
  if (liveObjects > 0) {
    endPending = true;
    return;
  }
  endNow();
}

std::uintptr_t sessionToken() { return running ? libraryToken : 0; }
bool sessionRunning() { return running; }
bool sessionEndPending() { return endPending; }

void retainSessionObject() { ++liveObjects; }

void releaseSessionObject() {
  --liveObjects;
  if (liveObjects == 0 && endPending) endNow();
}

int liveSessionObjects() { return liveObjects; }

}  // namespace pindora::gdiplus
