// The option dialogs change only their own fields and save on OK; New's dialogs offer
// the types by encoding, start from the document and take the chooser's height.
#include <gtest/gtest.h>

#include "font/app/command_ids.h"
#include "font/app/commands.h"
#include "font/app/new_font_rules.h"
#include "font/app/option_dialogs.h"
#include "font/model/current_font.h"
#include "font/model/font_messages.h"
#include "font/support/font_test_util.h"
#include "font/support/glyphor_recording_host.h"
#include "support/temp_dir.h"

namespace {

// Every option dialog answers by setting every field of the record to 3.
struct OptionsHost : fonttest::GlyphorRecordingHost {
  bool Answer = true;
  std::vector<unsigned> Asked;
  bool AskOptions(unsigned id, FontOptions* o) override {
    Asked.push_back(id);
    *o = FontOptions{3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3};
    return Answer;
  }
};

struct OptionDialogs : ::testing::Test {
  TempDir dir;
  OptionsHost host;
  void SetUp() override {
    FONTOPT_ResetCache();
    GLYPHOR_SetHost(&host);
    FONTMSG_Reset();
  }
  void TearDown() override {
    GLYPHOR_SetHost(nullptr);
    FONTOPT_ResetCache();
  }
  static FontOptions Read() {
    FontOptions o;
    FONTOPT_Read(&o);
    return o;
  }
};

}  // namespace

TEST_F(OptionDialogs, EachDialogStoresOnlyItsOwnFields) {
  GLYPHOR_Execute(GLYPHOR_ID_OPT_MAGNIFICATION, 0);
  FontOptions o = Read();
  EXPECT_EQ(o.MagX, 3);
  EXPECT_EQ(o.MagY, 3);
  EXPECT_EQ(o.Compatibility, 0);
  EXPECT_EQ(o.SuppressLogging, 0);
  EXPECT_EQ(o.PointMode, 0);
  GLYPHOR_Execute(GLYPHOR_ID_OPT_LOGGING, 0);
  o = Read();
  EXPECT_EQ(o.SuppressLogging, 3);
  EXPECT_EQ(o.SuppressMessage, 3);
  EXPECT_EQ(o.LogInWorkingDir, 3);
  EXPECT_EQ(o.SuppressOptAA, 0);
  GLYPHOR_Execute(GLYPHOR_ID_OPT_ANTIALIASING, 0);
  GLYPHOR_Execute(GLYPHOR_ID_OPT_XBF, 0);
  GLYPHOR_Execute(GLYPHOR_ID_OPT_COMPATIBILITY, 0);
  o = Read();
  EXPECT_EQ(o.SuppressOptAA, 3);
  EXPECT_EQ(o.EnableGamma, 3);
  EXPECT_EQ(o.SuppressDetectXBF, 3);
  EXPECT_EQ(o.Compatibility, 3);
  // Neither dialog owns these two.
  EXPECT_EQ(o.PointMode, 0);
  EXPECT_EQ(o.GetTypeXBF, 0);
  EXPECT_EQ(host.Asked, (std::vector<unsigned>{781, 782, 783, 784, 780}));
  EXPECT_TRUE(host.Warnings.empty());
}

TEST_F(OptionDialogs, CancelChangesNothing) {
  host.Answer = false;
  GLYPHOR_Execute(GLYPHOR_ID_OPT_COMPATIBILITY, 0);
  GLYPHOR_Execute(GLYPHOR_ID_OPT_MAGNIFICATION, 0);
  const FontOptions o = Read();
  EXPECT_EQ(o.Compatibility, 0);
  EXPECT_EQ(o.MagX, 1);
  EXPECT_EQ(host.Asked.size(), 2u);
}

TEST(NewFontRules, TypesByEncodingAndTheMethodChoice) {
  EXPECT_EQ(NEWFONT_TypeCount(FONT_ENC_UNICODE), 7);
  EXPECT_EQ(NEWFONT_TypeCount(FONT_ENC_ISO8859), 3);
  EXPECT_EQ(NEWFONT_TypeCount(FONT_ENC_SJIS), 3);
  EXPECT_EQ(NEWFONT_TypeForEncoding(FONT_TYPE_EXT_AA2, FONT_ENC_SJIS), FONT_TYPE_STD);
  EXPECT_EQ(NEWFONT_TypeForEncoding(FONT_TYPE_AA4, FONT_ENC_ISO8859), FONT_TYPE_AA4);
  EXPECT_EQ(NEWFONT_TypeForEncoding(FONT_TYPE_EXT_AA2, FONT_ENC_UNICODE), FONT_TYPE_EXT_AA2);
  for (int t = 0; t <= 6; ++t) EXPECT_EQ(NEWFONT_MethodChoosable(t), t == 1 || t == 2);
}

TEST(NewFontRules, StartValuesAndChosenHeight) {
  FontCreateRequest r = NEWFONT_Initial(nullptr);
  EXPECT_EQ(r.Type, FONT_TYPE_EXT);
  EXPECT_EQ(r.Encoding, FONT_ENC_UNICODE);
  EXPECT_EQ(r.AAMode, FONT_AA_OS);
  FontDoc* doc = fonttest::make_manual(FONT_TYPE_AA2, 12);
  doc->Encoding = FONT_ENC_ISO8859;
  doc->AAMode = FONT_AA_INTERNAL;
  r = NEWFONT_Initial(doc);
  EXPECT_EQ(r.Type, FONT_TYPE_AA2);
  EXPECT_EQ(r.Encoding, FONT_ENC_ISO8859);
  EXPECT_EQ(r.AAMode, FONT_AA_INTERNAL);
  FONT_Destroy(doc);

  NEWFONT_ApplyChosenSize(&r, 16, -20);
  EXPECT_EQ(r.Lf.Height, 16);
  EXPECT_EQ(r.AAMode, FONT_AA_INTERNAL);
  NEWFONT_ApplyChosenSize(&r, 0, -20);  // point mode: the chooser's height
  EXPECT_EQ(r.Lf.Height, -20);
  r.Type = FONT_TYPE_EXT_FRM;
  NEWFONT_ApplyChosenSize(&r, 16, 0);
  EXPECT_EQ(r.Lf.Height, 14);  // the frame adds a pixel on each side
  NEWFONT_ApplyChosenSize(&r, 1, 0);
  EXPECT_EQ(r.Lf.Height, 1);
  r.Type = FONT_TYPE_EXT_AA4;
  r.AAMode = FONT_AA_INTERNAL;
  NEWFONT_ApplyChosenSize(&r, 16, 0);
  EXPECT_EQ(r.AAMode, FONT_AA_OS);
  EXPECT_EQ(NEWFONT_PointsToHeight(12), -16);
  EXPECT_EQ(NEWFONT_PointsToHeight(9), -12);
}
