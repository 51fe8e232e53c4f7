#pragma once
// The desktop shell: the user's web browser and desktop folder.

#include <string>

#include "base/types.h"

namespace pindora {

// Hands an http or https address (code page 936 text) to the desktop, which opens it in the
// user's default web browser: through xdg-open (which honours $BROWSER), or the toolkit's own
// way where xdg-open is missing. Any other address is not handed over and gives false; so
// does an opener that cannot be started. Needs the application object.
bool openInBrowser(const Text& address);

// The user's desktop folder (XDG_DESKTOP_DIR, usually ~/Desktop), a file-system path without
// a closing '/'; the home directory when there is none.
std::string desktopDirectory();

}  // namespace pindora
