// Reading and writing profile (INI) files.

#include "platform/profile/profile.h"

#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <vector>

#include "base/text.h"
#include "platform/files/replace_file.h"

namespace pindora {

namespace {

std::string_view trimBlanks(std::string_view text) {
  size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  size_t last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

bool sameName(std::string_view a, std::string_view b) { return toLowerText(a) == toLowerText(b); }

std::optional<std::string> readWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The file's lines without their line ends.
std::vector<std::string> splitLines(const std::string& content) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < content.size()) {
    size_t end = content.find('\n', start);
    if (end == std::string::npos) end = content.size();
    std::string line = content.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
    start = end + 1;
  }
  return lines;
}

// The name of a "[name]" line, or nothing for another line.
std::optional<std::string_view> sectionName(std::string_view line) {
  std::string_view trimmed = trimBlanks(line);
  if (trimmed.empty() || trimmed.front() != '[') return std::nullopt;
  size_t close = trimmed.find(']');
  std::string_view inner = trimmed.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1);
  return trimBlanks(inner);
}

struct KeyLine {
  std::string_view key;
  std::string_view value;
};

std::optional<KeyLine> keyLine(std::string_view line) {
  std::string_view trimmed = trimBlanks(line);
  if (trimmed.empty() || trimmed.front() == ';') return std::nullopt;
  size_t equals = trimmed.find('=');
  if (equals == std::string_view::npos) return std::nullopt;
  return KeyLine{trimBlanks(trimmed.substr(0, equals)), trimBlanks(trimmed.substr(equals + 1))};
}

std::string_view unquote(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

// Sets the key in the first section of that name, keeping every other line.
void setKey(std::vector<std::string>& lines, std::string_view section, std::string_view key, std::string_view value) {
  std::optional<size_t> header, lastKey;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (std::optional<std::string_view> name = sectionName(lines[i])) {
      if (header) break;
      if (sameName(*name, section)) header = i;
      continue;
    }
    if (!header) continue;
    if (std::optional<KeyLine> entry = keyLine(lines[i])) {
      if (sameName(entry->key, key)) {
        lines[i] = std::string(entry->key) + "=" + std::string(value);
        return;
      }
      lastKey = i;
    }
  }
  std::string newLine = std::string(key) + "=" + std::string(value);
  if (header) {
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(lastKey.value_or(*header) + 1), newLine);
  } else {
    lines.push_back("[" + std::string(section) + "]");
    lines.push_back(newLine);
  }
}

}  // namespace

Text readProfileString(const std::string& path, std::string_view section, std::string_view key) {
  std::optional<std::string> content = readWholeFile(path);
  if (!content) return {};
  bool inSection = false, sectionSeen = false;
  for (const std::string& line : splitLines(*content)) {
    if (std::optional<std::string_view> name = sectionName(line)) {
      if (inSection) break;  // the first section of that name is the one read
      inSection = !sectionSeen && sameName(*name, section);
      sectionSeen = sectionSeen || inSection;
      continue;
    }
    if (!inSection) continue;
    std::optional<KeyLine> entry = keyLine(line);
    if (entry && sameName(entry->key, key)) return Text(unquote(entry->value));
  }
  return {};
}

bool writeProfileString(const std::string& path, std::string_view section, std::string_view key,
                        std::string_view value) {
  std::vector<std::string> lines;
  if (std::optional<std::string> content = readWholeFile(path)) {
    lines = splitLines(*content);
  } else if (fileExists(path)) {
    return false;  // there but unreadable: do not replace what cannot be kept
  }
  setKey(lines, section, key, value);
  std::string content;
  for (const std::string& line : lines) content += line + "\r\n";
  return replaceFile(path, content);
}

bool fileExists(const std::string& path) {
  std::error_code error;
  return std::filesystem::exists(path, error) && !std::filesystem::is_directory(path, error);
}

bool createEmptyFile(const std::string& path) {
  int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  return ::close(fd) == 0;
}

}  // namespace pindora
