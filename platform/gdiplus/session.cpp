#include "platform/gdiplus/session.h"

namespace pindora::gdiplus {
namespace {

std::uintptr_t token = 0;
bool running = false;
bool endPending = false;
int liveObjects = 0;

void shutDownNow() {
  GdiplusShutdown(token);
  token = 0;
  running = false;
  endPending = false;
}

}  // namespace

Status startSession() {
  if (endPending) {
    endPending = false;
    return Ok;
  }
  GdiplusStartupInput input{1, nullptr, 0, 0};
  std::uintptr_t newToken = 0;
  const Status status = GdiplusStartup(&newToken, &input, nullptr);
  token = newToken;
  running = status == Ok;
  return status;
}

void endSession() {
  if (!running) {
    token = 0;
    return;
  }
  if (liveObjects > 0) {
    endPending = true;
    return;
  }
  shutDownNow();
}

std::uintptr_t sessionToken() { return token; }
bool sessionRunning() { return running; }
bool sessionEndPending() { return endPending; }

void retainSessionObject() { ++liveObjects; }

void releaseSessionObject() {
  --liveObjects;
  if (liveObjects == 0 && endPending) shutDownNow();
}

int liveSessionObjects() { return liveObjects; }

}  // namespace pindora::gdiplus
