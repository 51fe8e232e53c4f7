// Cutting long message lines at 32 bytes without splitting a double-byte character.

#include <gtest/gtest.h>

#include "platform/codepage/codepage.h"
#include "skin/chop_line.h"

namespace pindora {
namespace {

struct ChopCase {
  const char* name;
  std::string utf8;
  int width;
  std::vector<std::string> expectedUtf8;
};

TEST(ChopLine, CutsAtTheWidthAndNeverSplitsADoubleByteCharacter) {
  const std::string chinese20 = "一二三四五六七八九十甲乙丙丁戊己庚辛壬癸";
  const std::vector<ChopCase> cases = {
      {"empty", "", 32, {}},
      {"ascii short", "hello", 32, {"hello"}},
      {"ascii exactly 32", std::string(32, 'x'), 32, {std::string(32, 'x')}},
      {"ascii 70", std::string(70, 'a'), 32, {std::string(32, 'a'), std::string(32, 'a'), std::string(6, 'a')}},
      {"chinese 40 bytes", chinese20, 32, {"一二三四五六七八九十甲乙丙丁戊己", "庚辛壬癸"}},
      // byte 1 is ASCII, so the 16th character would cover bytes 32 and 33: the piece stops at 31.
      {"double byte across byte 32", "a" + chinese20, 32, {"a一二三四五六七八九十甲乙丙丁戊", "己庚辛壬癸"}},
      {"one byte fills the last place", "a一二三四五六七八九十甲乙丙丁戊bcd", 32, {"a一二三四五六七八九十甲乙丙丁戊b", "cd"}},
      {"tip of the application",
       "     如若遇到需要帮助，请点击     [联系我们] 或 点击 [使用说明]",
       32,
       {"     如若遇到需要帮助，请点击   ", "  [联系我们] 或 点击 [使用说明]"}},
      {"odd width raised by one", "abcdefgh", 5, {"abcdef", "gh"}},
  };
  for (const ChopCase& test : cases) {
    std::vector<std::string> pieces;
    for (const Text& piece : chopLine(utf8ToCp936(test.utf8), test.width)) pieces.push_back(cp936ToUtf8(piece));
    EXPECT_EQ(pieces, test.expectedUtf8) << test.name;
    for (const Text& piece : chopLine(utf8ToCp936(test.utf8), test.width)) {
      EXPECT_LE(piece.size(), static_cast<std::size_t>(test.width + test.width % 2)) << test.name;
    }
  }
}

}  // namespace
}  // namespace pindora
