#pragma once
// The program's global state besides the feed's (feed/feed_state.h holds currentPage, feedUrl,
// pageHtml and avatarLinks): the one skin object and the box the context menu was opened on.
// Window thread only.

#include <memory>

#include "platform/form/form.h"
#include "skin/skin_frame.h"

namespace pindora {

struct AppState {
    std::unique_ptr<SkinFrame> skin;  // from start-up to the exit routine
    ControlRef menuTarget;            // the picture box of the last right press
};

AppState& appState();

}  // namespace pindora
