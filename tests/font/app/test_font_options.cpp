// Options record in the settings store.
#include <gtest/gtest.h>

#include "common/settings/settings_store.h"
#include "font/app/font_options.h"
#include "support/temp_dir.h"

namespace {

TEST(FontOptions, FreshStoreGivesDefaults) {
  TempDir dir;
  FONTOPT_ResetCache();
  FontOptions o;
  o.EnableGamma = 7;
  FONTOPT_Read(&o);
  EXPECT_EQ(o.MagX, 1);
  EXPECT_EQ(o.MagY, 1);
  EXPECT_EQ(o.Compatibility, 0);
  EXPECT_EQ(o.EnableGamma, 0);
  EXPECT_EQ(o.SuppressMessage, 0);
}

TEST(FontOptions, SavedAsDecimalTextsAndCached) {
  TempDir dir;
  FONTOPT_ResetCache();
  FontOptions o;
  o.MagX = 3;
  o.GetTypeXBF = 5;
  ASSERT_TRUE(FONTOPT_Save(o));
  std::string text;
  ASSERT_EQ(SETTINGS_ReadString(FONTOPT_KEY, "MagX", &text), 0);
  EXPECT_EQ(text, "3");
  EXPECT_NE(SETTINGS_KeyFile(FONTOPT_KEY).find("/Bolvane/Zentile-FontConvert/V5.46.ini"), std::string::npos);
  // Later reads come from the cache, not the store.
  SETTINGS_WriteString(FONTOPT_KEY, "MagX", "4");
  FontOptions back;
  FONTOPT_Read(&back);
  EXPECT_EQ(back.MagX, 3);
  EXPECT_EQ(back.GetTypeXBF, 5);
  FONTOPT_ResetCache();
  FONTOPT_Read(&back);
  EXPECT_EQ(back.MagX, 4);
  FONTOPT_ResetCache();
}

TEST(FontOptions, TextThatIsNotANumberReadsAsZero) {
  TempDir dir;
  FONTOPT_ResetCache();
  SETTINGS_WriteString(FONTOPT_KEY, "MagY", "two");
  SETTINGS_WriteString(FONTOPT_KEY, "SuppressLogging", "1");
  FontOptions o;
  FONTOPT_Read(&o);
  EXPECT_EQ(o.MagY, 1);  // 0 is outside the magnification range
  EXPECT_EQ(o.SuppressLogging, 1);
}

TEST(FontOptions, MagnificationOutsideOneToFourReadsAsTheDefault) {
  TempDir dir;
  FONTOPT_ResetCache();
  SETTINGS_WriteString(FONTOPT_KEY, "MagX", "2147483647");
  SETTINGS_WriteString(FONTOPT_KEY, "MagY", "-3");
  FontOptions o;
  FONTOPT_Read(&o);
  EXPECT_EQ(o.MagX, 1);
  EXPECT_EQ(o.MagY, 1);
  SETTINGS_WriteString(FONTOPT_KEY, "MagX", "4");
  SETTINGS_WriteString(FONTOPT_KEY, "MagY", "5");
  FONTOPT_Read(&o);
  EXPECT_EQ(o.MagX, 4);
  EXPECT_EQ(o.MagY, 1);
}

}  // namespace
