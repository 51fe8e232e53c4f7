// Profile (INI) reading and writing, and where config.ini lives.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/profile/profile.h"
#include "platform/profile/program_paths.h"

namespace pindora {
namespace {

namespace fs = std::filesystem;

class ProfileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "profile-test-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir = pattern;
    path = (fs::path(dir) / "config.ini").string();
  }
  void TearDown() override { fs::remove_all(dir); }

  void put(const std::string& content) { std::ofstream(path, std::ios::binary) << content; }
  std::string contents() {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }

  std::string dir, path;
};

TEST_F(ProfileTest, ReadsByCaseInsensitiveNamesInTheFirstMatchingSection) {
  const std::string lines[] = {
      "; written by hand",
      "[Other]",
      "picid=9",
      " [ skin ] ",
      " PicID = 4 ",
      "style=1",
      ";color=5",
      "color=\"13998394\"",
      "empty=",
      "no equals sign here",
      "[Skin]",
      "style=7",
      "late=1",
  };
  struct Case {
    const char* section;
    const char* key;
    const char* expected;
  } cases[] = {
      {"Skin", "picid", "4"},   {"SKIN", "Style", "1"},       {"skin", "color", "13998394"},
      {"Skin", "missing", ""},  {"Other", "picid", "9"},      {"Skin", "empty", ""},
      {"Missing", "picid", ""}, {"Skin", "late", ""},         {"Skin", ";color", ""},
  };
  for (const char* ending : {"\n", "\r\n"}) {
    std::string content;
    for (const std::string& line : lines) content += line + ending;
    put(content);
    for (const Case& c : cases) {
      EXPECT_EQ(readProfileString(path, c.section, c.key), c.expected)
          << c.section << "/" << c.key << (ending[0] == '\r' ? " CR LF" : " LF");
    }
  }
}

TEST_F(ProfileTest, AMissingFileReadsEmpty) {
  EXPECT_EQ(readProfileString(path, "Skin", "picid"), "");
  EXPECT_FALSE(fileExists(path));
}

TEST_F(ProfileTest, WritingCreatesTheFileAndKeepsKeysInTheOrderFirstWritten) {
  ASSERT_TRUE(writeProfileString(path, "Skin", "picid", "4"));
  ASSERT_TRUE(writeProfileString(path, "Skin", "style", "1"));
  ASSERT_TRUE(writeProfileString(path, "Skin", "color", "13998394"));
  ASSERT_TRUE(writeProfileString(path, "skin", "STYLE", "2"));
  EXPECT_EQ(contents(), "[Skin]\r\npicid=4\r\nstyle=2\r\ncolor=13998394\r\n");
  EXPECT_EQ(readProfileString(path, "Skin", "style"), "2");
  // Nothing is left beside the file.
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

TEST_F(ProfileTest, WritingKeepsOtherSectionsAndCommentsAndAddsAfterTheLastKey) {
  put("; mine\n[Skin]\nstyle=1\n\n[Window]\nleft=5\n");
  ASSERT_TRUE(writeProfileString(path, "Skin", "color", "126"));
  ASSERT_TRUE(writeProfileString(path, "Extra", "a", "b"));
  EXPECT_EQ(contents(), "; mine\r\n[Skin]\r\nstyle=1\r\ncolor=126\r\n\r\n[Window]\r\nleft=5\r\n[Extra]\r\na=b\r\n");
}

TEST_F(ProfileTest, WritingIntoAnEmptyFileAndCodePage936BytesPassThrough) {
  ASSERT_TRUE(createEmptyFile(path));
  const std::string chinese = "\xC6\xA4\xB7\xF4";  // two double-byte characters
  ASSERT_TRUE(writeProfileString(path, "Skin", chinese, chinese + "=x"));
  EXPECT_EQ(readProfileString(path, "Skin", chinese), chinese + "=x");
  EXPECT_EQ(contents(), "[Skin]\r\n" + chinese + "=" + chinese + "=x\r\n");
}

TEST_F(ProfileTest, AFileThatCannotBeWrittenIsReported) {
  std::string nowhere = (fs::path(dir) / "no-such-dir" / "config.ini").string();
  EXPECT_FALSE(writeProfileString(nowhere, "Skin", "picid", "1"));
  EXPECT_FALSE(fileExists(nowhere));
}

TEST_F(ProfileTest, CreateEmptyFileEmptiesAnExistingFile) {
  put("[Skin]\npicid=3\n");
  ASSERT_TRUE(createEmptyFile(path));
  EXPECT_TRUE(fileExists(path));
  EXPECT_EQ(contents(), "");
  EXPECT_FALSE(fileExists(dir));  // a directory is not a file
  EXPECT_FALSE(createEmptyFile((fs::path(dir) / "no-such-dir" / "x").string()));
}

TEST(ProgramPaths, TheProgramDirectoryHoldsTheRunningExecutable) {
  std::string directory = programDirectory();
  ASSERT_FALSE(directory.empty());
  EXPECT_TRUE(fs::exists(fs::path(directory) / "profile_tests"));
}

TEST_F(ProfileTest, ConfigLivesBesideTheProgramOrFallsBackToTheUsersConfigDirectory) {
  EXPECT_EQ(configFilePathFor("/opt/pindora", true, "", "/home/u"), "/opt/pindora/config.ini");

  std::string xdg = (fs::path(dir) / "xdg").string();
  std::string fallback = configFilePathFor("/usr/bin", false, xdg, "/nonexistent-home");
  EXPECT_EQ(fallback, xdg + "/pindora/config.ini");
  EXPECT_TRUE(fs::is_directory(xdg + "/pindora"));

  // Without an absolute XDG_CONFIG_HOME the home directory's .config is used.
  std::string home = (fs::path(dir) / "home").string();
  EXPECT_EQ(configFilePathFor("/usr/bin", false, "", home), home + "/.config/pindora/config.ini");
  EXPECT_EQ(configFilePathFor("/usr/bin", false, "relative", home), home + "/.config/pindora/config.ini");
  EXPECT_TRUE(fs::is_directory(home + "/.config/pindora"));

  EXPECT_TRUE(isWritableDirectory(dir));
  EXPECT_FALSE(isWritableDirectory((fs::path(dir) / "missing").string()));
  EXPECT_FALSE(isWritableDirectory(path));  // not a directory
}

}  // namespace
}  // namespace pindora
