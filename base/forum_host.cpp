#include "base/forum_host.h"

#include <cstdlib>

namespace pindora {

Text forumHost() {
    const char* fromEnvironment = std::getenv("PINDORA_FORUM_HOST");
    if (fromEnvironment != nullptr && *fromEnvironment != '\0') return fromEnvironment;
    return "127.0.0.1:8380";
}

}  // namespace pindora
