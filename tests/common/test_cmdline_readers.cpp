// Argument readers of the job engine in both variants.
#include <gtest/gtest.h>

#include "common/cmdline/cmdline.h"
#include "support/recording_host.h"
#include "support/engine_configs.h"

namespace {

const char* const kMessages[] = {"m0", "m1", "m2", "m3", "m4", "m5", "m6", "m7", "m8", "m9", "m10", "m11", "m12",
                                 "m13", "m14", "m15", "m16", "m17", "m18", "m19", "m20", "m21", "m22", "m23", "m24",
                                 "m25", "m26"};

struct Readers : ::testing::Test {
  RecordingHost host;
  void SetUp() override {
    HOST_Set(&host);
    CmdlineConfig c;
    c.pCaption = "Bitmap Converter";
    c.papMessages = kMessages;
    c.NumMessages = 27;
    CMDLINE_Init(c);  // job mode off: reports become message boxes we can read
  }
  void TearDown() override {
    CMDLINE_Reset();
    HOST_Set(nullptr);
  }
  void UseGlyphor() {
    CmdlineConfig c = testsupport::ConsoleEngineConfig();
    c.pCaption = "Font Converter";
    CMDLINE_Init(c);
  }
  std::string LastWarning() const { return host.Warnings.empty() ? "" : host.Warnings.back().Text; }
};

TEST_F(Readers, HexStopsAtCommaAndTakesMinus) {
  CMDLINE_SetArgText("FF00,12");
  EXPECT_EQ(CMDLINE_GetHexValue(), 0xFF00);
  EXPECT_FALSE(CMDLINE_ReadFailed());
  EXPECT_EQ(CMDLINE_GetChar(), ',');
  EXPECT_EQ(CMDLINE_GetHexValue(), 0x12);

  CMDLINE_SetArgText("-10");
  EXPECT_EQ(CMDLINE_GetHexValue(), -16);
  // A minus after digits ends the value and stays unread.
  CMDLINE_SetArgText("1f-2");
  EXPECT_EQ(CMDLINE_GetHexValue(), 0x1F);
  EXPECT_EQ(CMDLINE_GetChar(), '-');
  EXPECT_TRUE(host.Warnings.empty());
}

TEST_F(Readers, HexErrorsReportTheirMessages) {
  CMDLINE_SetArgText("");
  EXPECT_EQ(CMDLINE_GetHexValue(), 0);
  EXPECT_TRUE(CMDLINE_ReadFailed());
  EXPECT_EQ(LastWarning(), "m4");

  CMDLINE_SetArgText("12G");
  EXPECT_EQ(CMDLINE_GetHexValue(), -1);
  EXPECT_TRUE(CMDLINE_ReadFailed());
  EXPECT_EQ(LastWarning(), "m3");

  // The bitmap converter does not accept a 0x prefix.
  CMDLINE_SetArgText("0xFF");
  EXPECT_EQ(CMDLINE_GetHexValue(), -1);
  // A comma as first character is collected and then is no digit.
  CMDLINE_SetArgText(",5");
  EXPECT_EQ(CMDLINE_GetHexValue(), 0);
  EXPECT_TRUE(CMDLINE_ReadFailed());
  EXPECT_EQ(LastWarning(), "m3");
  // A sign alone ("-transparency-") is no value.
  for (const char* text : {"-", "-,5"}) {
    CMDLINE_SetArgText(text);
    EXPECT_EQ(CMDLINE_GetHexValue(), -1) << text;
    EXPECT_TRUE(CMDLINE_ReadFailed()) << text;
    EXPECT_EQ(LastWarning(), "m3") << text;
  }
  // The flag is cleared by the next successful read.
  CMDLINE_SetArgText("a");
  EXPECT_EQ(CMDLINE_GetHexValue(), 10);
  EXPECT_FALSE(CMDLINE_ReadFailed());
}

TEST_F(Readers, DecimalPercentAndErrors) {
  CMDLINE_SetArgText("50%");
  EXPECT_EQ(CMDLINE_GetDecValue(), 50);
  EXPECT_EQ(CMDLINE_GetChar(), '%');

  CMDLINE_SetArgText("abc");
  EXPECT_EQ(CMDLINE_GetDecValue(), -1);
  EXPECT_EQ(LastWarning(), "m23");

  CMDLINE_SetArgText("");
  EXPECT_EQ(CMDLINE_GetDecValue(), 0);
  EXPECT_EQ(LastWarning(), "m24");

  for (const char* text : {"-", "-%", "-,3"}) {
    CMDLINE_SetArgText(text);
    EXPECT_EQ(CMDLINE_GetDecValue(), -1) << text;
    EXPECT_TRUE(CMDLINE_ReadFailed()) << text;
    EXPECT_EQ(LastWarning(), "m23") << text;
  }

  CMDLINE_SetArgText("-42,7");
  EXPECT_EQ(CMDLINE_GetDecValue(), -42);
  EXPECT_EQ(CMDLINE_GetChar(), ',');

  // Longer than any 32-bit decimal: refused, never overflowed.
  CMDLINE_SetArgText("123456789012");
  EXPECT_EQ(CMDLINE_GetDecValue(), -1);
  EXPECT_TRUE(CMDLINE_ReadFailed());
  CMDLINE_SetArgText("99999999999");
  EXPECT_EQ(CMDLINE_GetDecValue(), INT32_MAX);
}

TEST_F(Readers, StringCapacityAndComma) {
  char buf[8];
  CMDLINE_SetArgText("abcde");
  CMDLINE_GetString(buf, 4);
  EXPECT_TRUE(CMDLINE_ReadFailed());
  EXPECT_EQ(LastWarning(), "m5");

  CMDLINE_SetArgText("abcd,x");
  EXPECT_EQ(CMDLINE_GetString(buf, 4), 4);
  EXPECT_STREQ(buf, "abcd");
  EXPECT_FALSE(CMDLINE_ReadFailed());

  CMDLINE_SetArgText("ab,cd");
  CMDLINE_GetString(buf, 4);
  EXPECT_STREQ(buf, "ab");
  EXPECT_EQ(CMDLINE_GetChar(), ',');

  CMDLINE_SetArgText(",ab");
  CMDLINE_GetString(buf, 4);
  EXPECT_STREQ(buf, ",ab");

  CMDLINE_SetArgText("");
  CMDLINE_GetString(buf, 4);
  EXPECT_TRUE(CMDLINE_ReadFailed());
  EXPECT_EQ(LastWarning(), "m6");
}

TEST_F(Readers, GlyphorTextsAndHexPrefix) {
  UseGlyphor();
  CMDLINE_SetArgText("0x1F");
  EXPECT_EQ(CMDLINE_GetHexValue(), 0x1F);
  EXPECT_TRUE(host.Console.empty());

  // x is collected as second character, but only "0x" is a prefix.
  CMDLINE_SetArgText("1x2");
  EXPECT_EQ(CMDLINE_GetHexValue(), 0);
  EXPECT_NE(host.Console.find("Not a hex value"), std::string::npos);
  host.Console.clear();

  CMDLINE_SetArgText("12x");
  EXPECT_EQ(CMDLINE_GetHexValue(), -1);
  EXPECT_NE(host.Console.find("CMDLINE_GetHexValue: Not a hex value\n"), std::string::npos);
  host.Console.clear();

  CMDLINE_SetArgText("");
  CMDLINE_GetDecValue();
  EXPECT_NE(host.Console.find("CMDLINE_GetHexValue: Missing value\n"), std::string::npos);
  host.Console.clear();

  CMDLINE_SetArgText("5%");
  EXPECT_EQ(CMDLINE_GetDecValue(), -1);
  EXPECT_NE(host.Console.find("CMDLINE_GetDecValue: Not a decimal value\n"), std::string::npos);
  host.Console.clear();

  char buf[4];
  CMDLINE_SetArgText("abcd");
  CMDLINE_GetString(buf, 3);
  EXPECT_NE(host.Console.find("CMDLINE_GetString: String to long\n"), std::string::npos);
  EXPECT_NE(host.Console.find("***************** Press Enter to Continue *****************\n"), std::string::npos);
  EXPECT_GT(host.QuitCount, 0);
}

}  // namespace
