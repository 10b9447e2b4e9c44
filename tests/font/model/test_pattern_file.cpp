// Pattern files: the bytes written, decoding of both byte orders, files without a
// byte-order mark, Shift_JIS bytes, the missing-codes message and hostile files.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "font/model/edit_log.h"
#include "font/model/pattern_file.h"
#include "font/support/font_test_util.h"
#include "support/temp_dir.h"

namespace {

std::vector<unsigned> decode(const std::string& bytes, int encoding, size_t piece = 0) {
  std::vector<unsigned> codes;
  PatternDecoder d;
  d.Encoding = encoding;
  auto sink = [](void* ctx, unsigned code) { static_cast<std::vector<unsigned>*>(ctx)->push_back(code); };
  const auto* data = reinterpret_cast<const uint8_t*>(bytes.data());
  if (!piece) piece = bytes.size();
  for (size_t i = 0; i < bytes.size(); i += piece)
    PATTERN_Feed(&d, data + i, std::min(piece, bytes.size() - i), sink, &codes);
  return codes;
}

std::string units(std::initializer_list<unsigned> list, bool bigEndian = false) {
  std::string s;
  for (unsigned u : list) {
    char lo = static_cast<char>(u & 0xFF), hi = static_cast<char>(u >> 8);
    s += bigEndian ? hi : lo;
    s += bigEndian ? lo : hi;
  }
  return s;
}

struct PatternTest : ::testing::Test {
  fonttest::HostScope scope;
  TempDir dir;
  FontDoc* doc = nullptr;
  void SetUp() override {
    EDITLOG_Clear();
    doc = fonttest::make_manual(FONT_TYPE_STD, 8);
    for (unsigned c = 0x20; c < 0x80; ++c) doc->aChar[c].Available = 1;
  }
  void TearDown() override {
    FONT_Destroy(doc);
    EDITLOG_Clear();
  }
  std::string Write(const std::string& name, const std::string& bytes) {
    std::string path = dir / name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }
  std::vector<std::string> Warnings() const {
    std::vector<std::string> v;
    for (const auto& w : scope.Host.Warnings) v.push_back(w.Text);
    return v;
  }
};

TEST_F(PatternTest, SavedFileHoldsTheEnabledCodesWithALineBreakPerBlock) {
  FONT_SetEnabled(doc, 0x41, 1);
  FONT_SetEnabled(doc, 0x42, 1);
  FONT_SetEnabled(doc, 0x61, 1);
  EXPECT_EQ(PATTERN_Build(doc), units({0xFEFF, 0x41, 0x42, 0x0D, 0x0A, 0x61}));
  const std::string path = dir / "p.txt";
  ASSERT_TRUE(PATTERN_WriteFile(doc, path.c_str()));
  EXPECT_EQ(fonttest::slurp(path), units({0xFEFF, 0x41, 0x42, 0x0D, 0x0A, 0x61}));
  EXPECT_EQ(std::string(EDITLOG_GetText()).rfind("* Save pattern file: " + path, 0), 0u);
  // Read back into a document with nothing enabled.
  FONT_EnableRange(doc, 0, 0xFFFF, 0);
  EDITLOG_Clear();
  ASSERT_TRUE(PATTERN_ReadFile(doc, path.c_str()));
  FontRangeList list = FONT_BuildRangeList(doc);
  ASSERT_EQ(list.aRange.size(), 2u);
  EXPECT_EQ(list.aRange[0].First, 0x41);
  EXPECT_EQ(list.aRange[0].Last, 0x42);
  EXPECT_EQ(list.aRange[1].First, 0x61);
  EXPECT_TRUE(Warnings().empty());
  EXPECT_EQ(std::string(EDITLOG_GetText()).rfind("* Read pattern file: " + path, 0), 0u);
  EXPECT_GT(scope.Host.RedrawCount, 0);
  // An 8-bit document writes only its 256 codes; a path that cannot be written is not reported.
  doc->NumBlocks = 16;
  FONT_SetEnabled(doc, 0x1234, 1);
  EXPECT_EQ(PATTERN_Build(doc).size(), 12u);
  EXPECT_FALSE(PATTERN_WriteFile(doc, (dir / "missing/p.txt").c_str()));
  EXPECT_TRUE(Warnings().empty());
}

TEST_F(PatternTest, ByteOrdersAndFilesWithoutAMark) {
  EXPECT_EQ(decode(units({0xFEFF, 0x41, 0x3042}), FONT_ENC_UNICODE), (std::vector<unsigned>{0x41, 0x3042}));
  // Saved on a big-endian system: FE FF, the units swapped.
  EXPECT_EQ(decode(units({0xFEFF, 0x41, 0x3042}, true), FONT_ENC_UNICODE),
            (std::vector<unsigned>{0x41, 0x3042}));
  // Without a mark the first unit is a character too.
  EXPECT_EQ(decode(units({0x41, 0x42}), FONT_ENC_ISO8859), (std::vector<unsigned>{0x41, 0x42}));
  // Line breaks, tabs and other codes below 32 are skipped; a final odd byte is dropped.
  EXPECT_EQ(decode(units({0xFEFF, 0x09, 0x41, 0x0D, 0x0A, 0x1F, 0x20}) + "\x43", FONT_ENC_UNICODE),
            (std::vector<unsigned>{0x41, 0x20}));
  // The pieces the file is read in do not matter.
  const std::string text = units({0xFEFF, 0x41, 0x0D, 0x0A, 0xFF21, 0x42}, true);
  for (size_t piece : {1, 3, 5})
    EXPECT_EQ(decode(text, FONT_ENC_UNICODE, piece), (std::vector<unsigned>{0x41, 0xFF21, 0x42})) << piece;
  // Empty files give nothing.
  EXPECT_TRUE(decode("", FONT_ENC_UNICODE).empty());
}

TEST_F(PatternTest, ShiftJisDocumentsReadBytes) {
  // 'A', a line break, HIRAGANA A as 82 A0; a byte with bit 7 set always starts a
  // two-byte code (A1 43), and a byte-order mark is just a code.
  EXPECT_EQ(decode(std::string("A\r\n\x82\xA0" "B\xA1" "C", 8), FONT_ENC_SJIS),
            (std::vector<unsigned>{0x41, 0x82A0, 0x42, 0xA143}));
  EXPECT_EQ(decode(std::string("\xFF\xFE" "A", 3), FONT_ENC_SJIS), (std::vector<unsigned>{0xFFFE, 0x41}));
  EXPECT_EQ(decode(std::string("A\x82", 2), FONT_ENC_SJIS), (std::vector<unsigned>{0x41}));
}

TEST_F(PatternTest, MissingCodesAreListedTenPerLine) {
  std::string bytes = units({0xFEFF});
  for (unsigned c = 0x100; c < 0x100 + 90; ++c) bytes += units({c});
  bytes += units({0x41});
  ASSERT_TRUE(PATTERN_ReadFile(doc, Write("ninety.txt", bytes).c_str()));
  EXPECT_TRUE(doc->aChar[0x41].Enabled);
  EXPECT_FALSE(doc->aChar[0x100].Enabled);
  ASSERT_EQ(Warnings().size(), 1u);
  const std::string m = Warnings()[0];
  const std::string head =
      "The following character codes found in the pattern file\r\nare not part of the current font:\r\n";
  ASSERT_EQ(m.rfind(head, 0), 0u);
  EXPECT_EQ(m.substr(head.size(), 62), "\r\n0100, 0101, 0102, 0103, 0104, 0105, 0106, 0107, 0108, 0109\r\n");
  size_t lines = 0;
  for (size_t p = head.size(); (p = m.find("\r\n", p)) != std::string::npos; p += 2) ++lines;
  EXPECT_EQ(lines, 9u);
  EXPECT_EQ(m.size(), head.size() + 9 * 60);
  EXPECT_EQ(m.substr(m.size() - 6), ", 0159");
}

TEST_F(PatternTest, LongMessagesEndWithDots) {
  std::string bytes = units({0xFEFF});
  for (unsigned c = 0x1000; c < 0x1000 + 500; ++c) bytes += units({c});
  ASSERT_TRUE(PATTERN_ReadFile(doc, Write("many.txt", bytes).c_str()));
  ASSERT_EQ(Warnings().size(), 1u);
  const std::string m = Warnings()[0];
  EXPECT_EQ(m.substr(m.size() - 3), "...");
  EXPECT_EQ(m.find("..."), m.size() - 3);  // once
  EXPECT_GT(m.size(), 960u);
  EXPECT_EQ(m.size(), 965u);  // the code that passed 960, then the dots
  PatternMissing direct;
  for (unsigned c = 0; c < 1000; ++c) PATTERN_AddMissing(&direct, c);
  EXPECT_TRUE(direct.Cut);
  EXPECT_EQ(direct.Text.size(), m.size());  // the same bound, whatever the codes
  EXPECT_EQ(direct.Count, 145);  // 92 + 145 x 6 = 962 characters, then the dots
}

TEST_F(PatternTest, FilesThatCannotBeReadAreReported) {
  EXPECT_FALSE(PATTERN_ReadFile(doc, (dir / "none.txt").c_str()));
  EXPECT_EQ(Warnings(), (std::vector<std::string>{"Could not open file!"}));
  std::filesystem::create_directory(dir / "folder.txt");
  EXPECT_FALSE(PATTERN_ReadFile(doc, (dir / "folder.txt").c_str()));
  EXPECT_EQ(Warnings().size(), 2u);
  // The log line names the file with its full path, written before opening.
  EXPECT_EQ(std::string(EDITLOG_GetText()).rfind("* Read pattern file: " + (dir / "none.txt"), 0), 0u);
}

}  // namespace
