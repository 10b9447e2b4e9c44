// C font writer: the structure of the generated text for hand-made documents.
#include <gtest/gtest.h>

#include <filesystem>

#include "font/formats/c_font_writer.h"
#include "font/formats/font_save.h"
#include "font/model/edit_log.h"
#include "font/support/font_test_util.h"
#include "support/temp_dir.h"

namespace {

size_t count(const std::string& s, const std::string& what) {
  size_t n = 0;
  for (size_t p = s.find(what); p != std::string::npos; p = s.find(what, p + 1)) ++n;
  return n;
}

struct CWriter : ::testing::Test {
  fonttest::HostScope scope;
  TempDir dir;
  std::string Save(FontDoc* doc, const char* name, const FontSaveOptions& o = FontSaveOptions{}) {
    std::string path = dir / name;
    FONT_SetPath(doc, path.c_str());
    EXPECT_EQ(FONTSAVE_Save(doc, FONT_FORMAT_C, false, o), 0);
    return fonttest::slurp(path);
  }
};

TEST_F(CWriter, ThreeCodesGiveOneRangeEndingTheChain) {
  FontDoc* doc = fonttest::make_manual(FONT_TYPE_STD, 2);
  for (unsigned c = 0x41; c <= 0x43; ++c) fonttest::add_glyph(doc, c, 2, 2);
  FONT_SetPixel(doc, 0x42, 1, 0, 1);
  std::string s = Save(doc, "abc.c");
  EXPECT_EQ(count(s, "unsigned char acGUI_Fontabc_"), 3u);
  EXPECT_NE(s.find("GUI_CONST_STORAGE unsigned char acGUI_Fontabc_0042[  2] = "
                   "{ /* code 0042, LATIN CAPITAL LETTER B */\r\n"
                   "  _X______,\r\n  ________};\r\n\r\n"),
            std::string::npos);
  EXPECT_NE(s.find("GUI_CONST_STORAGE GUI_CHARINFO GUI_Fontabc_CharInfo[3] = {\r\n"
                   "   {   2,   2,  1, acGUI_Fontabc_0041 } /* code 0041 */\r\n"),
            std::string::npos);
  EXPECT_NE(s.find("  ,(GUI_CONST_STORAGE GUI_FONT_PROP *)0 /* pointer to next GUI_FONT_PROP */\r\n"),
            std::string::npos);
  EXPECT_EQ(count(s, "_Prop"), 2u);  // the structure and its use in GUI_FONT
  FONT_Destroy(doc);
}

TEST_F(CWriter, TwoRangesAreWrittenLastFirst) {
  FontDoc* doc = fonttest::make_manual(FONT_TYPE_STD, 1);
  for (unsigned c = 0x20; c <= 0x7E; ++c) fonttest::add_glyph(doc, c, 1, 1);
  for (unsigned c = 0xA0; c <= 0xFF; ++c) fonttest::add_glyph(doc, c, 1, 1);
  std::string s = Save(doc, "two.c");
  size_t p2 = s.find("GUI_FONT_PROP GUI_Fonttwo_Prop2 = {\r\n   0x00A0 /* first character */\r\n"
                     "  ,0x00FF /* last character  */\r\n"
                     "  ,&GUI_Fonttwo_CharInfo[ 95] /* address of first character */\r\n"
                     "  ,(GUI_CONST_STORAGE GUI_FONT_PROP *)0");
  size_t p1 = s.find("GUI_FONT_PROP GUI_Fonttwo_Prop1 = {\r\n   0x0020 /* first character */\r\n"
                     "  ,0x007E /* last character  */\r\n"
                     "  ,&GUI_Fonttwo_CharInfo[  0] /* address of first character */\r\n"
                     "  ,&GUI_Fonttwo_Prop2 /* pointer to next GUI_FONT_PROP */\r\n");
  ASSERT_NE(p1, std::string::npos);
  ASSERT_NE(p2, std::string::npos);
  EXPECT_LT(p2, p1);
  FONT_Destroy(doc);
}

TEST_F(CWriter, IdentifierDropsEverythingButLettersDigitsAndUnderscores) {
  FontDoc* doc = fonttest::make_manual(FONT_TYPE_STD, 1);
  EXPECT_EQ(CFONT_FontIdentifier(doc, "/some/dir/my-font 16.c"), "GUI_Fontmyfont16");
  EXPECT_EQ(CFONT_FontIdentifier(doc, "a.b.c"), "GUI_Fonta");
  EXPECT_EQ(CFONT_FontIdentifier(doc, "--.c"), "GUI_Font");
  std::snprintf(doc->acFontId, sizeof(doc->acFontId), "GUI_FontRead");
  EXPECT_EQ(CFONT_FontIdentifier(doc, "x.c"), "GUI_FontRead");
  EXPECT_EQ(CFONT_TypeIdentifier(FONT_TYPE_STD, FONT_ENC_SJIS), "GUI_FONTTYPE_PROP_SJIS");
  EXPECT_EQ(CFONT_TypeIdentifier(FONT_TYPE_EXT_AA4, FONT_ENC_UNICODE), "GUI_FONTTYPE_PROP_AA4_EXT");
  FONT_Destroy(doc);
}

TEST_F(CWriter, OldFormEndsWithTheCastAddressAndNoMetrics) {
  FontDoc* doc = fonttest::make_manual(FONT_TYPE_STD, 1);
  fonttest::add_glyph(doc, 0x41, 1, 1);
  FontSaveOptions o;
  o.Compatibility = 1;
  std::string s = Save(doc, "old.c", o);
  EXPECT_NE(s.find("  ,(void GUI_FLASH *)&GUI_Fontold_Prop1\r\n};\r\n\r\n"), std::string::npos);
  EXPECT_NE(s.find("  ,(void GUI_FLASH *)0 /* pointer to next GUI_FONT_PROP */"), std::string::npos);
  EXPECT_EQ(s.find("Baseline"), std::string::npos);
  EXPECT_EQ(s.find("GUI_CONST_STORAGE"), std::string::npos);
  FONT_Destroy(doc);
}

TEST_F(CWriter, MagnificationRepeatsPixelsAndIsAnnounced) {
  FontDoc* doc = fonttest::make_manual(FONT_TYPE_STD, 1);
  fonttest::add_glyph(doc, 0x41, 5, 1);
  FONT_SetPixel(doc, 0x41, 0, 0, 1);
  FONT_SetPixel(doc, 0x41, 4, 0, 1);
  std::string plain = Save(doc, "m1.c");
  EXPECT_TRUE(scope.Host.Warnings.empty());
  FontSaveOptions o;
  o.MagX = 2;
  o.MagY = 2;
  std::string s = Save(doc, "m2.c", o);
  EXPECT_NE(s.find("[  4] = { /* code 0041, LATIN CAPITAL LETTER A */\r\n"
                   "  XX______,XX______,\r\n  XX______,XX______};"),
            std::string::npos);
  EXPECT_NE(s.find("{  10,  10,  2, acGUI_Fontm2_0041 }"), std::string::npos);
  ASSERT_EQ(scope.Host.Warnings.size(), 1u);
  EXPECT_EQ(scope.Host.Warnings[0].Text,
            "The font file has been saved with\nthe following magnification factors:\n\nX: 2\nY: 2");
  FONT_Destroy(doc);
}

TEST_F(CWriter, NumbersKeepTheirColumnsWhenNegativeOrWide) {
  FontDoc* doc = fonttest::make_manual(FONT_TYPE_EXT_AA4, 4, 3);
  fonttest::add_glyph(doc, 0x2D, 1001, 1, -12, 7, -1);  // x -12, y 3 - 7, cursor -1
  fonttest::add_glyph(doc, 0xFFFF, 3, 2, 0, 3, 4);
  FONT_SetPixel(doc, 0x2D, 1000, 0, 9);
  FONT_SetPixel(doc, 0xFFFF, 2, 1, 15);
  std::string s = Save(doc, "wide.c");
  EXPECT_NE(s.find("[501] = {"), std::string::npos);
  EXPECT_NE(s.find(" 0x00, 0x90\r\n};\r\n"), std::string::npos);  // the last of 501 bytes of one row
  EXPECT_NE(s.find("acGUI_Fontwide_FFFF[  4] = {"), std::string::npos);
  EXPECT_NE(s.find("  0x00, 0x00,\r\n  0x00, 0xF0\r\n};\r\n"), std::string::npos);
  EXPECT_NE(s.find("   { 1001,   1, -12,  -4,  -1, acGUI_Fontwide_002D } /* code 002D"), std::string::npos);
  EXPECT_NE(s.find("  ,{   3,   2,   0,   0,   4, acGUI_Fontwide_FFFF } /* code FFFF"), std::string::npos);
  FONT_Destroy(doc);
}

TEST_F(CWriter, HeaderIsA70ColumnBoxAndEveryLineEndsWithCrLf) {
  FontDoc* doc = fonttest::make_manual(FONT_TYPE_AA2, 2);
  fonttest::add_glyph(doc, 0x41, 3, 2);
  FONT_SetPixel(doc, 0x41, 0, 0, 3);
  FONT_SetPixel(doc, 0x41, 2, 1, 1);
  EDITLOG_Clear();
  EDITLOG_AddLine("* Initial font height:  2");
  std::string s = Save(doc, "box.c");
  size_t end = s.find("*/\r\n");
  ASSERT_NE(end, std::string::npos);
  size_t lines = 0;
  for (size_t p = 0; p < end;) {
    size_t e = s.find("\r\n", p);
    EXPECT_EQ(e - p, 70u) << s.substr(p, e - p);
    p = e + 2;
    ++lines;
  }
  EXPECT_GT(lines, 20u);
  EXPECT_NE(s.find("* Initial font height:  2"), std::string::npos);
  EXPECT_NE(s.find("* Font:        <unknown>"), std::string::npos);
  for (size_t p = s.find('\n'); p != std::string::npos; p = s.find('\n', p + 1)) ASSERT_EQ(s[p - 1], '\r');
  EXPECT_NE(s.find("[  2] = { /* code 0041, LATIN CAPITAL LETTER A */\r\n  0xC0,\r\n  0x04\r\n};\r\n\r\n"),
            std::string::npos);  // rows 3,0,0 and 0,0,1 packed from the top bits
  FontSaveOptions quiet;
  quiet.SuppressLogging = 1;
  EXPECT_EQ(Save(doc, "quiet.c", quiet).find("Initial font height"), std::string::npos);
  FONT_Destroy(doc);
}

TEST_F(CWriter, NothingEnabledIsRefusedBeforeTheFileIsTouched) {
  FontDoc* doc = fonttest::make_manual(FONT_TYPE_STD, 4);
  std::string path = dir / "empty.c";
  FONT_SetPath(doc, path.c_str());
  EXPECT_EQ(FONTSAVE_Save(doc, FONT_FORMAT_C, false, FontSaveOptions{}), 1);
  EXPECT_FALSE(std::filesystem::exists(path));
  ASSERT_EQ(scope.Host.Warnings.size(), 1u);
  EXPECT_EQ(scope.Host.Warnings[0].Text, "Nothing to save!");
  FONT_Destroy(doc);
}

TEST_F(CWriter, AnUnwritableFileReportsWritingError) {
  FontDoc* doc = fonttest::make_manual(FONT_TYPE_STD, 4);
  fonttest::add_glyph(doc, 0x41, 4, 4);
  FONT_SetPath(doc, (dir / "no/such/dir/x.c").c_str());
  FONTSAVE_Save(doc, FONT_FORMAT_C, false, FontSaveOptions{});
  ASSERT_EQ(scope.Host.Warnings.size(), 1u);
  EXPECT_EQ(scope.Host.Warnings[0].Text, "Writing error");
  FONT_Destroy(doc);
}

}  // namespace
