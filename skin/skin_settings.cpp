#include "skin/skin_settings.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "assets/assets.h"
#include "platform/profile/profile.h"
#include "platform/profile/program_paths.h"
#include "skin/skin_pictures.h"
#include "skin/skin_state.h"

namespace pindora {

namespace {

constexpr const char* section = "Skin";

void useDefaults(SkinState& state) {
  state.skinStyle = SkinStylePicture;
  state.skinColor = defaultSkinColor;
  state.skinPictureId = 1;
}

}  // namespace

std::string skinConfigPath() { return configFilePath(); }

Bytes backgroundPicture(int n) {
  if (n < firstBackgroundPicture || n > lastBackgroundPicture) return {};
  return assetCopy("backgrounds/" + std::to_string(n) + ".png");
}

void loadSkinPicture(int n) {
  if (n < firstBackgroundPicture || n > lastBackgroundPicture) return;
  skinState().skinPicture = backgroundPicture(n);
  dropDecodedPictures();
}

std::int64_t profileNumber(const Text& text) {
  std::size_t start = text.find_first_not_of(" \t");
  if (start == Text::npos) return 0;
  if (text[start] == '+') ++start;
  double value = 0;
  const char* first = text.data() + start;
  const char* last = text.data() + text.size();
  if (std::from_chars(first, last, value, std::chars_format::fixed).ec != std::errc()) return 0;
  constexpr double limit = static_cast<double>(std::numeric_limits<std::int32_t>::max());
  if (!(std::fabs(value) <= limit)) return 0;  // out of range reads like no number
  return static_cast<std::int64_t>(std::trunc(value));
}

void readSkinSettingsFile(const std::string& path) {
  SkinState& state = skinState();
  if (!fileExists(path)) {
    createEmptyFile(path);  // a failure is not reported: the defaults serve all the same
    useDefaults(state);
    return;
  }
  const std::int64_t color = profileNumber(readProfileString(path, section, "color"));
  state.skinColor = color == 0 ? defaultSkinColor : static_cast<std::uint32_t>(color);
  const std::int64_t style = profileNumber(readProfileString(path, section, "style"));
  state.skinStyle = style == 1 ? SkinStylePicture : SkinStyleColor;
  const std::int64_t picture = profileNumber(readProfileString(path, section, "picid"));
  if (picture == 0 || picture > lastBackgroundPicture) {
    state.skinPictureId = 1;
  } else {
    state.skinPictureId = static_cast<std::int32_t>(picture);
    loadSkinPicture(state.skinPictureId);
  }
}

void loadSkinSettings() {
  if (skinState().useConfigFile == 0) {
    useDefaults(skinState());
    return;
  }
  readSkinSettingsFile(skinConfigPath());
}

}  // namespace pindora
