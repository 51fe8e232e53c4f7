// The program's directory and the place of config.ini.

#include "platform/profile/program_paths.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>

namespace pindora {

std::string programDirectory() {
  std::error_code error;
  std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::string() : executable.parent_path().string();
}

bool isWritableDirectory(const std::string& directory) {
  std::error_code error;
  return std::filesystem::is_directory(directory, error) && access(directory.c_str(), W_OK) == 0;
}

std::string configFilePathFor(const std::string& programDir, bool programDirWritable,
                              const std::string& xdgConfigHome, const std::string& home) {
  if (programDirWritable) return (std::filesystem::path(programDir) / "config.ini").string();
  std::filesystem::path base = !xdgConfigHome.empty() && xdgConfigHome.front() == '/'
                                   ? std::filesystem::path(xdgConfigHome)
                                   : std::filesystem::path(home) / ".config";
  std::filesystem::path directory = base / "pindora";
  std::error_code error;
  std::filesystem::create_directories(directory, error);
  return (directory / "config.ini").string();
}

std::string configFilePath() {
  std::string directory = programDirectory();
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  const char* home = std::getenv("HOME");
  return configFilePathFor(directory, isWritableDirectory(directory), xdg ? xdg : "", home ? home : "");
}

}  // namespace pindora
