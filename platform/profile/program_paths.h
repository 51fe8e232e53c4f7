#pragma once
// Where the program is and where it keeps config.ini. Paths are file-system paths (UTF-8).

#include <string>

namespace pindora {

// The directory of the running executable, without a closing '/'.
std::string programDirectory();

// config.ini in the program's directory when the program may write there; otherwise
// $XDG_CONFIG_HOME/pindora/config.ini ($HOME/.config when XDG_CONFIG_HOME is unset or not an
// absolute path), whose directory is created when missing.
std::string configFilePath();

// The same rule with its inputs given: for tests, and for callers that know them already.
std::string configFilePathFor(const std::string& programDir, bool programDirWritable,
                              const std::string& xdgConfigHome, const std::string& home);

// True when the directory exists and the process may create files in it.
bool isWritableDirectory(const std::string& directory);

}  // namespace pindora
