// Options of the bitmap converter in the settings store: round trip and range checks.
#include <gtest/gtest.h>

#include "bitmap/app/options.h"
#include "common/settings/settings_store.h"
#include "support/temp_dir.h"

namespace {

void store(const char* name, uint32_t v) {
  const uint8_t bytes[4] = {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)};
  ASSERT_EQ(SETTINGS_WriteBinary(RASTREL_acSettingsKey, name, bytes, 4), 0);
}

TEST(Options, SavedValuesLoadBack) {
  TempDir dir;
  RastrelOptions saved = {0x123456, 2, 1, 1, 1};
  OPTIONS_Save(&saved);
  RastrelOptions loaded = {};
  OPTIONS_Load(&loaded);
  EXPECT_EQ(loaded.BkColor, 0x123456u);
  EXPECT_EQ(loaded.ViewOption, 2u);
  EXPECT_EQ(loaded.PreserveTrans, 1u);
  EXPECT_EQ(loaded.BigEndianMode, 1u);
  EXPECT_EQ(loaded.UseARGB, 1u);
}

TEST(Options, ValuesOutOfRangeReadAsTheDefault) {
  TempDir dir;
  store("BkColor", 0x01000000);
  store("ViewOption", 3);
  store("PreserveTrans", 2);
  store("BigEndianMode", 0xFFFFFFFF);
  store("UseARGB", 1);
  RastrelOptions loaded = {1, 1, 1, 1, 0};
  OPTIONS_Load(&loaded);
  EXPECT_EQ(loaded.BkColor, 0xFFFFFFu);
  EXPECT_EQ(loaded.ViewOption, 0u);
  EXPECT_EQ(loaded.PreserveTrans, 0u);
  EXPECT_EQ(loaded.BigEndianMode, 0u);
  EXPECT_EQ(loaded.UseARGB, 1u);  // in range: kept
}

}  // namespace
