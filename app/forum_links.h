#pragma once
// Forum addresses handed to the browser.

#include <string_view>

#include "base/types.h"

namespace pindora {

// The address a forum link stands for. Pages give thread links relative to the forum's root
// ("forum.php?mod=viewthread&tid=7"): such a link, or one starting with '/', is resolved
// against "http://" + host + "/"; "//host/path" takes "http:". An absolute http or https
// address is kept as it is. Any other scheme ("file:", "javascript:") and an empty link give
// the empty text: a page must not make the program open files or start programs.
Text resolveForumLink(std::string_view link, std::string_view host);

// Opens the link, resolved as above, in the user's browser; an unusable link opens nothing.
void openForumLink(std::string_view link);

}  // namespace pindora
