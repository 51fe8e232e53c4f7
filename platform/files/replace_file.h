#pragma once
// Replacing a file's contents whole, so that a failed write never leaves a half-written file.

#include <string>
#include <string_view>

namespace pindora {

// Writes `content` to a hidden temporary file beside `path` and renames it over `path` once every
// byte is on disk. An existing file keeps its permissions; a new one gets 0644. On failure the
// old file, if any, is left as it was and false is returned.
bool replaceFile(const std::string& path, std::string_view content);

}  // namespace pindora
