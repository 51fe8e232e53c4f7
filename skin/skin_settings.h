#pragma once
// The skin choice: background picture or colour, the colour and the picture number, kept in
// the "Skin" section of config.ini (keys "picid", "style", "color", decimal texts).

#include <cstdint>
#include <string>

#include "base/types.h"

namespace pindora {

constexpr std::uint32_t defaultSkinColor = 14591565;  // 0xDEA64D: red 77, green 166, blue 222
constexpr int firstBackgroundPicture = 2;
constexpr int lastBackgroundPicture = 9;

// Where config.ini is: beside the program, or in the user's configuration directory when the
// program's directory is not writable.
std::string skinConfigPath();

// The embedded file of background picture n (2 to 9); empty for any other n.
Bytes backgroundPicture(int n);

// For n from 2 to 9 skinPicture becomes picture n's file; any other n changes nothing.
void loadSkinPicture(int n);

// Sets skinStyle, skinColor and skinPictureId (and skinPicture) from config.ini, or to the
// defaults when useConfigFile is 0, in which case the file is not touched.
void loadSkinSettings();

// The file part of loadSkinSettings with the path given: a missing file is created empty.
void readSkinSettingsFile(const std::string& path);

// A profile value read as a decimal number, its integer part toward zero; 0 when the text
// does not begin with a number.
std::int64_t profileNumber(const Text& text);

}  // namespace pindora
