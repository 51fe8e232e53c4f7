#include "gfx/gx_session.h"

namespace pindora {

GxStatus GxStartup() { return gdiplus::startSession(); }

void GxShutdown() { gdiplus::endSession(); }

}  // namespace pindora
