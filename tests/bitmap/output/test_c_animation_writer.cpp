// Animated sprite and cursor files: the series of calls, the text layout (names, padding,
// line wrapping, usage lines, GUI_CURSOR_ANIM) and golden files of a small sprite and
// cursor made from the GIFs in data/.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "bitmap/output/animation_from_gif.h"
#include "bitmap/output/c_animation_writer.h"
#include "support/golden_stamp.h"
#include "writer_test_util.h"

namespace {

using DocPtr = std::unique_ptr<ImageDocument, DocDeleter>;

// Runs a series of frames through the writer into a string.
struct Series {
  std::unique_ptr<OutWriter> Out = std::make_unique<OutWriter>();
  CTextWriter W;
  CAnimWriter Writer;
  FILE* File = std::tmpfile();
  CAnimRequest Request;
  std::string Path;

  Series(int kind, const char* path, uint32_t totalDelay = 0) : Path(path) {
    OUT_Init(Out.get(), File);
    CTEXT_Init(&W, Out.get());
    Request = {kind, Path.c_str(), totalDelay, false};
  }
  ~Series() { std::fclose(File); }
  int Write(const ImageDocument* doc, int following, int ownPalette = -1, int firstGlobal = 0, uint32_t delay = 100) {
    const CAnimFrame f = {doc, ownPalette, firstGlobal, delay};
    return CANIM_WriteFrame(&Writer, &W, &Request, &f, following);
  }
  std::string Text() {
    CTEXT_Flush(&W);
    std::rewind(File);
    std::string s;
    char buf[65536];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof(buf), File)) > 0) s.append(buf, n);
    return s;
  }
};

ImageDocument* frame_doc(int w, int h, int colours, int seed) {
  return MakePaletted(w, h, colours, [=](int x, int y) { return (x + 2 * y + seed) % colours; });
}

// Writes n frames of one document that all use the global table.
std::string global_series(int kind, const char* path, int n, uint32_t delay) {
  DocPtr doc(frame_doc(4, 3, 4, 0));
  Series s(kind, path, delay * static_cast<uint32_t>(n));
  for (int k = 0; k < n; ++k) EXPECT_EQ(s.Write(doc.get(), n - 1 - k, -1, 0, delay), CANIM_OK) << k;
  return s.Text();
}

size_t count(const std::string& s, const std::string& what) {
  size_t n = 0;
  for (size_t p = s.find(what); p != std::string::npos; p = s.find(what, p + 1)) ++n;
  return n;
}

// The lines of the block that starts with `head`, up to its closing "};".
std::vector<std::string> block(const std::string& text, const std::string& head) {
  std::vector<std::string> lines = SplitLines(text), out;
  bool in = false;
  for (const std::string& l : lines) {
    if (l == head) {
      in = true;
      continue;
    }
    if (in && l == "};") break;
    if (in) out.push_back(l);
  }
  return out;
}

std::string read(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

}  // namespace

TEST(CAnimWriter, CallsMustFollowEachOther) {
  DocPtr doc(frame_doc(4, 3, 4, 0));
  Series s(CANIM_KIND_SPRITE, "walk.c");
  EXPECT_EQ(s.Write(doc.get(), 2), CANIM_OK);
  EXPECT_EQ(s.Write(doc.get(), 0), CANIM_ESERIES);  // frame 1 was skipped
  // The series was reset: a call starts a new one.
  EXPECT_EQ(s.Write(doc.get(), 1), CANIM_OK);
  EXPECT_EQ(s.Write(doc.get(), 1), CANIM_ESERIES);  // the same frame again
  EXPECT_EQ(s.Write(doc.get(), -1), CANIM_ESERIES);
  // A completed series leaves nothing behind.
  EXPECT_EQ(s.Write(doc.get(), 0), CANIM_OK);
  EXPECT_EQ(s.Write(doc.get(), 0), CANIM_OK);
  // Frames must be 8-bit palette images.
  DocPtr rgb(MakeTrueColor(2, 2, false, [](int, int) { return 0u; }));
  EXPECT_EQ(s.Write(rgb.get(), 0), CANIM_EREFUSED);
}

TEST(CAnimWriter, TwelveFramesOfTheGlobalTableShareOnePalette) {
  const std::string text = global_series(CANIM_KIND_SPRITE, "/tmp/walk.c", 12, 80);
  EXPECT_EQ(count(text, "GUI_LOGPALETTE"), 1u);
  EXPECT_EQ(count(text, "static GUI_CONST_STORAGE GUI_LOGPALETTE _Palwalk0 = {\r\n"), 1u);
  EXPECT_EQ(count(text, "The following are the entries of the palette table."), 1u);
  const std::vector<std::string> abm = block(text, "static GUI_CONST_STORAGE GUI_BITMAP _abmwalk[] = {");
  ASSERT_EQ(abm.size(), 12u);
  EXPECT_EQ(abm[0], "  { 4, 3, 4, 8, _acwalk0,  &_Palwalk0  },");
  EXPECT_EQ(abm[9], "  { 4, 3, 4, 8, _acwalk9,  &_Palwalk0  },");
  EXPECT_EQ(abm[10], "  { 4, 3, 4, 8, _acwalk10, &_Palwalk0  },");
  EXPECT_EQ(abm[11], "  { 4, 3, 4, 8, _acwalk11, &_Palwalk0  }");
  for (int k = 0; k < 12; ++k)
    EXPECT_EQ(count(text, "static GUI_CONST_STORAGE unsigned char _acwalk" + std::to_string(k) + "[] = {\r\n"), 1u) << k;
  // Header and declarations.
  EXPECT_NE(text.find("* Source file: walk.gif (Animated Sprite)"), std::string::npos);
  EXPECT_NE(text.find("* Dimensions:  4 * 3"), std::string::npos);
  EXPECT_NE(text.find("* NumImages:   12 "), std::string::npos);
  EXPECT_NE(text.find("* Duration:    960 ms "), std::string::npos);
  EXPECT_NE(text.find("\r\n* Usage:\r\n*   extern const GUI_BITMAP * apbmwalk[12];\r\n*   extern const unsigned     "
                      "aDelaywalk[12];\r\n*   GUI_SPRITE_CreateAnim(apbmwalk, 10, 10, 0, aDelaywalk, "
                      "GUI_COUNTOF(apbmwalk));\r\n*\r\n*/\r\n"),
            std::string::npos);
  EXPECT_NE(text.find("extern const GUI_BITMAP * apbmwalk[12];\r\nextern const unsigned     aDelaywalk[12];\r\n\r\n"),
            std::string::npos);
  EXPECT_EQ(text.substr(text.size() - 72), "/*************************** End of file ****************************/\r\n");
}

TEST(CAnimWriter, PointerLinesStayWithinOneHundredColumns) {
  const std::string text = global_series(CANIM_KIND_SPRITE, "walk.c", 40, 10);
  const std::vector<std::string> lines = block(text, "const GUI_BITMAP * apbmwalk[] = {");
  ASSERT_GT(lines.size(), 1u);
  std::string joined;
  for (size_t i = 0; i < lines.size(); ++i) {
    EXPECT_LE(lines[i].size(), 100u) << i;
    // A line is cut only when the next entry would not fit.
    if (i + 1 < lines.size()) {
      const size_t next = lines[i + 1].find("&_abm", 3);
      EXPECT_GT(lines[i].size() + (next == std::string::npos ? lines[i + 1].size() : next), 100u) << i;
    }
    joined += lines[i];
  }
  std::string want;
  for (int e = 0; e < 40; ++e)
    want += "  &_abmwalk[" + std::to_string(e) + "]" + (e < 39 ? "," : "") + (e < 10 ? " " : "");
  EXPECT_EQ(joined, want);
}

TEST(CAnimWriter, DelaysWrapBeforeColumn254) {
  const std::string text = global_series(CANIM_KIND_SPRITE, "walk.c", 60, 12340);
  const std::vector<std::string> lines = block(text, "const unsigned aDelaywalk[] = {");
  ASSERT_GT(lines.size(), 1u);
  EXPECT_EQ(lines[0].substr(0, 8), "  12340,");
  std::string joined;
  for (size_t i = 0; i < lines.size(); ++i) {
    EXPECT_LE(lines[i].size(), 254u) << i;
    if (i) {
      EXPECT_EQ(lines[i].substr(0, 2), " 1") << i;  // indented by one blank
    }
    joined += lines[i];
  }
  std::string want = "  12340";
  for (int e = 1; e < 60; ++e) want += ", 12340";
  EXPECT_EQ(joined, want);
}

TEST(CAnimWriter, CursorStructureCommentsLineUp) {
  const std::string text = global_series(CANIM_KIND_CURSOR, "walk.c", 3, 50);
  const std::vector<std::string> lines = block(text, "const GUI_CURSOR_ANIM Cursorwalk = {");
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[0], "  _apbmwalk,    // Pointer to an array of bitmaps");
  EXPECT_EQ(lines[1], "  0,            // x coordinate of the hot spot");
  EXPECT_EQ(lines[2], "  0,            // y coordinate of the hot spot");
  EXPECT_EQ(lines[3], "  0,            // Period, should be 0 here");
  EXPECT_EQ(lines[4], "  _aDelaywalk,  // Pointer to an array of periods");
  EXPECT_EQ(lines[5], "  3             // Number of images");
  for (const std::string& l : lines) EXPECT_EQ(l.find("//"), 16u) << l;
  EXPECT_NE(text.find("static const GUI_BITMAP * _apbmwalk[] = {\r\n"), std::string::npos);
  EXPECT_NE(text.find("static const unsigned _aDelaywalk[] = {\r\n  50, 50, 50\r\n};\r\n"), std::string::npos);
  EXPECT_NE(text.find("* Source file: walk.gif (Animated Cursor)"), std::string::npos);
  EXPECT_NE(text.find("\r\n* Usage:\r\n*   extern const GUI_CURSOR_ANIM Cursorwalk;\r\n*   "
                      "GUI_CURSOR_SelectAnim(&Cursorwalk);\r\n*\r\n*/\r\n"),
            std::string::npos);
  EXPECT_NE(text.find("extern const GUI_CURSOR_ANIM Cursorwalk;\r\n\r\n"), std::string::npos);
  // A longer identifier moves the comments: column L + 12.
  const std::string longer = global_series(CANIM_KIND_CURSOR, "hourglass.c", 12, 50);
  for (const std::string& l : block(longer, "const GUI_CURSOR_ANIM Cursorhourglass = {")) EXPECT_EQ(l.find("//"), 21u) << l;
}

TEST(CAnimWriter, PalettesOfLocalTablesAndOfDifferentTransparency) {
  DocPtr global(frame_doc(4, 3, 4, 0));
  DocPtr local(frame_doc(4, 3, 2, 1));
  DocPtr globalTrans(frame_doc(4, 3, 4, 2));
  IMAGE_SetTransIndex(globalTrans.get(), 0);  // the same table, but transparent entry 0
  Series s(CANIM_KIND_SPRITE, "anim.c");
  ASSERT_EQ(s.Write(local.get(), 5, 0, 1), CANIM_OK);
  ASSERT_EQ(s.Write(global.get(), 4, -1, 1), CANIM_OK);
  ASSERT_EQ(s.Write(local.get(), 3, 2, 1), CANIM_OK);
  ASSERT_EQ(s.Write(globalTrans.get(), 2, -1, 1), CANIM_OK);
  ASSERT_EQ(s.Write(global.get(), 1, -1, 1), CANIM_OK);
  ASSERT_EQ(s.Write(globalTrans.get(), 0, -1, 1), CANIM_OK);
  const std::string text = s.Text();
  EXPECT_EQ(count(text, "GUI_LOGPALETTE _Pal"), 4u);
  for (const char* name : {"anim0", "anim1", "anim2", "anim3"})
    EXPECT_EQ(count(text, std::string("GUI_LOGPALETTE _Pal") + name + " = {"), 1u) << name;
  const std::vector<std::string> abm = block(text, "static GUI_CONST_STORAGE GUI_BITMAP _abmanim[] = {");
  ASSERT_EQ(abm.size(), 6u);
  const char* want[6] = {"&_Palanim0 }", "&_Palanim1 }", "&_Palanim2 }", "&_Palanim3 }", "&_Palanim1 }", "&_Palanim3 }"};
  for (int e = 0; e < 6; ++e) EXPECT_NE(abm[static_cast<size_t>(e)].find(want[e]), std::string::npos) << abm[static_cast<size_t>(e)];
  EXPECT_NE(text.find("_Palanim3 = {\r\n  4,  // Number of entries\r\n  1,  // Has transparency"), std::string::npos);
}

TEST(CAnimWriter, FramesOfDifferentSizesKeepTheirOwn) {
  DocPtr big(frame_doc(7, 5, 4, 0));
  DocPtr small(frame_doc(3, 2, 4, 1));
  Series s(CANIM_KIND_SPRITE, "mixed.c");
  ASSERT_EQ(s.Write(big.get(), 1), CANIM_OK);
  ASSERT_EQ(s.Write(small.get(), 0), CANIM_OK);
  const std::vector<std::string> abm = block(s.Text(), "static GUI_CONST_STORAGE GUI_BITMAP _abmmixed[] = {");
  ASSERT_EQ(abm.size(), 2u);
  EXPECT_EQ(abm[0], "  { 7, 5, 7, 8, _acmixed0, &_Palmixed0 },");
  EXPECT_EQ(abm[1], "  { 3, 2, 3, 8, _acmixed1, &_Palmixed0 }");
}

TEST(CAnimWriter, RefusedIdentifierWritesNothing) {
  DocPtr doc(frame_doc(4, 3, 4, 0));
  Series s(CANIM_KIND_SPRITE, "/tmp/---.c");
  EXPECT_EQ(s.Write(doc.get(), 0), CANIM_EREFUSED);
  EXPECT_EQ(s.Text(), "");
}

namespace {

void check_golden(const char* gif, int kind, const char* expected) {
  const std::string dir = std::string(ANIMATION_DATA_DIR) + "/";
  const std::string data = read(dir + gif);
  GifAnimation anim;
  ASSERT_EQ(GIFANIM_Open(&anim, reinterpret_cast<const uint8_t*>(data.data()), data.size()), GIF_OK);
  const std::string path = dir + expected;
  FILE* f = std::tmpfile();
  const CAnimRequest request = {kind, path.c_str(), anim.TotalDelay, false};
  ASSERT_EQ(ANIMGIF_Write(&anim, f, &request, nullptr, nullptr, nullptr), ANIMGIF_OK);
  std::rewind(f);
  std::string actual;
  char buf[65536];
  size_t n;
  while ((n = std::fread(buf, 1, sizeof(buf), f)) > 0) actual.append(buf, n);
  std::fclose(f);
  actual = testsupport::NormaliseBuildStamp(actual);
  if (std::getenv("VORIX_UPDATE_GOLDEN")) {
    std::ofstream(path, std::ios::binary) << actual;
    return;
  }
  const std::string want = read(path);
  ASSERT_FALSE(want.empty()) << "missing " << path;
  EXPECT_EQ(testsupport::NormaliseBuildStamp(want), actual) << expected;
}

}  // namespace

TEST(CAnimGolden, SpriteOfThreeFramesOfTheGlobalTable) { check_golden("walk.gif", CANIM_KIND_SPRITE, "walk.c"); }

TEST(CAnimGolden, CursorWithLocalTablesAndTransparency) { check_golden("busy.gif", CANIM_KIND_CURSOR, "busy.c"); }
