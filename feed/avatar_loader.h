#pragma once
// The category feed loader. Each request of the main window starts a worker thread on
// avatarLoadThread. A load reads which category button is checked and the current page, builds
// the list address, shows the busy picture in the six boxes, fetches the list page, then fetches
// the thumbnails of its first six (thread link, thumbnail) pairs at once, each on a thread of its
// own. Thumbnail N goes into box N (the control tagged N) as soon as it arrives; link N is
// appended once thumbnails 1 to N have all arrived, so the links grow in box order and link N is
// always box N's.
//
// A later load supersedes an earlier one: the earlier one writes nothing more (boxes, links,
// page text) and all its transfers are aborted at once, so the boxes and links always belong to
// the latest load. A load begins only once the one it supersedes has ended, and a start while a
// load waits to begin adds no second one, so at most two loads are alive however fast clicks come.

#include <string_view>

#include "base/types.h"

namespace pindora {

// The extraction pattern as stored: grave accents stand for double quotes.
inline constexpr std::string_view kAvatarPattern =
    "<a href=`(.*?)` class=`image` title=`.*?` target=`_blank` style=`[\\S\\s]*?<img src=`(.*?)` border";

// The pattern with its grave accents turned into double quotes.
Text preparedAvatarPattern();

// The picture the boxes show while a load runs (an animated GIF).
Bytes busyImage();

// Starts one load on a worker thread of its own (avatarLoadThread) and returns at once. This is
// how the window starts loads: a load started so is counted from this call on, so that
// stopAvatarLoads also stops it when its thread has not begun yet. When a load started so has
// not begun yet, no other is started: that one reads the buttons and the page when it begins.
void startAvatarLoad();
// Entry of a load's worker thread started by startAvatarLoad: runs the load once.
void avatarLoadThread();
// One load on the calling thread.
void loadAvatarPage();

// Makes every running or starting load outdated, aborts its transfers and returns when all have
// ended. Called by the window thread at exit; loads never wait for the window thread, so this
// cannot deadlock with them. Loads started afterwards run normally.
void stopAvatarLoads();

}  // namespace pindora
