#pragma once
// Profile (INI) files: "[Section]" header lines, each followed by key=value lines. Section
// and key names are compared without regard to ASCII letter case; values are code page 936
// bytes, passed through unchanged. Reading accepts LF and CR LF line ends, blanks around
// names and values, quotes around a value, and ';' comment lines. Writing keeps every other
// line and the order of the keys, and writes CR LF line ends.

#include <string>
#include <string_view>

#include "base/types.h"

namespace pindora {

// The value, or the empty text when the file, the section or the key is missing.
Text readProfileString(const std::string& path, std::string_view section, std::string_view key);

// Sets the value: an existing key keeps its place, a new key goes after the section's last
// key, a new section goes at the end, and a missing file is created. The file is replaced
// whole (written beside it, then renamed), so it is never left half written. False when the
// file cannot be written.
bool writeProfileString(const std::string& path, std::string_view section, std::string_view key,
                        std::string_view value);

// True when a file (not a directory) is at the path.
bool fileExists(const std::string& path);

// Creates the file empty, or empties it when it exists.
bool createEmptyFile(const std::string& path);

}  // namespace pindora
