// Font document: enabling and block rules, planes and frames, availability, range
// list and metrics, on hand-made documents.
#include <gtest/gtest.h>

#include "font/support/font_test_util.h"

namespace {

TEST(FontDoc, EightBitAvailabilityEnablesPrintableCodesOnly) {
  FontDoc* doc = FONT_CreateEmpty();
  doc->Encoding = FONT_ENC_ISO8859;
  doc->HasUnicodeMap = 1;  // cleared for 8-bit fonts
  FONT_InitAvailability(doc);
  EXPECT_EQ(doc->HasUnicodeMap, 0);
  EXPECT_EQ(FONT_NumCodes(doc), 256);
  int enabled = 0;
  for (unsigned c = 0; c < 256; ++c) {
    EXPECT_TRUE(doc->aChar[c].Available) << c;
    enabled += doc->aChar[c].Enabled;
  }
  EXPECT_EQ(enabled, 96 + 96);
  EXPECT_FALSE(doc->aChar[31].Enabled);
  EXPECT_TRUE(doc->aChar[32].Enabled);
  EXPECT_FALSE(doc->aChar[159].Enabled);
  EXPECT_TRUE(doc->aChar[160].Enabled);
  EXPECT_FALSE(doc->aChar[256].Available);
  // Areas of 8-bit documents: the first four entries cover the 16 blocks.
  EXPECT_STREQ(FONT_GetAreaName(doc, 0), "Control");
  EXPECT_STREQ(FONT_GetAreaName(doc, 2), "Basic Latin");
  EXPECT_STREQ(FONT_GetAreaName(doc, 15), "Latin-1 Supplement");
  EXPECT_EQ(FONT_GetAreaName(doc, 16), nullptr);
  EXPECT_EQ(FONT_GetAreaName(doc, 4096), nullptr);
  FONT_SetCurrentChar(doc, 256);
  EXPECT_EQ(doc->CurrentChar, 0);
  FONT_SetCurrentChar(doc, 255);
  EXPECT_EQ(doc->CurrentChar, 255);
  FONT_Destroy(doc);
}

TEST(FontDoc, SegmentsMarkBlocksAndShiftJisMapsCodes) {
  fonttest::init_tables();
  FontDoc* doc = FONT_CreateEmpty();
  doc->Encoding = FONT_ENC_SJIS;
  doc->HasUnicodeMap = 1;
  doc->NumSegments = 2;
  doc->paSegStart = static_cast<uint16_t*>(std::calloc(2, 2));
  doc->paSegEnd = static_cast<uint16_t*>(std::calloc(2, 2));
  doc->paSegStart[0] = 0x41;
  doc->paSegEnd[0] = 0x42;
  doc->paSegStart[1] = 0x3042;  // HIRAGANA LETTER A, Shift_JIS 0x82A0
  doc->paSegEnd[1] = 0x3042;
  FONT_InitAvailability(doc);
  EXPECT_EQ(doc->NumBlocks, 4096);
  EXPECT_TRUE(doc->aChar[0x41].Enabled);
  EXPECT_TRUE(doc->aChar[0x82A0].Enabled);
  EXPECT_FALSE(doc->aChar[0x3042].Available);
  EXPECT_TRUE(doc->aBlock[0x82A].Used);
  EXPECT_EQ(doc->UsedBlocks, 2);
  EXPECT_STREQ(FONT_GetAreaName(doc, 0x4E0), "CJK Unified Ideographs");
  EXPECT_STREQ(FONT_GetAreaName(doc, 0xFFF), "Special");
  FONT_Destroy(doc);
}

TEST(FontDoc, DisablingKeepsTheBlockCounted) {
  FontDoc* doc = fonttest::make_manual(FONT_TYPE_STD, 4);
  FONT_EnableRange(doc, 0x100, 0x10F, 1);
  EXPECT_EQ(doc->UsedBlocks, 1);
  FONT_EnableRange(doc, 0x100, 0x10F, 0);
  EXPECT_TRUE(doc->aBlock[0x10].Used);
  EXPECT_EQ(doc->UsedBlocks, 1);
  FONT_EnableBlock(doc, 0x20, 1);
  EXPECT_EQ(doc->UsedBlocks, 2);
  EXPECT_TRUE(doc->aChar[0x20F].Enabled);
  FONT_EnableBlock(doc, 0x20, 0);
  EXPECT_FALSE(doc->aChar[0x200].Enabled);
  EXPECT_EQ(doc->UsedBlocks, 2);
  FONT_Destroy(doc);
}

TEST(FontDoc, PixelsArePackedPerTypeAndBoundsChecked) {
  for (int type : {FONT_TYPE_STD, FONT_TYPE_AA2, FONT_TYPE_AA4}) {
    FontDoc* doc = fonttest::make_manual(type, 3);
    ASSERT_TRUE(FONT_AllocPlanes(doc, 'x', 9, 3));
    const int max = FONT_MaxPixelValue(type);
    EXPECT_EQ(doc->aChar['x'].PlaneSize, static_cast<uint32_t>(3 * FONT_BytesPerLine(type, 9)));
    for (int y = 0; y < 3; ++y)
      for (int x = 0; x < 9; ++x) FONT_SetPixel(doc, 'x', x, y, (x + y) % (max + 1));
    for (int y = 0; y < 3; ++y)
      for (int x = 0; x < 9; ++x) EXPECT_EQ(FONT_GetPixel(doc, 'x', x, y), (x + y) % (max + 1));
    EXPECT_EQ(FONT_GetPixel(doc, 'x', 9, 0), 0);   // right of the width
    EXPECT_EQ(FONT_GetPixel(doc, 'x', 0, 3), 0);   // below the plane
    FONT_SetPixel(doc, 'x', 100, 100, 1);          // ignored, not written out of bounds
    FONT_Destroy(doc);
  }
  // First pixel in the least significant bits of the plane.
  FontDoc* doc = fonttest::make_manual(FONT_TYPE_AA2, 1);
  FONT_AllocPlanes(doc, 'x', 4, 1);
  FONT_SetPixel(doc, 'x', 0, 0, 3);
  FONT_SetPixel(doc, 'x', 3, 0, 1);
  EXPECT_EQ(doc->aChar['x'].pPixels[0], 0x43);
  EXPECT_EQ(FONT_BitsPerPixel(9), 0);
  EXPECT_EQ(FONT_BytesPerLine(9, 10), 0);
  FONT_Destroy(doc);
}

TEST(FontDoc, SinglePixelGetsFourFramePixelsFewerAtTheEdge) {
  FontDoc* doc = fonttest::make_manual(FONT_TYPE_EXT_FRM, 5);
  FONT_AllocPlanes(doc, 'o', 3, 3);
  FONT_SetPixel(doc, 'o', 1, 1, 1);
  FONT_ComputeFrame(doc, 'o');
  int frame = 0;
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 3; ++x) frame += FONT_GetPixel(doc, 'o', x, y) == -1;
  EXPECT_EQ(frame, 4);
  EXPECT_EQ(FONT_GetPixel(doc, 'o', 0, 0), 0);  // diagonal neighbours stay clear
  EXPECT_EQ(FONT_GetPixel(doc, 'o', 1, 0), -1);
  FONT_SetPixel(doc, 'o', 1, 0, 1);  // ink over a frame pixel removes the frame bit
  EXPECT_EQ(FONT_GetPixel(doc, 'o', 1, 0), 1);
  FONT_AllocPlanes(doc, 'c', 2, 2);
  FONT_SetPixel(doc, 'c', 0, 0, 1);
  FONT_RecomputeFrame(doc, 'c');
  EXPECT_EQ(FONT_GetPixel(doc, 'c', 1, 0), -1);
  EXPECT_EQ(FONT_GetPixel(doc, 'c', 0, 1), -1);
  EXPECT_EQ(FONT_GetPixel(doc, 'c', 1, 1), 0);
  FONT_Destroy(doc);
}

TEST(FontDoc, PrepareDisablesZeroWidthAndRangeListCountsRuns) {
  fonttest::HostScope scope;
  FontDoc* doc = fonttest::make_manual(FONT_TYPE_STD, 2);
  for (unsigned c = 32; c <= 126; ++c) fonttest::add_glyph(doc, c, 2, 2);
  for (unsigned c = 160; c <= 255; ++c) fonttest::add_glyph(doc, c, 2, 2);
  FontRangeList list = FONT_BuildRangeList(doc);
  ASSERT_EQ(list.aRange.size(), 2u);
  EXPECT_EQ(list.NumCodes, 191);
  EXPECT_EQ(list.aRange[1].First, 160);
  EXPECT_EQ(list.aRange[1].Last, 255);
  for (unsigned c = 128; c <= 159; ++c) fonttest::add_glyph(doc, c, 2, 2);
  fonttest::add_glyph(doc, 127, 0, 2);  // joins the runs, but has no width
  EXPECT_EQ(FONT_BuildRangeList(doc).aRange.size(), 1u);
  FONT_PrepareForSaving(doc);
  EXPECT_FALSE(doc->aChar[127].Enabled);
  FontRangeList after = FONT_BuildRangeList(doc);
  ASSERT_EQ(after.aRange.size(), 2u);
  EXPECT_EQ(after.aRange[0].Last, 126);
  EXPECT_EQ(after.aRange[1].First, 128);
  EXPECT_EQ(scope.Host.Status.back(), "Ready");
  EXPECT_EQ(scope.Host.RedrawCount, 1);
  FONT_Destroy(doc);
}

TEST(FontDoc, StandardMetricsFromTheGlyphs) {
  FontDoc* doc = fonttest::make_manual(FONT_TYPE_STD, 10);
  // 'a' has ink in rows 5 to 7: baseline 8.
  fonttest::add_glyph(doc, 'a', 4, 10);
  for (int y = 5; y <= 7; ++y) FONT_SetPixel(doc, 'a', 1, y, 1);
  // 'e' has ink from row 4: rows 4..6 full from b - 2 = 6 up, first empty row 3 -> 8 - 3 - 1.
  fonttest::add_glyph(doc, 'e', 4, 10);
  for (int y = 4; y <= 7; ++y) FONT_SetPixel(doc, 'e', 0, y, 1);
  // 'A' reaches row 0: no empty row gives the baseline itself.
  fonttest::add_glyph(doc, 'A', 4, 10);
  for (int y = 0; y <= 7; ++y) FONT_SetPixel(doc, 'A', 3, y, 1);
  FontMetrics m = FONT_ComputeMetrics(doc);
  EXPECT_EQ(m.Baseline, 8);
  EXPECT_EQ(m.LHeight, 4);
  EXPECT_EQ(m.CHeight, 8);
  FONT_Destroy(doc);
  // Without ink in 'a' everything is 0.
  FontDoc* blank = fonttest::make_manual(FONT_TYPE_STD, 10);
  fonttest::add_glyph(blank, 'a', 4, 10);
  fonttest::add_glyph(blank, 'e', 4, 10);
  FontMetrics z = FONT_ComputeMetrics(blank);
  EXPECT_EQ(z.Baseline, 0);
  EXPECT_EQ(z.LHeight, 0);
  EXPECT_EQ(z.CHeight, 0);
  FONT_Destroy(blank);
}

TEST(FontDoc, ExtendedMetricsUseStoredBaselineAndGlyphHeights) {
  FontDoc* doc = fonttest::make_manual(FONT_TYPE_EXT, 12, 9);
  fonttest::add_glyph(doc, 'a', 5, 6, 0, 6, 6);
  fonttest::add_glyph(doc, 'e', 5, 7, 0, 7, 6);
  fonttest::add_glyph(doc, 'A', 5, 9, 0, 9, 6);
  FontMetrics m = FONT_ComputeMetrics(doc);
  EXPECT_EQ(m.Baseline, 9);
  EXPECT_EQ(m.LHeight, 7);
  EXPECT_EQ(m.CHeight, 9);
  FONT_Destroy(doc);
  // Antialiased extended: measured in cell rows; 'a' spans cell rows 4..8 (ink at 8).
  FontDoc* aa = fonttest::make_manual(FONT_TYPE_EXT_AA4, 12, 9);
  fonttest::add_glyph(aa, 'a', 3, 5, 0, 5, 4);
  FONT_SetPixel(aa, 'a', 1, 4, 15);
  EXPECT_EQ(FONT_ComputeMetrics(aa).Baseline, 9);
  FONT_Destroy(aa);
}

TEST(FontDoc, SetPathReturnsTheFileName) {
  FontDoc* doc = FONT_CreateEmpty();
  EXPECT_STREQ(FONT_SetPath(doc, "/tmp/dir/font.xbf"), "font.xbf");
  EXPECT_STREQ(doc->acPath, "/tmp/dir/font.xbf");
  std::string longPath(700, 'a');
  FONT_SetPath(doc, longPath.c_str());
  EXPECT_EQ(std::strlen(doc->acPath), static_cast<size_t>(FONT_PATH_CHARS));
  FONT_Destroy(doc);
}

}  // namespace

namespace {

struct CountingSource : FontGlyphSource {
  int* pCalls;
  bool* pDestroyed;
  CountingSource(int* calls, bool* destroyed) : pCalls(calls), pDestroyed(destroyed) {}
  ~CountingSource() override { *pDestroyed = true; }
  void RenderChar(FontDoc* doc, unsigned code) override {
    ++*pCalls;
    FONT_AllocPlanes(doc, code, 3, doc->Height);
  }
};

}  // namespace

TEST(FontDoc, GlyphsComeFromTheInstalledSourceWhichTheDocumentOwns) {
  FontDoc* doc = fonttest::make_manual(FONT_TYPE_STD, 5);
  doc->aChar[0x41].Available = 1;
  FONT_RenderChar(doc, 0x41);  // read from a file: no source, nothing rendered
  EXPECT_EQ(doc->aChar[0x41].Generated, 0);
  int calls = 0;
  bool destroyed = false;
  FONT_SetGlyphSource(doc, new CountingSource(&calls, &destroyed));
  FONT_RenderChar(doc, 0x41);
  FONT_RenderChar(doc, 0x42);  // not available
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(doc->aChar[0x41].Generated, 1);
  EXPECT_EQ(doc->aChar[0x41].Width, 3);
  FONT_Destroy(doc);
  EXPECT_TRUE(destroyed);
}
