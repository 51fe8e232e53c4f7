// Reading the skin choice from config.ini.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>

#include "platform/profile/profile.h"
#include "platform/profile/program_paths.h"
#include "skin/skin_settings.h"
#include "skin/skin_state.h"

namespace pindora {
namespace {

namespace fs = std::filesystem;

class SkinSettings : public ::testing::Test {
 protected:
  void SetUp() override {
    createSkinState();
    directory = fs::temp_directory_path() /
                ("skin_settings_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(directory);
    fs::create_directories(directory);
    path = (directory / "config.ini").string();
  }
  void TearDown() override {
    fs::remove_all(directory);
    freeSkinState();
  }

  void write(const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

  fs::path directory;
  std::string path;
};

TEST_F(SkinSettings, FileCasesGiveTheStyleColourAndPicture) {
  struct Case {
    std::optional<std::string> file;  // none: no file
    int style;
    std::uint32_t color;
    int pictureId;
    int pictureLoaded;  // 0: none
  };
  const Case cases[] = {
      {std::nullopt, 1, defaultSkinColor, 1, 0},
      {"", 2, defaultSkinColor, 1, 0},
      {"[Skin]\r\npicid=3\r\nstyle=1\r\ncolor=13998394\r\n", 1, 13998394, 3, 3},
      {"[Skin]\npicid=5\nstyle=2\n", 2, defaultSkinColor, 5, 5},
      {"[Skin]\npicid=10\nstyle=1\n", 1, defaultSkinColor, 1, 0},
      {"[Skin]\npicid=0\nstyle=1\ncolor=0\n", 1, defaultSkinColor, 1, 0},
      {"[Skin]\npicid=9\nstyle=3\ncolor=255\n", 2, 255, 9, 9},
      {"[skin]\nPICID=4\nStyle=1.9\ncolor=12.7 px\n", 1, 12, 4, 4},
      {"[Skin]\npicid=abc\nstyle=\ncolor=red\n", 2, defaultSkinColor, 1, 0},
      {"[Skin]\npicid=-2\nstyle=1\n", 1, defaultSkinColor, -2, 0},
      {"[Other]\npicid=4\nstyle=1\n", 2, defaultSkinColor, 1, 0},
  };
  for (const Case& c : cases) {
    const std::string label = c.file ? *c.file : "(no file)";
    fs::remove(path);
    if (c.file) write(*c.file);
    createSkinState();
    readSkinSettingsFile(path);
    const SkinState& state = skinState();
    EXPECT_EQ(state.skinStyle, c.style) << label;
    EXPECT_EQ(state.skinColor, c.color) << label;
    EXPECT_EQ(state.skinPictureId, c.pictureId) << label;
    EXPECT_EQ(state.skinPicture, backgroundPicture(c.pictureLoaded)) << label;
    EXPECT_TRUE(fileExists(path)) << label;
  }
  fs::remove(path);
  readSkinSettingsFile(path);
  EXPECT_EQ(fs::file_size(path), 0u);  // the missing file is created empty
}

TEST_F(SkinSettings, PicturesTwoToNineAreTheEmbeddedBackgroundsAndOthersChangeNothing) {
  for (int n = 2; n <= 9; ++n) {
    loadSkinPicture(n);
    EXPECT_FALSE(skinState().skinPicture.empty()) << n;
    EXPECT_EQ(skinState().skinPicture, backgroundPicture(n));
  }
  for (int n : {0, 1, 10, -3}) {
    loadSkinPicture(n);
    EXPECT_EQ(skinState().skinPicture, backgroundPicture(9)) << n;
  }
}

TEST_F(SkinSettings, WithoutTheConfigFileNothingIsReadOrCreated) {
  const std::string beside = programDirectory() + "/config.ini";
  const std::string kept = (directory / "kept.ini").string();
  if (fileExists(beside)) {  // the demo program keeps its choice there
    fs::copy_file(beside, kept);
    fs::remove(beside);
  }
  skinState().useConfigFile = 0;
  loadSkinSettings();
  EXPECT_FALSE(fileExists(beside));
  EXPECT_EQ(skinState().skinStyle, 1);
  EXPECT_EQ(skinState().skinColor, defaultSkinColor);
  EXPECT_EQ(skinState().skinPictureId, 1);

  // With it, the file beside the program (a writable directory here) is read and created.
  skinState().useConfigFile = 1;
  loadSkinSettings();
  EXPECT_TRUE(fileExists(beside));
  fs::remove(beside);
  if (fileExists(kept)) fs::copy_file(kept, beside);
}

TEST_F(SkinSettings, AnUnwritableProgramDirectoryFallsBackToTheUserConfigDirectory) {
  const std::string fallback = configFilePathFor("/usr/bin", false, directory.string(), "/nonexistent");
  EXPECT_EQ(fallback, (directory / "pindora" / "config.ini").string());
  writeProfileString(fallback, "Skin", "picid", "6");
  writeProfileString(fallback, "Skin", "style", "1");
  readSkinSettingsFile(fallback);
  EXPECT_EQ(skinState().skinPictureId, 6);
  EXPECT_EQ(skinState().skinStyle, 1);
}

}  // namespace
}  // namespace pindora
