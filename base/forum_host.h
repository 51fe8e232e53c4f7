#pragma once
// The forum host the program talks to: "host" or "host:port", without scheme or slash.

#include "base/types.h"

namespace pindora {

// PINDORA_FORUM_HOST when set and not empty, else the local demo forum, 127.0.0.1:8380.
// Read from the environment on every call, so tests can point the program at their own server.
Text forumHost();

}  // namespace pindora
