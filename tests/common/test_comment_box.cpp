// The comment box of generated C files: widths, centring, long texts.
#include <gtest/gtest.h>

#include "common/output/comment_box.h"
#include "common/settings/maker.h"

namespace {

TEST(CommentBox, EveryLineIsSeventyColumnsWide) {
  for (const std::string& line :
       {BOX_Top(), BOX_Rule(), BOX_Line("*"), BOX_Line("* Source file: logo"), BOX_Centred("Tavrex"),
        BOX_Centred("")}) {
    ASSERT_GE(line.size(), 2u);
    EXPECT_EQ(line.substr(line.size() - 2), "\r\n");
    EXPECT_EQ(line.size(), 72u) << line;
  }
  EXPECT_EQ(BOX_Top().substr(0, 2), "/*");
  EXPECT_EQ(BOX_Line("*").substr(68, 2), " *");
}

TEST(CommentBox, CentringPutsTheOddBlankOnTheRight) {
  // 68 columns between the asterisks; "abc" leaves 65: 32 left, 33 right.
  EXPECT_EQ(BOX_Centred("abc"), "*" + std::string(32, ' ') + "abc" + std::string(33, ' ') + "*\r\n");
  EXPECT_EQ(BOX_Centred(std::string(70, 'x')), "*" + std::string(70, 'x') + "*\r\n");
}

TEST(CommentBox, LongLinesKeepTheirWholeText) {
  const std::string text = "* NumColors:   65536 colors + 8 bit alpha channel and a long tail of words";
  EXPECT_EQ(BOX_Line(text), text + "*\r\n");
}

TEST(CommentBox, MakerBlockNamesTheMaker) {
  const std::string block = BOX_MakerBlock();
  EXPECT_EQ(block.rfind(BOX_Top(), 0), 0u);
  EXPECT_NE(block.find(BOX_Centred(MAKER_NAME)), std::string::npos);
  EXPECT_NE(block.find(BOX_Centred(MAKER_WEB)), std::string::npos);
  EXPECT_EQ(block.size(), 5 * 72u);
}

}  // namespace
