// Line wrapping of the C text writer.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "bitmap/output/c_text_writer.h"

namespace {

struct TextSink {
  FILE* File = std::tmpfile();
  std::unique_ptr<OutWriter> Out = std::make_unique<OutWriter>();
  std::unique_ptr<CTextWriter> W = std::make_unique<CTextWriter>();
  TextSink() {
    OUT_Init(Out.get(), File);
    CTEXT_Init(W.get(), Out.get());
  }
  ~TextSink() { std::fclose(File); }
  std::string Text() {
    CTEXT_Flush(W.get());
    std::rewind(File);
    std::string s;
    char buf[4096];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof(buf), File)) > 0) s.append(buf, n);
    return s;
  }
};

TEST(CTextWriter, PieceThatReachesColumn254StaysOnTheLine) {
  TextSink t;
  CTEXT_Piece(t.W.get(), std::string(250, 'a').c_str(), 250);
  CTEXT_Piece(t.W.get(), "bbbb", 4);  // ends exactly at column 254
  EXPECT_EQ(t.W->Column, 254);
  EXPECT_EQ(t.Text(), std::string(250, 'a') + "bbbb");
}

TEST(CTextWriter, PiecePastColumn254StartsIndentedLine) {
  TextSink t;
  CTEXT_Piece(t.W.get(), std::string(250, 'a').c_str(), 250);
  CTEXT_Piece(t.W.get(), "bbbbb", 5);
  EXPECT_EQ(t.W->Column, 13);
  EXPECT_EQ(t.Text(), std::string(250, 'a') + "\r\n        bbbbb");
}

TEST(CTextWriter, RawTextDoesNotMoveTheColumnAndResetStartsAgain) {
  TextSink t;
  CTEXT_Piece(t.W.get(), "ab", 2);
  CTEXT_Raw(t.W.get(), ",\r\n", 3);
  EXPECT_EQ(t.W->Column, 2);
  CTEXT_ResetColumn(t.W.get());
  CTEXT_Piece(t.W.get(), std::string(254, 'c').c_str(), 254);
  EXPECT_EQ(t.Text(), "ab,\r\n" + std::string(254, 'c'));
}

TEST(CTextWriter, LargeOutputArrivesCompleteAndInOrder) {
  TextSink t;
  std::string expected;
  for (int i = 0; i < 100000; ++i) {
    std::string piece = std::to_string(i) + ";";
    CTEXT_Raw(t.W.get(), piece.data(), piece.size());
    expected += piece;
  }
  EXPECT_EQ(t.Text(), expected);
}

TEST(CTextWriter, DecimalAndHexHelpers) {
  char buf[32];
  EXPECT_EQ(std::string(buf, CTEXT_PutDec(buf, 0)), "0");
  EXPECT_EQ(std::string(buf, CTEXT_PutDec(buf, 4294967296ull)), "4294967296");
  EXPECT_EQ(std::string(buf, CTEXT_PutHex4(buf, 0xA0F)), "0A0F");
  EXPECT_EQ(std::string(buf, CTEXT_PutHex8(buf, 0xFF00ab12u)), "FF00AB12");
}

}  // namespace
