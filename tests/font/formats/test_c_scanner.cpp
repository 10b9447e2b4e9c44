// C font scanner: pixel bytes in every form a hand-edited file may hold, read in bulk
// exactly as one by one, and the output room the writers format into.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "font/formats/c_text_scanner.h"
#include "font/formats/font_output.h"
#include "font/support/font_test_util.h"
#include "support/temp_dir.h"

namespace {

struct Reading {
  std::vector<int> Values;
  size_t Pos;
  std::string Error;
  size_t ErrorPos;
};

// Reads up to count bytes of text with Bytes, or with Byte one at a time.
Reading read(const std::string& text, size_t count, bool bulk) {
  CScanner scan(text.data(), text.size());
  Reading r;
  r.Values.assign(count + 1, -1);
  size_t n = 0;
  if (bulk) n = scan.Bytes(r.Values.data(), count);
  else
    while (n < count && scan.Byte(&r.Values[n])) ++n;
  r.Values.resize(n);
  r.Pos = scan.Pos;
  r.Error = scan.Error;
  r.ErrorPos = scan.ErrorPos;
  return r;
}

TEST(CScannerBytes, EveryFormReadsInBulkAsOneByOne) {
  const struct {
    const char* Text;
    std::vector<int> Values;  // what reading one byte more than there are gives
    const char* Error;
  } cases[] = {
      {"  0x1F, 0xfe, 0xA0,\r\n  0x00};", {0x1F, 0xFE, 0xA0, 0x00}, ""},
      // Without a closing brace, reading past the last byte meets the end of the text.
      {"0X1f,0x2", {0x1F, 0x2}, "Expecting a number"},  // upper-case prefix, one digit at the end
      {"0x1F", {0x1F}, "Expecting a number"},           // the text ends right after the digits
      {"0x1F, ", {0x1F}, "Expecting a number"},         // and after the separator
      {"0x12345, 0x0FFFF}", {0xFFFF, 0xFFFF}, ""},      // long numbers saturate
      {"  X_X_____,XXXXXXXX}", {0xA0, 0xFF}, ""},
      {"12, 65536, 7}", {12, 0xFFFF, 7}, ""},
      {"0x1Fg, 0x01", {}, "Expecting a number"},        // a word character after the digits
      {"0x, 1", {}, "Expecting a number"},
      {"0xF_, 1", {}, "Expecting a number"},
      {"X_X, 1", {}, "Expected a pattern of 8 characters"},
      {"0x01, abc", {0x01}, "Expecting a number"},
      {"/ 0x01 ;0x02 }", {0x01, 0x02}, ""},             // any non-word characters separate
      {"", {}, "Expecting a number"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Text);
    for (size_t count = 0; count <= c.Values.size() + 1; ++count) {
      const Reading bulk = read(c.Text, count, true);
      const Reading single = read(c.Text, count, false);
      EXPECT_EQ(bulk.Values, single.Values) << count;
      EXPECT_EQ(bulk.Pos, single.Pos) << count;
      EXPECT_EQ(bulk.Error, single.Error) << count;
      EXPECT_EQ(bulk.ErrorPos, single.ErrorPos) << count;
    }
    const Reading all = read(c.Text, c.Values.size() + 1, true);
    EXPECT_EQ(all.Values, c.Values);
    EXPECT_EQ(all.Error, c.Error);
  }
}

TEST(CScannerBytes, StopsAtTheClosingBraceAndAfterAnError) {
  const std::string text = "0x01, 0x02 }, 0x03";
  CScanner scan(text.data(), text.size());
  int v[4] = {-1, -1, -1, -1};
  EXPECT_EQ(scan.Bytes(v, 4), 2u);
  EXPECT_EQ(v[2], 0);
  EXPECT_EQ(text[scan.Pos], '}');
  EXPECT_TRUE(scan.Error.empty());
  scan.Fail("earlier");
  ++scan.Pos;
  EXPECT_EQ(scan.Bytes(v, 1), 0u);
  EXPECT_EQ(scan.Error, "earlier");
}

TEST(CScannerSearch, WordsAndCharactersAreFoundOnlyWhole) {
  const std::string text = "xGUI_FONT GUI_FONTS GUI_FONT;";
  CScanner scan(text.data(), text.size());
  ASSERT_TRUE(scan.FindWord("GUI_FONT"));
  EXPECT_EQ(scan.Pos, text.rfind(';'));
  EXPECT_FALSE(scan.FindWord("GUI_FONT"));
  EXPECT_EQ(scan.Pos, text.size());
  scan.Pos = 1;  // the word at the cursor counts even inside a longer word
  ASSERT_TRUE(scan.FindWord("GUI_FONT"));
  EXPECT_EQ(scan.Pos, 9u);
  scan.Pos = 0;
  EXPECT_TRUE(scan.SkipTo(';'));
  EXPECT_EQ(scan.Pos, text.size() - 1);
  ++scan.Pos;
  EXPECT_FALSE(scan.SkipTo(';'));
  EXPECT_EQ(scan.Pos, text.size());
}

struct FontOutputRoom : ::testing::Test {
  fonttest::HostScope scope;
  TempDir dir;
};

TEST_F(FontOutputRoom, RoomOfAnySizeKeepsTheOrderOfTheText) {
  const std::string path = dir / "room.txt";
  FILE* f = std::fopen(path.c_str(), "wb");
  ASSERT_NE(f, nullptr);
  FontOutput out;
  FONTOUT_Init(&out, f);
  std::string expected;
  // A nearly full buffer, then room that needs a drain, then room larger than the buffer.
  const size_t sizes[] = {OUT_BUFFER_SIZE - 10, 64, OUT_BUFFER_SIZE + 100, 3};
  char fill = 'a';
  for (size_t n : sizes) {
    char* p = FONTOUT_Room(&out, n);
    for (size_t i = 0; i + 1 < n; ++i) *p++ = fill;  // writes less than the room it asked for
    FONTOUT_Advance(&out, p);
    expected.append(n - 1, fill++);
    FONTOUT_Text(&out, "|");
    expected += '|';
  }
  EXPECT_TRUE(FONTOUT_Flush(&out));
  std::fclose(f);
  EXPECT_EQ(fonttest::slurp(path), expected);
  EXPECT_TRUE(scope.Host.Warnings.empty());
}

}  // namespace
