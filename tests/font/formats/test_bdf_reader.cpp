// BDF reader: every corpus font compared glyph by glyph with the tests' own parse of
// the file (ink in absolute positions relative to the baseline), edge cases and
// damaged files.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <sstream>
#include <string>

#include "font/formats/bdf_reader.h"
#include "font/formats/c_font_reader.h"
#include "font/formats/font_save.h"
#include "font/model/edit_log.h"
#include "font/support/font_test_util.h"
#include "support/temp_dir.h"

namespace {

// One glyph as the file describes it: ink pixels as (x, y) with y upwards from the
// baseline (row r of a BBX h yoff box is at y = h + yoff - 1 - r).
struct RefGlyph {
  int Advance = 0;
  std::set<std::pair<int, int>> Ink;
};

struct RefFont {
  int Height = 0, Baseline = 0;
  std::map<long, RefGlyph> Glyphs;
};

RefFont reference_parse(const std::string& text) {
  RefFont f;
  std::istringstream in(text);
  std::string line;
  long code = -1;
  int w = 0, h = 0, xo = 0, yo = 0;
  RefGlyph g;
  while (std::getline(in, line)) {
    std::istringstream ls(line);
    std::string key;
    ls >> key;
    if (key == "FONTBOUNDINGBOX") {
      int bw, bx, by;
      ls >> bw >> f.Height >> bx >> by;
      f.Baseline = f.Height + by;
    } else if (key == "STARTCHAR") {
      g = RefGlyph();
    } else if (key == "ENCODING") {
      ls >> code;
    } else if (key == "DWIDTH") {
      ls >> g.Advance;
    } else if (key == "BBX") {
      ls >> w >> h >> xo >> yo;
    } else if (key == "BITMAP") {
      for (int r = 0; r < h; ++r) {
        std::getline(in, line);
        for (int x = 0; x < w; ++x) {
          size_t digit = static_cast<size_t>(x / 4);
          if (digit >= line.size()) break;
          int v = std::stoi(line.substr(digit, 1), nullptr, 16);
          if (v >> (3 - x % 4) & 1) g.Ink.insert({xo + x, h + yo - 1 - r});
        }
      }
    } else if (key == "ENDCHAR") {
      if (code >= 0 && code <= 0xFFFF) f.Glyphs[code] = g;
    }
  }
  return f;
}

std::set<std::pair<int, int>> document_ink(const FontDoc* doc, unsigned c) {
  std::set<std::pair<int, int>> ink;
  const FontChar& ch = doc->aChar[c];
  for (int y = 0; y < ch.GlyphHeight; ++y)
    for (int x = 0; x < ch.Width; ++x)
      if (FONT_GetPixel(doc, c, x, y) > 0) ink.insert({ch.XPos + x, ch.TopAboveBaseline - 1 - y});
  return ink;
}

void compare_with_reference(const std::string& path) {
  const std::string text = fonttest::slurp(path);
  ASSERT_FALSE(text.empty()) << path;
  FontDoc* doc = BDF_Parse(text.c_str(), text.size(), nullptr);
  ASSERT_NE(doc, nullptr) << path;
  const RefFont ref = reference_parse(text);
  EXPECT_EQ(doc->Type, FONT_TYPE_EXT);
  EXPECT_EQ(doc->Height, ref.Height);
  EXPECT_EQ(doc->Baseline, ref.Baseline);
  int enabled = 0, bad = 0;
  for (unsigned c = 0; c < FONT_NUM_CODES; ++c) enabled += doc->aChar[c].Enabled;
  EXPECT_EQ(enabled, static_cast<int>(ref.Glyphs.size())) << path;
  for (const auto& [code, g] : ref.Glyphs) {
    const unsigned c = static_cast<unsigned>(code);
    const bool same = doc->aChar[c].Enabled && doc->aChar[c].CursorDist == g.Advance && document_ink(doc, c) == g.Ink;
    if (!same && ++bad <= 3) ADD_FAILURE() << path << " code " << std::hex << c;
  }
  FONT_Destroy(doc);
}

struct Bdf : ::testing::Test {
  fonttest::HostScope scope;
  TempDir dir;
  void SetUp() override { fonttest::init_tables(); }
};

TEST_F(Bdf, EveryCorpusFontMatchesTheReferenceParse) {
  int files = 0;
  for (const auto& e : std::filesystem::recursive_directory_iterator(std::string(FONT_TEST_DATA_DIR) + "/bdf"))
    if (e.path().extension() == ".bdf") {
      SCOPED_TRACE(e.path().string());
      compare_with_reference(e.path().string());
      ++files;
    }
  EXPECT_GE(files, 20);
}

TEST_F(Bdf, UnifontFromTheSharedCorpus) {
  const std::string path = std::string(FONT_SHARED_BDF_DIR) + "/unifont/unifont.bdf";
  if (!std::filesystem::exists(path)) GTEST_SKIP() << "no shared corpus at " << path;
  compare_with_reference(path);
}

TEST_F(Bdf, TrimmingPlacementAndEdgeCases) {
  const std::string text =
      "STARTFONT 2.1\nFONT x\nFONTBOUNDINGBOX 8 16 0 -4\nCHARS 3\n"
      "STARTCHAR a\nENCODING 65\nSWIDTH 500 0\nDWIDTH 9 0\nBBX 8 8 0 -2\nBITMAP\n00\n00\n00\n10\n00\n00\n00\n00\nENDCHAR\n"
      "STARTCHAR b\nENCODING 66\nDWIDTH 7 0\nBBX 8 2 0 0\nBITMAP\n00\n00\nENDCHAR\n"
      "STARTCHAR c\nENCODING 67\nDWIDTH 4 0\nBBX 3 1 1 0\nBITMAP\nF0\nENDCHAR\nENDFONT\n";
  FontDoc* doc = BDF_Parse(text.c_str(), text.size(), nullptr);
  ASSERT_NE(doc, nullptr);
  EXPECT_EQ(doc->Height, 16);
  EXPECT_EQ(doc->Baseline, 12);
  const FontChar& a = doc->aChar['A'];
  EXPECT_EQ(a.Width, 1);
  EXPECT_EQ(a.GlyphHeight, 1);
  EXPECT_EQ(a.XPos, 3);
  EXPECT_EQ(a.TopAboveBaseline, 8 - 2 - 3);
  EXPECT_EQ(FONT_GetPixel(doc, 'A', 0, 0), 1);
  EXPECT_EQ(doc->aChar['B'].Width, 1);
  EXPECT_EQ(doc->aChar['B'].GlyphHeight, 1);
  EXPECT_EQ(doc->aChar['B'].CursorDist, 7);
  EXPECT_EQ(doc->aChar['C'].Width, 3);
  EXPECT_EQ(FONT_GetPixel(doc, 'C', 2, 0), 1);
  FONT_Destroy(doc);
}

TEST_F(Bdf, DamagedFilesAreRefused) {
  const std::string good = fonttest::slurp(std::string(FONT_TEST_DATA_DIR) + "/bdf/x11-misc/micro.bdf");
  ASSERT_FALSE(good.empty());
  auto replaced = [&good](const char* from, const char* to) {
    std::string s = good;
    size_t p = s.find(from);
    EXPECT_NE(p, std::string::npos) << from;
    if (p != std::string::npos) s.replace(p, std::strlen(from), to);
    return s;
  };
  const std::string cases[] = {
      replaced("FONTBOUNDINGBOX", "FONTBOX"), replaced("ENCODING", "ENCODE"), replaced("DWIDTH", "DW"),
      replaced("BBX", "BOX"),                 replaced("ENDCHAR", "END"),     replaced("ENDFONT", "END"),
      replaced("BITMAP\n", "BITMAP\nZZ\n"),  good.substr(0, good.size() / 2),
  };
  for (const std::string& s : cases) {
    FontDoc* doc = BDF_Parse(s.c_str(), s.size(), nullptr);
    EXPECT_EQ(doc, nullptr);
    FONT_Destroy(doc);
  }
  EXPECT_EQ(BDF_Read((dir / "none.bdf").c_str()), nullptr);
  EXPECT_EQ(scope.Host.Warnings.size(), 1u);
}

TEST_F(Bdf, ReadFontSavedAsCReadsBackTheSameGlyphs) {
  const std::string path = std::string(FONT_TEST_DATA_DIR) + "/bdf/x11-75dpi/helvR08.bdf";
  FontDoc* doc = BDF_Read(path.c_str());
  ASSERT_NE(doc, nullptr);
  const std::string out = dir / "helv.c";
  FONT_SetPath(doc, out.c_str());
  ASSERT_EQ(FONTSAVE_Save(doc, FONT_FORMAT_C, false, FontSaveOptions{}), 0);
  FontDoc* back = CFONT_Read(out.c_str());
  ASSERT_NE(back, nullptr);
  for (unsigned c = 0; c < FONT_NUM_CODES; ++c) {
    ASSERT_EQ(doc->aChar[c].Enabled, back->aChar[c].Enabled) << c;
    if (doc->aChar[c].Enabled) {
      ASSERT_EQ(document_ink(doc, c), document_ink(back, c)) << c;
    }
  }
  FONT_Destroy(back);
  FONT_Destroy(doc);
}

}  // namespace
