// Firmware check of generated C fonts: every font type, both compatibility forms,
// magnifications 1x1, 2x1 and 1x3, several ranges, and a font read from BDF. The C
// file is compiled with cc -std=c99 -Wall -Wextra -Werror -pedantic, linked with the
// tests' reference decoder, a text line is drawn by walking the range chain and every
// pixel is compared with the document's glyphs placed by their metrics.
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <vector>

#include "font/formats/bdf_reader.h"
#include "font/formats/font_save.h"
#include "support/temp_dir.h"
#include "font/support/generated_font.h"

namespace {

struct Canvas {
  int W = 0, H = 0;
  std::vector<int> Pix;
  void Put(int x, int y, int v) {
    if (v == 0 || x < 0 || y < 0 || x >= W || y >= H) return;
    Pix[static_cast<size_t>(y * W + x)] = v;
  }
};

const int kMarginX = 8, kMarginY = 8;

// The document's glyphs placed by their metrics, magnified as the writer must.
Canvas expected_line(const FontDoc* doc, const std::vector<unsigned>& codes, int mx, int my,
                     int w, int h) {
  Canvas c;
  c.W = w;
  c.H = h;
  c.Pix.assign(static_cast<size_t>(w * h), 0);
  int pen = kMarginX;
  const bool ext = FONT_IsExtended(doc->Type);
  for (unsigned code : codes) {
    const FontChar& ch = doc->aChar[code];
    int rows = ext ? (ch.GlyphHeight ? ch.GlyphHeight : doc->Height) : doc->Height;
    int ox = ext ? ch.XPos * mx : 0;
    int oy = ext ? (doc->Baseline - ch.TopAboveBaseline) * my : 0;
    for (int y = 0; y < rows * my; ++y)
      for (int x = 0; x < ch.Width * mx; ++x)
        c.Put(pen + ox + x, kMarginY + oy + y, FONT_GetPixel(doc, code, x / mx, y / my));
    pen += ext ? ch.CursorDist * mx : ch.Width * mx;
  }
  return c;
}

// Compiles the font with a driver that prints the decoded canvas; empty on failure.
std::string decode_with_firmware(const TempDir& dir, const std::string& fontFile,
                                 const std::string& id, const std::vector<unsigned>& codes,
                                 int w, int h, bool v350, std::string* log) {
  std::ostringstream drv;
  drv << "#include <stdio.h>\n#include \"GUI.h\"\n#include \"font_decoder.h\"\n"
      << "extern GUI_CONST_STORAGE GUI_FONT " << id << ";\n"
      << "static const unsigned short aCode[] = {";
  for (size_t i = 0; i < codes.size(); ++i) drv << (i ? "," : "") << codes[i];
  drv << "};\nstatic signed char acCanvas[" << w * h << "];\n"
      << "int main(void) {\n  int x, y;\n"
      << "  int r = FONTDEC_DrawText(&" << id << ", aCode, " << codes.size() << ", " << kMarginX
      << ", " << kMarginY << ", acCanvas, " << w << ", " << h << ");\n"
      << "  printf(\"%d\\n\", r);\n"
      << "  for (y = 0; y < " << h << "; y++) {\n    for (x = 0; x < " << w << "; x++) {\n"
      << "      int v = acCanvas[y * " << w << " + x];\n"
      << "      putchar(v < 0 ? '#' : \"0123456789ABCDEF\"[v]);\n    }\n    putchar('\\n');\n  }\n"
      << "  return 0;\n}\n";
  std::string driver = dir / "driver.c";
  FILE* f = std::fopen(driver.c_str(), "wb");
  std::fputs(drv.str().c_str(), f);
  std::fclose(f);
  std::string exe = dir / "decode";
  std::string cmd = std::string("cc -std=c99 -Wall -Wextra -Werror -pedantic ") +
                    (v350 ? "-DGUI_FONT_V350=1 " : "") + "-I" FIRMWARE_DIR " " + fontFile + " " +
                    driver + " " FIRMWARE_DIR "/font_decoder.c -o " + exe + " > " + (dir / "cc.log") +
                    " 2>&1";
  if (std::system(cmd.c_str()) != 0) {
    *log = fonttest::slurp(dir / "cc.log");
    return "";
  }
  std::string outFile = dir / "decoded.txt";
  if (std::system((exe + " > " + outFile).c_str()) != 0) return "";
  return fonttest::slurp(outFile);
}

struct Case {
  int Type;
  int Compat;
  int MagX, MagY;
};

class FirmwareFont : public ::testing::TestWithParam<Case> {};

// The decoder's output: its clip count line, then one line of w characters per pixel
// row ('#' a frame pixel, hex digits the values). Rows missing or cut short leave -2.
struct Decoded {
  int Clipped = -2;
  bool Complete = true;  // h lines of exactly w characters
  Canvas Pix;
};

Decoded parse_decoded(const std::string& out, int w, int h) {
  Decoded d;
  d.Pix.W = w;
  d.Pix.H = h;
  d.Pix.Pix.assign(static_cast<size_t>(w) * static_cast<size_t>(h), -2);
  std::istringstream in(out);
  std::string line;
  if (std::getline(in, line)) d.Clipped = std::atoi(line.c_str());
  for (int y = 0; y < h; ++y) {
    if (!std::getline(in, line)) {
      d.Complete = false;
      break;
    }
    if (static_cast<int>(line.size()) != w) d.Complete = false;
    for (int x = 0; x < w && x < static_cast<int>(line.size()); ++x) {
      const char ch = line[static_cast<size_t>(x)];
      d.Pix.Pix[static_cast<size_t>(y * w + x)] = ch == '#' ? -1 : (ch <= '9' ? ch - '0' : ch - 'A' + 10);
    }
  }
  return d;
}

// Decoded pixels that differ from the expected canvas (the first few reported; pixels
// of missing or short rows are not compared); *ink counts the decoded non-zero pixels.
int mismatches(const Canvas& got, const Canvas& want, int* ink) {
  int n = 0;
  *ink = 0;
  for (int y = 0; y < got.H; ++y)
    for (int x = 0; x < got.W; ++x) {
      const int g = got.Pix[static_cast<size_t>(y * got.W + x)], e = want.Pix[static_cast<size_t>(y * want.W + x)];
      if (g == -2) continue;
      if (g != 0) ++*ink;
      if (g != e && ++n < 5) ADD_FAILURE() << "pixel " << x << "," << y << ": " << g << " vs " << e;
    }
  return n;
}

TEST_P(FirmwareFont, DecodedLineMatchesTheDocument) {
  const Case& k = GetParam();
  fonttest::HostScope scope;
  TempDir dir;
  FontDoc* doc = fonttest::make_font(k.Type, 16, FONT_ENC_UNICODE,
                                     k.Type == FONT_TYPE_AA4 ? FONT_AA_INTERNAL : FONT_AA_OS);
  ASSERT_NE(doc, nullptr);
  // Three ranges: printable ASCII, a few accented capitals, the euro sign.
  fonttest::enable_only(doc, 0x20, 0x7E);
  FONT_EnableRange(doc, 0xC0, 0xC5, 1);
  FONT_SetEnabled(doc, 0x20AC, 1);
  std::string file = dir / "font-test.c";
  FONT_SetPath(doc, file.c_str());
  FontSaveOptions o;
  o.Compatibility = k.Compat;
  o.MagX = k.MagX;
  o.MagY = k.MagY;
  ASSERT_EQ(FONTSAVE_Save(doc, FONT_FORMAT_C, false, o), 0);
  std::vector<unsigned> codes;
  for (unsigned c = 0x20; c <= 0x7E; ++c) codes.push_back(c);
  for (unsigned c = 0xC0; c <= 0xC5; ++c) codes.push_back(c);
  codes.push_back(0x20AC);
  int advance = 0;
  for (unsigned c : codes)
    advance += FONT_IsExtended(doc->Type) ? doc->aChar[c].CursorDist : doc->aChar[c].Width;
  const int w = advance * k.MagX + 2 * kMarginX + 40 * k.MagX;
  const int h = doc->Height * k.MagY + 2 * kMarginY;
  std::string log;
  std::string out = decode_with_firmware(dir, file, "GUI_Fontfonttest", codes, w, h, k.Compat == 1, &log);
  ASSERT_FALSE(out.empty()) << log;
  const Decoded got = parse_decoded(out, w, h);
  EXPECT_EQ(got.Clipped, 0);
  ASSERT_TRUE(got.Complete);
  int ink = 0;
  EXPECT_EQ(mismatches(got.Pix, expected_line(doc, codes, k.MagX, k.MagY, w, h), &ink), 0);
  EXPECT_GT(ink, 500);  // the line really holds text
  FONT_Destroy(doc);
}

std::vector<Case> all_cases() {
  std::vector<Case> v;
  const int mags[3][2] = {{1, 1}, {2, 1}, {1, 3}};
  for (int type = 0; type <= 6; ++type)
    for (int compat = 0; compat <= 1; ++compat)
      for (const auto& m : mags) v.push_back({type, compat, m[0], m[1]});
  return v;
}

std::string case_name(const ::testing::TestParamInfo<Case>& info) {
  const Case& k = info.param;
  return "Type" + std::to_string(k.Type) + (k.Compat ? "_V350" : "_V352") + "_Mag" +
         std::to_string(k.MagX) + "x" + std::to_string(k.MagY);
}

INSTANTIATE_TEST_SUITE_P(AllTypes, FirmwareFont, ::testing::ValuesIn(all_cases()), case_name);

TEST(FirmwareFontSjis, ShiftJisFontCompilesAndDecodes) {
  fonttest::HostScope scope;
  TempDir dir;
  FontDoc* doc = fonttest::make_font(FONT_TYPE_STD, 16, FONT_ENC_SJIS, FONT_AA_OS, "IPAGothic");
  ASSERT_NE(doc, nullptr);
  fonttest::enable_only(doc, 0x41, 0x43);
  FONT_SetEnabled(doc, 0x82A0, 1);  // HIRAGANA LETTER A
  FONT_SetEnabled(doc, 0x889F, 1);  // the first JIS X 0208 kanji
  std::string file = dir / "sjis.c";
  FONT_SetPath(doc, file.c_str());
  ASSERT_EQ(FONTSAVE_Save(doc, FONT_FORMAT_C, false, FontSaveOptions{}), 0);
  std::string text = fonttest::slurp(file);
  EXPECT_NE(text.find("GUI_FONTTYPE_PROP_SJIS"), std::string::npos);
  EXPECT_NE(text.find("/* HIRAGANA LETTER A */\r\nGUI_CONST_STORAGE unsigned char acGUI_Fontsjis_82A0"),
            std::string::npos);
  std::vector<unsigned> codes = {0x41, 0x42, 0x43, 0x82A0, 0x889F};
  int advance = 0;
  for (unsigned c : codes) advance += doc->aChar[c].Width;
  const int w = advance + 2 * kMarginX, h = doc->Height + 2 * kMarginY;
  std::string log;
  std::string out = decode_with_firmware(dir, file, "GUI_Fontsjis", codes, w, h, false, &log);
  ASSERT_FALSE(out.empty()) << log;
  const Decoded got = parse_decoded(out, w, h);
  EXPECT_EQ(got.Clipped, 0);
  int ink = 0, kanjiInk = 0;
  EXPECT_EQ(mismatches(got.Pix, expected_line(doc, codes, 1, 1, w, h), &ink), 0);
  for (int y = 0; y < h; ++y)
    for (int x = w - kMarginX - doc->aChar[0x889F].Width; x < w; ++x)
      if (const int v = got.Pix.Pix[static_cast<size_t>(y * w + x)]; v != 0 && v != -2) ++kanjiInk;
  EXPECT_GT(kanjiInk, 20);
  FONT_Destroy(doc);
}

// A BDF font converted to C: the firmware draws what the reader trimmed and placed.
TEST(FirmwareFontBdf, SpleenConvertedToCDecodesAsTheDocument) {
  fonttest::HostScope scope;
  TempDir dir;
  FontDoc* doc = BDF_Read(FONT_TEST_DATA_DIR "/bdf/spleen/spleen-12x24.bdf");
  ASSERT_NE(doc, nullptr);
  std::string file = dir / "spleen.c";
  FONT_SetPath(doc, file.c_str());
  ASSERT_EQ(FONTSAVE_Save(doc, FONT_FORMAT_C, false, FontSaveOptions{}), 0);
  // Printable ASCII and the first 60 characters above it, several ranges among them.
  std::vector<unsigned> codes;
  for (unsigned c = 0x20; c <= 0x7E; ++c)
    if (doc->aChar[c].Enabled) codes.push_back(c);
  for (unsigned c = 0x7F; c < FONT_NUM_CODES && codes.size() < 155; ++c)
    if (doc->aChar[c].Enabled) codes.push_back(c);
  ASSERT_EQ(codes.size(), 155u);
  int advance = 0;
  for (unsigned c : codes) advance += doc->aChar[c].CursorDist;
  const int w = advance + 2 * kMarginX, h = doc->Height + 2 * kMarginY;
  std::string log;
  std::string out = decode_with_firmware(dir, file, "GUI_Fontspleen", codes, w, h, false, &log);
  ASSERT_FALSE(out.empty()) << log;
  const Decoded got = parse_decoded(out, w, h);
  EXPECT_EQ(got.Clipped, 0);
  ASSERT_TRUE(got.Complete);
  int ink = 0;
  EXPECT_EQ(mismatches(got.Pix, expected_line(doc, codes, 1, 1, w, h), &ink), 0);
  EXPECT_GT(ink, 2000);
  FONT_Destroy(doc);
}

}  // namespace
