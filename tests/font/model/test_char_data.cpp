// Unicode names and classes, Shift_JIS lookups, the area table.
#include <gtest/gtest.h>

#include "font/support/font_test_util.h"

namespace {

// Each test runs in its own process: these lookups are the first of this one.
TEST(UnicodeData, LookupsNeedNoStartUpCall) {
  EXPECT_STREQ(UNICODE_GetName(0x42), "LATIN CAPITAL LETTER B");
  EXPECT_EQ(UNICODE_GetBidiClass(0x0300), UNICODE_BIDI_NSM);
  EXPECT_EQ(SJIS_ToUnicode(0x82A0), 0x3042u);
  EXPECT_EQ(SJIS_FromUnicode(0x3042), 0x82A0u);
}

TEST(UnicodeData, NamesAndRanges) {
  fonttest::init_tables();
  EXPECT_STREQ(UNICODE_GetName(0x41), "LATIN CAPITAL LETTER A");
  EXPECT_STREQ(UNICODE_GetName(0x4E00), "<CJK Ideograph, First>");
  EXPECT_EQ(UNICODE_GetName(0x4E01), nullptr);
  EXPECT_STREQ(UNICODE_GetName(0x9FBB), "<CJK Ideograph, Last>");
  EXPECT_STREQ(UNICODE_GetName(0xFFFD), "REPLACEMENT CHARACTER");
  EXPECT_STREQ(UNICODE_GetName(0x0007), "<control>");
  EXPECT_STREQ(UNICODE_GetName(0xAC00), "<Hangul Syllable, First>");
  EXPECT_EQ(UNICODE_GetName(0x10000), nullptr);
  EXPECT_EQ(g_aUnicodeTable[UNICODE_NUM_ENTRIES - 1].Code, 0xFFFDu);
  for (int i = 1; i < UNICODE_NUM_ENTRIES; ++i)
    ASSERT_LT(g_aUnicodeTable[i - 1].Code, g_aUnicodeTable[i].Code);
}

TEST(UnicodeData, BidirectionalClasses) {
  fonttest::init_tables();
  EXPECT_EQ(UNICODE_GetBidiClass(0x064B), UNICODE_BIDI_NSM);
  EXPECT_EQ(UNICODE_GetBidiClass(0x0300), UNICODE_BIDI_NSM);
  EXPECT_EQ(UNICODE_GetBidiClass(0x4E01), 0);
  EXPECT_NE(UNICODE_GetBidiClass(0x41), UNICODE_BIDI_NSM);
  EXPECT_NE(UNICODE_GetBidiClass(0x41), UNICODE_GetBidiClass(0x05D0));  // L and R differ
  for (const UnicodeEntry& e : g_aUnicodeTable) {
    ASSERT_GE(e.BidiClass, 1);
    ASSERT_LE(e.BidiClass, 19);
  }
}

TEST(ShiftJis, PublishedMappings) {
  fonttest::init_tables();
  EXPECT_EQ(SJIS_ToUnicode(0x5C), 0x00A5u);
  EXPECT_STREQ(SJIS_GetName(0x5C), "YEN SIGN");
  EXPECT_EQ(SJIS_ToUnicode(0x7E), 0x203Eu);
  EXPECT_EQ(SJIS_ToUnicode(0x815F), 0x005Cu);
  EXPECT_EQ(SJIS_FromUnicode(0x005C), 0x815Fu);
  EXPECT_EQ(SJIS_ToUnicode(0xEAA4), 0x7199u);
  EXPECT_EQ(SJIS_ToUnicode(0xB1), 0xFF71u);  // half-width katakana, listed out of order
  EXPECT_EQ(SJIS_ToUnicode(0x80), 0u);
  EXPECT_EQ(SJIS_GetName(0x80), nullptr);
  EXPECT_EQ(SJIS_FromUnicode(0x4E00), 0x88EAu);
  int mapped = 0;
  for (unsigned s = 0; s < 0x10000; ++s) mapped += SJIS_ToUnicode(s) != 0;
  EXPECT_EQ(mapped, SJIS_NUM_ENTRIES);
}

TEST(AreaTable, EntriesTileTheCodeSpace) {
  int blocks = 0;
  for (int i = 0; i < FONT_NUM_AREAS - 1; ++i) blocks += FONT_GetAreaLength(i);
  EXPECT_EQ(blocks, 4096);
  EXPECT_EQ(FONT_GetAreaLength(1), 6);  // Basic Latin 0x20..0x7F
  EXPECT_STREQ(FONT_GetAreaEntryName(FONT_NUM_AREAS - 1), "SENTINEL");
  EXPECT_EQ(FONT_GetAreaLength(FONT_NUM_AREAS - 1), 200);
}

}  // namespace
